// The texts appended to the writer's messages about files the store does
// not open: system errors of the copy to media, in Spanish. (Errors of the
// file drivers are platform::lastErrorText().)
#pragma once

#include <string>

namespace vorda {

// A system error number (errno) in Spanish, with the number.
std::string systemErrorText(int err);

}  // namespace vorda
