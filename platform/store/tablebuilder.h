// TableBuilder: making and repairing table files, outside any attachment.
//
// Both operations run on a connection of their own, opened on the table file
// (or its replacement) alone, and expect the caller to hold the table's
// exclusive sidecar lock and to have no attachment of the file open.
//
//   create        writes a fresh file `<path>.new` with the layout, its keys and
//                 the meta entries, then renames it over `path`: an old file
//                 is replaced at once or not at all.
//   rebuildKeys   checks the b-trees (PRAGMA quick_check); when they are sound,
//                 REINDEX rebuilds every key in place; when SQLite finds damage
//                 (or REINDEX reports it), the rows are copied by a scan of the
//                 table alone (NOT INDEXED) into a fresh file made as `create`
//                 does, which then replaces the old one. The "keys need
//                 rebuilding" mark is cleared in both cases.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/store/tablelayout.h"

struct sqlite3;

namespace vorda::store {

class TableBuilder {
public:
    explicit TableBuilder(const TableLayout& layout) : layout_(layout) {}

    // Ok or FileSystemError (lastError set).
    int create(const std::string& path, std::string_view owner) const;
    // Ok, FileSystemError, or AccessDenied for a file of another owner.
    int rebuildKeys(const std::string& path, std::string_view owner) const;

private:
    int writeFresh(const std::string& path, std::string_view owner) const;
    int reindexInPlace(sqlite3* db, bool* damaged) const;
    int copyInto(const std::string& from, const std::string& to) const;
    std::vector<std::string> copyStatements() const;
    int replace(const std::string& fresh, const std::string& path) const;

    const TableLayout& layout_;
};

}  // namespace vorda::store
