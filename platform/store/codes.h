// Driver error codes of the keyed-table and text-file drivers.
//
// The numbers are the framework's; their Spanish texts come from
// platform::errorText. Every failing driver call also records its code (and,
// for 90, the underlying SQLite or system code and text) in
// platform::lastError().
#pragma once

namespace vorda::store {

enum Code : int {
    Ok = 0,
    FileNotFound = 2,
    AccessDenied = 5,  // another holder's lock, a read-only file, a foreign owner password
    NoMoreRecords = 33,
    RecordNotFound = 35,
    DuplicateKey = 40,
    RecordHeld = 43,
    KeysNeedRebuild = 46,
    AlreadyOpen = 52,
    ChangedByOther = 89,   // the record was changed or deleted since it was read
    FileSystemError = 90,  // anything else; lastError() holds the driver's text and code
};

}  // namespace vorda::store
