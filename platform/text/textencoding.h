// The character set of a fixed-record text file.
//
// The entities' systems write their files in Windows-1252, one byte a
// character, which is also how record buffers hold text. Some newer systems
// write UTF-8 instead. A file is read as UTF-8 when it starts with the UTF-8
// byte-order mark, or when all of it is well-formed UTF-8 and it holds at
// least one character beyond ASCII; any other file is Windows-1252. A
// Windows-1252 file with an accented letter is practically never valid
// UTF-8, and a file of plain ASCII reads the same either way.
//
// EncodingDetector takes the file's bytes block after block, in order (a
// UTF-8 sequence may straddle two blocks), and gives its verdict at the end.
#pragma once

#include <string>
#include <string_view>

namespace vorda::text {

enum class TextEncoding { Windows1252, Utf8 };

class EncodingDetector {
public:
    void feed(std::string_view bytes);
    TextEncoding result() const;
    bool hasByteOrderMark() const { return head_ == ByteOrderMark; }

    static constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

private:
    void feedSlow(unsigned char b);

    std::string head_;  // the first three bytes
    bool malformed_ = false;
    bool beyondAscii_ = false;
    int pending_ = 0;           // continuation bytes still expected
    unsigned char low_ = 0x80;  // range of the next continuation byte
    unsigned char high_ = 0xBF;
};

}  // namespace vorda::text
