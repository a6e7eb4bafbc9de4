// Windows-1252 <-> UTF-8.
//
// Bytes 00-7F and A0-FF are the Unicode code points of the same value. The
// row 80-9F is the table below; its five undefined bytes map to the C1
// controls of the same value, so that every byte survives a round trip.
#include "platform/types/cp1252.h"

#include <cstdint>

namespace vorda::cp1252 {

namespace {

constexpr char32_t kRow80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t codePointOf(unsigned char b) {
    return b >= 0x80 && b < 0xA0 ? kRow80[b - 0x80] : b;
}

// The Windows-1252 byte of a code point; -1 when the code page has none.
int toByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kRow80[i] == cp)
            return 0x80 + i;
    return -1;
}

struct Decoded {
    char32_t cp;  // meaningful only when `valid`
    size_t size;  // bytes consumed (1 for a malformed byte)
    bool valid;
};

// Decodes one well-formed UTF-8 sequence at the start of `s` (no overlong
// forms, no surrogates, nothing above U+10FFFF).
Decoded decodeOne(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80)
        return {b0, 1, true};
    size_t len = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 0;
    if (len == 0 || b0 > 0xF4 || s.size() < len)
        return {0, 1, false};
    char32_t cp = b0 & (0x7F >> len);
    for (size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80)
            return {0, 1, false};
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (cp < kMin[len] || surrogate || cp > 0x10FFFF)
        return {0, 1, false};
    return {cp, len, true};
}

}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded d = decodeOne(utf8);
        const int byte = d.valid ? toByte(d.cp) : -1;
        out += byte < 0 ? '?' : static_cast<char>(byte);
        utf8.remove_prefix(d.size);
    }
    return out;
}

Utf8Char firstUtf8Char(std::string_view utf8) {
    const Decoded d = decodeOne(utf8);
    return {.byte = d.valid ? toByte(d.cp) : -1, .size = d.size, .valid = d.valid};
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

char32_t toCodePoint(char byte) {
    return codePointOf(static_cast<unsigned char>(byte));
}

std::optional<char> fromCodePoint(char32_t cp) {
    const int byte = toByte(cp);
    return byte < 0 ? std::nullopt : std::optional<char>(static_cast<char>(byte));
}

size_t utf8Length(std::string_view utf8) {
    size_t n = 0;
    while (!utf8.empty()) {
        utf8.remove_prefix(decodeOne(utf8).size);
        ++n;
    }
    return n;
}

char toUpper(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z')
        return static_cast<char>(b - 0x20);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7)
        return static_cast<char>(b - 0x20);
    switch (b) {
        case 0xFF:
            return '\x9F';  // ÿ -> Ÿ
        case 0x9A:
            return '\x8A';  // š -> Š
        case 0x9C:
            return '\x8C';  // œ -> Œ
        case 0x9E:
            return '\x8E';  // ž -> Ž
        default:
            return c;
    }
}

std::string toUpper(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        c = toUpper(c);
    return out;
}

}  // namespace vorda::cp1252
