// DriveLetters: the folder a drive letter of the program stands for.
//
// On this platform a drive letter names a folder. The settings file's section
// [Unidades] may name it, with the keys A and B (a relative folder is taken
// from the working directory). Without a key, A is the first removable
// medium mounted for the user: the first folder, by name, under
// /media/<user> or /run/media/<user> that is a mount point; B is none.
//
// The folder is looked up each time it is asked for, so a medium inserted
// after the dialog opened is found when the copy starts.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorda {

class DriveLetters {
public:
    // The configured folder of a letter ("" when there is no key).
    using Configured = std::function<std::string(std::string_view letter)>;

    // The program's drives: [Unidades] of DisketteSettings, the user's media.
    DriveLetters();
    DriveLetters(Configured configured, std::vector<std::filesystem::path> mediaRoots,
                 bool mountPointsOnly);

    struct Drive {
        std::optional<std::filesystem::path> folder;
        std::string problem;  // why there is no folder, when there is none
    };
    Drive resolve(char letter) const;
    // What the dialog shows beside the letter: the folder, or the problem.
    std::string shown(char letter) const;

    // /media/<user> and /run/media/<user> of the user running the program.
    static std::vector<std::filesystem::path> userMediaRoots();

private:
    std::optional<std::filesystem::path> firstMedium() const;

    Configured configured_;
    std::vector<std::filesystem::path> mediaRoots_;
    bool mountPointsOnly_;
};

}  // namespace vorda
