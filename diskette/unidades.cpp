// Drive letters as folders (contract in unidades.h).
#include "diskette/unidades.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "diskette/diskette_hooks.h"
#include "framework/iniclass.h"

namespace vorda {

namespace {

namespace fs = std::filesystem;

constexpr const char* Section = "Unidades";

std::string fromSettings(std::string_view letter) {
    return DisketteSettings != nullptr ? DisketteSettings->Fetch(Section, letter) : std::string();
}

std::string userName() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw != nullptr && pw->pw_name != nullptr)
        return pw->pw_name;
    const char* user = std::getenv("USER");
    return user != nullptr ? user : "";
}

// A folder on another device than the folder holding it.
bool isMountPoint(const fs::path& folder) {
    struct stat self {
    }, parent{};
    if (::stat(folder.c_str(), &self) != 0 || ::stat(folder.parent_path().c_str(), &parent) != 0)
        return false;
    return self.st_dev != parent.st_dev;
}

}  // namespace

DriveLetters::DriveLetters() : DriveLetters(&fromSettings, userMediaRoots(), true) {}

DriveLetters::DriveLetters(Configured configured, std::vector<fs::path> mediaRoots,
                           bool mountPointsOnly)
    : configured_(std::move(configured)),
      mediaRoots_(std::move(mediaRoots)),
      mountPointsOnly_(mountPointsOnly) {}

std::vector<fs::path> DriveLetters::userMediaRoots() {
    const std::string user = userName();
    if (user.empty())
        return {};
    return {fs::path("/media") / user, fs::path("/run/media") / user};
}

std::optional<fs::path> DriveLetters::firstMedium() const {
    for (const fs::path& root : mediaRoots_) {
        std::error_code ec;
        std::vector<fs::path> folders;
        for (const fs::directory_entry& e : fs::directory_iterator(root, ec)) {
            if (e.is_directory(ec) && (!mountPointsOnly_ || isMountPoint(e.path())))
                folders.push_back(e.path());
        }
        if (!folders.empty())
            return *std::min_element(folders.begin(), folders.end());
    }
    return std::nullopt;
}

DriveLetters::Drive DriveLetters::resolve(char letter) const {
    const std::string key(1, letter);
    const std::string folder = configured_ ? configured_(key) : std::string();
    if (!folder.empty()) {
        std::error_code ec;
        return {.folder = fs::absolute(folder, ec), .problem = {}};
    }
    if (letter == 'A') {
        if (std::optional<fs::path> medium = firstMedium())
            return {.folder = std::move(medium), .problem = {}};
        return {.folder = std::nullopt, .problem = "no hay ningún medio extraíble montado"};
    }
    return {.folder = std::nullopt,
            .problem = "la unidad " + key + ": no está configurada en vorda.INI"};
}

// A configured folder is shown as it is written in the settings file.
std::string DriveLetters::shown(char letter) const {
    std::string folder = configured_ ? configured_(std::string(1, letter)) : std::string();
    if (!folder.empty())
        return folder;
    const Drive d = resolve(letter);
    return d.folder ? d.folder->string() : "(" + d.problem + ")";
}

}  // namespace vorda
