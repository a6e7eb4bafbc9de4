// SqliteError: the keyed-table driver's failures reported by SQLite, turned
// into driver codes through DriverError, with our own Spanish text for each
// SQLite result code.
#pragma once

#include <string>

struct sqlite3;

namespace vorda::store {

class SqliteError {
public:
    // Maps a SQLite result code of a call on `db` to a driver code:
    // unique violations -> DuplicateKey, corruption -> KeysNeedRebuild,
    // read-only -> AccessDenied, anything else -> FileSystemError with
    // SQLite's code and the Spanish text of it.
    static int fail(sqlite3* db, int rc);
    // Records `code` with SQLite's result code `rc` and its Spanish text.
    static int record(int code, int rc);
    // True when `rc` reports a damaged database image.
    static bool isCorrupt(int rc);
    // The Spanish text of a SQLite result code.
    static std::string text(int rc);
};

}  // namespace vorda::store
