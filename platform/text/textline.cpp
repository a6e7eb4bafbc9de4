// Making a record of one line (contract in textline.h).
#include "platform/text/textline.h"

#include "platform/types/cp1252.h"

namespace vorda::text {

namespace {

// Decodes at most `limit` characters of `bytes` into Windows-1252 `chars`;
// returns the bytes they took.
size_t decode(std::string_view bytes, TextEncoding encoding, size_t limit, std::string& chars,
              TextLine& line) {
    if (encoding == TextEncoding::Windows1252) {
        chars.assign(bytes.substr(0, limit));
        return chars.size();
    }
    chars.clear();
    size_t used = 0;
    while (used < bytes.size() && chars.size() < limit) {
        const cp1252::Utf8Char c = cp1252::firstUtf8Char(bytes.substr(used));
        if (c.byte < 0)
            line.unmappable = true;
        chars += c.byte < 0 ? '?' : static_cast<char>(c.byte);
        used += c.size;
    }
    return used;
}

}  // namespace

bool isControlByte(unsigned char b) {
    switch (b) {
        case 0x7F:
        case 0x81:
        case 0x8D:
        case 0x8F:
        case 0x90:
        case 0x9D:
            return true;
        default:
            return b < 0x20;
    }
}

TextLine decodeLine(std::string_view bytes, bool nonBlankBeyond, TextEncoding encoding,
                    size_t length, std::string& record) {
    TextLine line;
    const size_t used = decode(bytes, encoding, length, record, line);
    line.overlong =
        nonBlankBeyond || bytes.substr(used).find_first_not_of(' ') != std::string_view::npos;
    for (char c : record) {
        if (isControlByte(static_cast<unsigned char>(c)))
            line.controlCharacters = true;
    }
    record.resize(length, ' ');
    return line;
}

}  // namespace vorda::text
