// The fixed-record text-file driver.
//
// A text file holds one record per line: the record's characters (one
// Windows-1252 byte each, as wide as the record's text fields together),
// then carriage return and line feed. It is read sequentially in file order;
// `add()` appends a line. A shorter line is padded with blanks, a longer one
// is cut. It has no keys, no cursors and no transactions; `records()` is -1
// (unknown) and progress is told by `bytesRead()` against `bytes()`.
// "QUICKSCAN=on" reads the file in large blocks.
#pragma once

#include <memory>

#include "platform/store/file.h"

namespace vorda::store {

std::unique_ptr<File> makeTextFile(const TableDesc& desc, void* buffer);

}  // namespace vorda::store
