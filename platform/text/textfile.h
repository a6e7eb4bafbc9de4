// The fixed-record text-file driver.
//
// A text file holds one record per line: the record's characters (as many
// as the record's text fields together), then carriage return and line feed
// (a line feed alone will do, and the last line may lack it). It is read
// sequentially in file order; `add()` appends a line. A file is read in
// Windows-1252, one byte a character, unless it is UTF-8 (textencoding.h):
// its character set is settled when it is opened for reading. A shorter line
// is padded with blanks; what a line holds beyond the record, and characters
// the record should not hold, are noted for the current line (textline.h)
// rather than silently dropped. It has no keys, no cursors and no
// transactions; `records()` is -1 (unknown) and progress is told by
// `bytesRead()` against `bytes()`. "QUICKSCAN=on" reads the file in large
// blocks.
#pragma once

#include <memory>
#include <optional>

#include "platform/store/file.h"
#include "platform/text/textencoding.h"
#include "platform/text/textline.h"

namespace vorda::store {

std::unique_ptr<File> makeTextFile(const TableDesc& desc, void* buffer);

// What the reader found on the line of the record last read from `file` (for
// a file kept per procedure thread, the calling thread's); nullptr when it is
// not a text file or no record has been read since it was opened.
const text::TextLine* currentLine(File& file);

// The character set `file` is read in; nullopt when it is not an open text file.
std::optional<text::TextEncoding> encodingOf(File& file);

}  // namespace vorda::store
