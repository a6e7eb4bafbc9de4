// The application's own global objects (the data store's are in
// data/globals.h and data/dictionary.h, the request protocol's in
// framework/requestglobals.h, the error reporter in framework/errorclass.h).
//
//   INIMgr    the settings file vorda.INI; Init at start, Update and Kill at
//             the end (Program::run).
//   WindowPlacementOf  how the frame reaches its real window's placement
//   HelpFile  the help file's name as the program names it ("Vorda.hlp");
//             helpFilePath() maps it to the HTML help shipped with the program.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "framework/iniclass.h"

namespace vorda {

namespace ui {
class Window;
}

extern INIClass INIMgr;
extern std::string HelpFile;

inline constexpr const char* SettingsFileName = "vorda.INI";
inline constexpr const char* ProgramHelpFile = "Vorda.hlp";

// The placement of a shown window, for the settings file; set by the windowed
// run (the headless run has none, so nothing is saved or restored there).
using PlacementSource = std::function<std::unique_ptr<WindowPlacement>(const ui::Window&)>;
extern PlacementSource WindowPlacementOf;

// The HTML help that stands for HelpFile: "help/vorda.html" beside the
// executable when installed there, else the copy in the source tree. Empty
// when HelpFile is not set or no copy exists.
std::filesystem::path helpFilePath();

}  // namespace vorda
