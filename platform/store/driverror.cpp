#include "platform/store/driverror.h"

#include <sqlite3.h>

#include "platform/store/codes.h"
#include "platform/types/errorstate.h"

namespace vorda::store {

int DriverError::fail(int code) {
    platform::setLastError(code, platform::errorText(code));
    return code;
}

int DriverError::fail(int code, std::string driverCode, std::string driverText) {
    platform::setLastError(code, platform::errorText(code), std::move(driverCode),
                           std::move(driverText));
    return code;
}

int DriverError::fileSystem(std::string text) {
    return fail(FileSystemError, "0", std::move(text));
}

bool DriverError::isCorrupt(int rc) {
    return (rc & 0xff) == SQLITE_CORRUPT;
}

int DriverError::fromSqlite(sqlite3* db, int rc) {
    const int primary = rc & 0xff;
    const std::string message = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY) {
        return fail(DuplicateKey, std::to_string(rc), message);
    }
    if (primary == SQLITE_CORRUPT)
        return fail(KeysNeedRebuild, std::to_string(rc), message);
    if (primary == SQLITE_READONLY)
        return fail(AccessDenied, std::to_string(rc), message);
    return fail(FileSystemError, std::to_string(rc), message);
}

}  // namespace vorda::store
