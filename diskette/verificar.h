// Checking a presentation file on disk: the file behind `vorda --verificar`,
// and the writer's own check of what it has just written.
#pragma once

#include <string>
#include <vector>

#include "diskette/presentationcheck.h"

namespace vorda {

struct Verification {
    bool opened = false;
    std::string openError;  // why the file could not be read, when !opened
    PresentationCheck check;

    bool sound() const { return opened && check.sound(); }
    // The lines shown to the user: the open error, the faults, or the counts.
    std::vector<std::string> report() const;
};

// Opens `path` as a presentation file (keyed-table format, the presentation
// owner password), read only and shared, and checks every record in file
// order. The file is not changed; a lock file the open had to create beside
// it is removed again.
Verification verifyPresentationFile(const std::string& path);

}  // namespace vorda
