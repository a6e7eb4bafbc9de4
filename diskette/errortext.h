// The texts appended to the writer's messages: the platform's description of
// the last file error, in Spanish.
#pragma once

#include <string>

namespace vorda {

// The last error of the file drivers, as the error reporter shows it: the
// driver's own text and code for a file-system error (90), else the text of
// the platform code and the code ("Registro no encontrado (35)").
std::string lastFileErrorText();

// A system error number (errno) in Spanish, with the number.
std::string systemErrorText(int err);

}  // namespace vorda
