// KeyMap: a Qt key press as the runtime's key code.
//
// Keys the runtime does not know (arrows left and right, function keys other
// than F1, shortcuts with Alt) give nullopt and are left to the widget.
#pragma once

#include <optional>

#include "platform/ui/keycode.h"

class QKeyEvent;

namespace vorda::ui::qt {

class KeyMap {
public:
    static std::optional<KeyCode> fromEvent(const QKeyEvent& event);
    // Keys that move between controls or close the window: the runtime
    // handles them whatever control has the focus.
    static bool isWindowKey(KeyCode code);
};

}  // namespace vorda::ui::qt
