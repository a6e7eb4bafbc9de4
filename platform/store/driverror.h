// DriverError: how a driver turns a failure into a driver code.
//
// Every failing driver call ends in one of these functions: they record the
// code, its Spanish text and (for FileSystemError) the underlying SQLite or
// system code and text in platform::lastError(), and return the code so that
// a caller can write `return DriverError::fail(...)`. The keyed-table driver
// maps SQLite's result codes through SqliteError (sqliteerror.h).
//
// The driver's text reaches the user inside the catalogue's messages, so it
// is always our own Spanish text about the file: never SQLite's or the C
// library's English, nor SQL, schema names or URIs. Their numeric code is
// kept as the driver's code.
#pragma once

#include <string>

namespace vorda::store {

class DriverError {
public:
    // Records `code` with its Spanish text; returns `code`.
    static int fail(int code);
    // Records `code` with the driver's own code and text; returns `code`.
    static int fail(int code, std::string driverCode, std::string driverText);
    // A FileSystemError described by our own (Spanish) text.
    static int fileSystem(std::string text);
    // Records `code` with the system's error number `err` and its Spanish
    // text, after "`what`: " when `what` is given (a path, say).
    static int system(int code, int err, const std::string& what = {});

    // The Spanish text of a system error number.
    static std::string systemText(int err);
};

}  // namespace vorda::store
