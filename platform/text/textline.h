// One line of a fixed-record text file, made into a record.
//
// A line (its line end already removed) gives the record's characters from
// the first column on; a shorter line is padded with blanks. What does not
// fit the record is judged, not silently dropped: blanks after the last
// column are ignored, anything else there makes the line overlong. Within the
// record's columns, NUL and the other control characters (and the five
// bytes Windows-1252 leaves undefined) are noted, as are UTF-8 characters
// that have no Windows-1252 byte (they are stored as '?').
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text/textencoding.h"

namespace vorda::text {

// What the reader found on the line of the record it made.
struct TextLine {
    bool overlong = false;           // characters other than blanks after the last column
    bool controlCharacters = false;  // NUL or another control character in the columns
    bool unmappable = false;         // a character without a Windows-1252 byte ('?' stored)

    bool sound() const { return !overlong && !controlCharacters && !unmappable; }
};

// Decodes `bytes` (the line, or its first part when it is very long; then
// `nonBlankBeyond` tells whether anything but blanks followed the part) into
// `record`: exactly `length` Windows-1252 characters.
TextLine decodeLine(std::string_view bytes, bool nonBlankBeyond, TextEncoding encoding,
                    size_t length, std::string& record);

// A Windows-1252 byte that is a control character, or one the code page
// leaves undefined.
bool isControlByte(unsigned char b);

}  // namespace vorda::text
