// What the annex imports check before they read a file: that there is a
// declaration to load into, and that the file named can be read.
//
// Both answer "" when all is well, or the message the user is shown. They
// read the declaration table directly over a buffer of their own, so the
// caller's records and positions stay as they are, and they never create
// or change a file.
#pragma once

#include <string>
#include <string_view>

namespace vorda::import {

// The declaration `key` (19 characters) exists: a blank key (the list was
// empty) and a declaration deleted meanwhile are refused.
std::string declarationProblem(std::string_view key);

// `name` (a full path or a name in the working directory) is a file that can
// be read: not empty, existing, not a folder, readable.
std::string importFileProblem(const std::string& name);

}  // namespace vorda::import
