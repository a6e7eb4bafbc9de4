// The platform's "last error" state.
//
// Every driver call that fails records here the platform error code with its
// Spanish text and, for errors reported by a file driver (code 90), the
// driver's own code and text. The error reporter copies this state when it
// takes an error snapshot. All procedure threads run on one OS thread, and a
// snapshot is taken in the same call sequence that set it; work done on an OS
// thread of its own (the rebuild of the keys) has a state of its own, so each
// OS thread keeps one.
#pragma once

#include <string>

namespace vorda::platform {

struct ErrorState {
    int code = 0;               // platform code: 2, 5, 33, 35, 40, 43, 46, 52, 89, 90, ...
    std::string text;           // Spanish text of `code`
    std::string fileErrorCode;  // the file driver's own code, as text (code 90)
    std::string fileError;      // the file driver's own text (code 90)
};

const ErrorState& lastError();
// Records a failure; an empty `text` is replaced by errorText(code).
void setLastError(int code, std::string text, std::string fileErrorCode = {},
                  std::string fileError = {});
void clearLastError();

// The Spanish text of a platform error code ("" for an unknown code).
std::string errorText(int code);

// The last error as a message shows it after its own words: the driver's
// text and code for a file-system error (90), else the code's text and the
// code ("Registro no encontrado (35)").
std::string lastErrorText();

// A system error number (errno) in Spanish, followed by the number:
// "permiso denegado (13)".
std::string systemErrorText(int err);

}  // namespace vorda::platform
