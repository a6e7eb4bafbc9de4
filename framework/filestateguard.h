// FileStateGuard: a table's file state (record buffer, current key and
// position) saved for the lifetime of the guard and restored, buffer
// included, when it ends, whatever path the code between took.
#pragma once

#include "framework/filemanager.h"

namespace vorda {

class FileStateGuard {
public:
    explicit FileStateGuard(FileManager& file) : file_(file), handle_(file.SaveFile()) {}
    ~FileStateGuard() { file_.RestoreFile(handle_); }
    FileStateGuard(const FileStateGuard&) = delete;
    FileStateGuard& operator=(const FileStateGuard&) = delete;

private:
    FileManager& file_;
    int handle_;
};

}  // namespace vorda
