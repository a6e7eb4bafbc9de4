// ToolIcons: the pictures of the frame's toolbar and of the buttons.
//
// A picture named by the program ("VCRFIRST.ICO", "aceptar.ico") is taken
// from the working directory when such a file exists; the toolbar's own
// pictures are otherwise drawn here, so the program ships no image files of
// anyone else. An unknown name without a file gives a null icon.
#pragma once

#include <QIcon>
#include <string>

namespace vorda::ui::qt {

class ToolIcons {
public:
    static QIcon icon(const std::string& name);
    // The drawn picture for a known name, ignoring files; null if unknown.
    static QIcon drawn(const std::string& name);
};

}  // namespace vorda::ui::qt
