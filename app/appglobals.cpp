// The application's global objects and the help file's location.
#include "app/appglobals.h"

#include <system_error>

namespace vorda {

INIClass INIMgr;
std::string HelpFile;
PlacementSource WindowPlacementOf;

namespace {

std::filesystem::path executableDir() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

}  // namespace

std::filesystem::path helpFilePath() {
    if (HelpFile.empty())
        return {};
    const std::filesystem::path candidates[] = {
        executableDir() / "help" / "vorda.html",
        std::filesystem::path(VORDA_SOURCE_DIR) / "help" / "vorda.html",
    };
    for (const std::filesystem::path& p : candidates) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(p, ec))
            return p;
    }
    return {};
}

}  // namespace vorda
