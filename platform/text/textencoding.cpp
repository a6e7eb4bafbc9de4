// Telling UTF-8 files from Windows-1252 ones (contract in textencoding.h).
//
// The UTF-8 check follows the well-formed byte sequences of the Unicode
// standard (table 3-7): no overlong forms, no surrogates, nothing beyond
// U+10FFFF. Runs of ASCII are skipped eight bytes at a time, so a large file
// of plain records costs little more than reading it.
#include "platform/text/textencoding.h"

#include <cstdint>
#include <cstring>

namespace vorda::text {

namespace {

constexpr uint64_t kHighBits = 0x8080808080808080ULL;

}  // namespace

void EncodingDetector::feed(std::string_view bytes) {
    if (head_.size() < ByteOrderMark.size())
        head_.append(bytes.substr(0, ByteOrderMark.size() - head_.size()));
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (p < end && !malformed_) {
        if (pending_ == 0 && end - p >= 8) {
            uint64_t word;
            std::memcpy(&word, p, sizeof word);
            if ((word & kHighBits) == 0) {
                p += 8;
                continue;
            }
        }
        feedSlow(static_cast<unsigned char>(*p++));
    }
}

// One byte of the UTF-8 state machine.
void EncodingDetector::feedSlow(unsigned char b) {
    if (pending_ > 0) {
        if (b < low_ || b > high_) {
            malformed_ = true;
            return;
        }
        --pending_;
        low_ = 0x80;
        high_ = 0xBF;
        return;
    }
    if (b < 0x80)
        return;
    beyondAscii_ = true;
    if (b >= 0xC2 && b <= 0xDF) {
        pending_ = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
        pending_ = 2;
        low_ = b == 0xE0 ? 0xA0 : 0x80;
        high_ = b == 0xED ? 0x9F : 0xBF;
    } else if (b >= 0xF0 && b <= 0xF4) {
        pending_ = 3;
        low_ = b == 0xF0 ? 0x90 : 0x80;
        high_ = b == 0xF4 ? 0x8F : 0xBF;
    } else {
        malformed_ = true;
    }
}

TextEncoding EncodingDetector::result() const {
    if (hasByteOrderMark())
        return TextEncoding::Utf8;
    const bool wellFormed = !malformed_ && pending_ == 0;
    return wellFormed && beyondAscii_ ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

}  // namespace vorda::text
