// ToolbarTarget: a list or form that the frame toolbar can drive.
//
// A target decides which of the frame toolbar's buttons are usable while it is
// active, and with which tips (DisplayButtons), and carries out a button
// pressed on the toolbar (TakeToolbar). ToolbarClass keeps the targets of one
// window; the active one receives the buttons.
#pragma once

#include "platform/ui/event.h"

namespace vorda {

class ToolbarClass;
class WindowManager;

// The frame toolbar's fixed control numbers.
namespace toolbar {
enum Button : int {
    Insert = 2000,
    Change = 2001,
    Delete = 2002,
    Select = 2003,
    Bottom = 2004,    // last page / last record
    Top = 2005,       // first page / first record
    PageDown = 2006,  // next page
    PageUp = 2007,    // previous page
    Down = 2008,      // next record
    Up = 2009,        // previous record
    Locate = 2010,
    History = 2011,
    Help = 2012,
};
inline constexpr int First = Insert;
inline constexpr int Last = Help;
inline constexpr bool isButton(int control) {
    return control >= First && control <= Last;
}
}  // namespace toolbar

class ToolbarTarget {
public:
    virtual ~ToolbarTarget() = default;

    // False when the target cannot take the toolbar now (SetTarget(0) then
    // passes it over).
    virtual bool TryTakeToolbar() const { return true; }
    // Sets every button's enabled state and tip through `toolbar`.
    virtual void DisplayButtons(ToolbarClass& toolbar) = 0;
    // Carries out `button` (2000 .. 2012) pressed while this target is
    // active. True when the button was the target's to handle.
    virtual bool TakeToolbar(int button, WindowManager& window) = 0;

    int Id = 0;  // the key under which ToolbarClass keeps it
};

}  // namespace vorda
