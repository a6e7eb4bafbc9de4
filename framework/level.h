// Result levels and the request/response codes shared by the framework.
#pragma once

#include <cstdint>

namespace vorda {

// Returned by every framework operation that can fail and by every event handler.
enum Level : uint8_t {
    Benign = 0,   // success, or the user chose to go on
    User = 1,     // the condition needs a Yes/No decision of the user
    Program = 2,  // programming error; treated as fatal
    Fatal = 3,    // unrecoverable; the program ends
    Cancel = 4,   // the user declined; the caller abandons the operation
    Notify = 5,   // the user was told; the operation did not happen
};

enum Request : uint8_t {
    RequestInsert = 1,
    RequestChange = 2,
    RequestDelete = 3,
    RequestSelect = 4,
};

enum Response : uint8_t {
    ResponseCompleted = 1,
    ResponseCancelled = 2,
};

}  // namespace vorda
