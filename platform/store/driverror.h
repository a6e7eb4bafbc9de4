// DriverError: how the store turns a failure into a driver code.
//
// Every failing driver call ends in one of these functions: they record the
// code, its Spanish text and (for FileSystemError) the underlying SQLite or
// system code and text in platform::lastError(), and return the code so that
// a caller can write `return DriverError::fail(...)`.
#pragma once

#include <string>

struct sqlite3;

namespace vorda::store {

class DriverError {
public:
    // Records `code` with its Spanish text; returns `code`.
    static int fail(int code);
    // Records `code` with the driver's own code and text; returns `code`.
    static int fail(int code, std::string driverCode, std::string driverText);
    // A FileSystemError described by our own (Spanish) text.
    static int fileSystem(std::string text);
    // Maps a SQLite result code of a call on `db` to a driver code:
    // unique violations -> DuplicateKey, corruption -> KeysNeedRebuild,
    // read-only -> AccessDenied, anything else -> FileSystemError with
    // SQLite's code and message.
    static int fromSqlite(sqlite3* db, int rc);
    // True when `rc` reports a damaged database image.
    static bool isCorrupt(int rc);
};

}  // namespace vorda::store
