// makeKeyedTable: a File of the keyed-table driver (SQLite) over one table.
//
// `buffer` must outlive the file; cursors must not outlive their file. A
// table on a connection of its own (a transaction that spans yields) is made
// with the overload in connection.h; the fixed-record text-file driver is
// platform/text/textfile.h.
#pragma once

#include <memory>

#include "platform/store/file.h"

namespace vorda::store {

std::unique_ptr<File> makeKeyedTable(const TableDesc& desc, void* buffer);

}  // namespace vorda::store
