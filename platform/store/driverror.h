// DriverError: how the store turns a failure into a driver code.
//
// Every failing driver call ends in one of these functions: they record the
// code, its Spanish text and (for FileSystemError) the underlying SQLite or
// system code and text in platform::lastError(), and return the code so that
// a caller can write `return DriverError::fail(...)`.
//
// The driver's text reaches the user inside the catalogue's messages, so it
// is always our own Spanish text about the file: never SQLite's or the C
// library's English, nor SQL, schema names or URIs. Their numeric code is
// kept as the driver's code.
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
    // Records `code` with SQLite's result code `rc` and its Spanish text.
    static int sqlite(int code, int rc);
    // Records `code` with the system's error number `err` and its Spanish
    // text, after "`what`: " when `what` is given (a path, say).
    static int system(int code, int err, const std::string& what = {});
    // Maps a SQLite result code of a call on `db` to a driver code:
    // unique violations -> DuplicateKey, corruption -> KeysNeedRebuild,
    // read-only -> AccessDenied, anything else -> FileSystemError with
    // SQLite's code and the Spanish text of it.
    static int fromSqlite(sqlite3* db, int rc);
    // True when `rc` reports a damaged database image.
    static bool isCorrupt(int rc);

    // Spanish texts of a SQLite result code and of a system error number.
    static std::string sqliteText(int rc);
    static std::string systemText(int err);
};

}  // namespace vorda::store
