// Events of the windowing runtime and the control numbers they carry.
//
// A window procedure takes its events one at a time with Window::ask(). A
// field event names its control; a window event carries control 0. AlertKey
// carries the key; ScrollDrag carries the thumb position (0 to 100).
#pragma once

#include <string_view>
#include <type_traits>

#include "platform/ui/keycode.h"

namespace vorda::ui {

// A control number: each window declares its controls as an enum; the frame
// toolbar's buttons are 2000 to 2012. 0 means "no control" (the window).
class ControlId {
public:
    constexpr ControlId() = default;
    constexpr ControlId(int value) : value_(value) {}  // NOLINT: implicit by design
    template <typename E>
    requires std::is_enum_v<E>
    constexpr ControlId(E value) : value_(static_cast<int>(value)) {}  // NOLINT

    constexpr int value() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }
    friend constexpr bool operator==(ControlId, ControlId) = default;
    friend constexpr auto operator<=>(ControlId, ControlId) = default;

private:
    int value_ = 0;
};

enum class EventKind {
    // field events
    Accepted,      // the user completed a control (value already in its field)
    Selected,      // the focus entered the control
    NewSelection,  // a list row, a tab, a spin value or a radio changed
    Rejected,      // the control's text is refused by its picture or range
    AlertKey,      // an alerted key was pressed
    // list scrolling (field events of a list control)
    ScrollUp,
    ScrollDown,
    PageUp,
    PageDown,
    ScrollTop,
    ScrollBottom,
    ScrollDrag,  // thumb moved to Event::thumb
    Locate,
    // window events
    OpenWindow,
    CloseWindow,
    CloseDown,
    GainFocus,
    LoseFocus,
    Timer,
    Completed,  // the select-all pass accepted every control
    Sized,
};

struct Event {
    EventKind kind = EventKind::OpenWindow;
    ControlId control{};
    KeyCode key = 0;
    int thumb = 0;

    bool isWindowEvent() const { return kind >= EventKind::OpenWindow; }
    friend bool operator==(const Event&, const Event&) = default;
};

std::string_view eventName(EventKind kind);

}  // namespace vorda::ui
