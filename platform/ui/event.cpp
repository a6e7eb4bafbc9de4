// Event names, for diagnostics and test messages.
#include "platform/ui/event.h"

#include <array>

namespace vorda::ui {

std::string_view eventName(EventKind kind) {
    static constexpr std::array<std::string_view, 21> names = {
        "Accepted",   "Selected",   "NewSelection", "Rejected",  "AlertKey",     "ScrollUp",
        "ScrollDown", "PageUp",     "PageDown",     "ScrollTop", "ScrollBottom", "ScrollDrag",
        "Locate",     "OpenWindow", "CloseWindow",  "CloseDown", "GainFocus",    "LoseFocus",
        "Timer",      "Completed",  "Sized",
    };
    const auto i = static_cast<size_t>(kind);
    return i < names.size() ? names[i] : "?";
}

}  // namespace vorda::ui
