// Windows-1252 <-> UTF-8 conversion at the boundaries of the program.
//
// Record buffers hold text as one Windows-1252 byte a character; everything
// outside (SQLite, Qt, scripts, tests) speaks UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorda::cp1252 {

// Converts UTF-8 to Windows-1252. A character with no Windows-1252 byte, or a
// malformed UTF-8 sequence, becomes '?'.
std::string fromUtf8(std::string_view utf8);

// Converts Windows-1252 bytes to UTF-8. The five bytes that Windows-1252
// leaves undefined (81, 8D, 8F, 90, 9D) map to the C1 controls of the same value.
std::string toUtf8(std::string_view bytes);

// Appends the UTF-8 bytes of `cp`, a character of the Basic Multilingual
// Plane (every character of the code page, every key the user can type).
void appendUtf8(std::string& out, char32_t cp);

// The Unicode character of a Windows-1252 byte.
char32_t toCodePoint(char byte);

// The Windows-1252 byte of a Unicode character; nullopt when the code page
// has none (so it could only be stored as '?').
std::optional<char> fromCodePoint(char32_t cp);

// The first character of a non-empty UTF-8 text: its Windows-1252 byte (-1
// when the code page has none or the sequence is malformed), the bytes it
// takes (1 for a malformed byte) and whether the sequence is well formed.
struct Utf8Char {
    int byte;
    size_t size;
    bool valid;
};
Utf8Char firstUtf8Char(std::string_view utf8);

// Number of characters in a UTF-8 text (malformed bytes count one each).
size_t utf8Length(std::string_view utf8);

// Upper-case of one Windows-1252 character (a..z, and the accented letters
// with an upper-case form in the code page: á -> Á, ñ -> Ñ, ...).
char toUpper(char c);
std::string toUpper(std::string_view bytes);

}  // namespace vorda::cp1252
