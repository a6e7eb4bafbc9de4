// BrowseTarget: what a window and its toolbar need from a list of the window.
//
// A list manager implements this interface and registers with its window's
// WindowManager (AddItem), which then
//   - hands it every event of the window after the window's own handlers
//     (TakeEvent), unless a handler ended the event with Notify or Fatal;
//   - asks it after each event whether its page must be refilled
//     (NeedsRefresh) and, when the window's AutoRefresh is set, resets the
//     window;
//   - passes the window's Reset on (ResetSort with the force flag, then
//     UpdateWindow).
// The list toolbar target (ToolbarListBoxClass) reads its control and buttons
// to decide which frame-toolbar buttons it enables and where it sends them.
#pragma once

#include "framework/level.h"
#include "platform/ui/event.h"

namespace vorda {

// Whether a list refills when its sort is re-applied: only when the sort
// changed (or the list was never filled), or always.
enum class Refill { IfChanged, Always };

class BrowseTarget {
public:
    // The list's own buttons; 0 = the list has none.
    struct Buttons {
        ui::ControlId insert{};
        ui::ControlId change{};
        ui::ControlId remove{};
        ui::ControlId select{};
    };

    virtual ~BrowseTarget() = default;

    // Any event of the window. Benign lets the window go on; Notify ends the
    // event's handling; Fatal leaves the window's event loop.
    virtual Level TakeEvent(const ui::Event& event) = 0;
    // True when the list's page is stale and the window should reset.
    virtual bool NeedsRefresh() = 0;
    // Re-applies the current sort, refilling as `refill` says.
    virtual void ResetSort(Refill refill) = 0;
    // Brings the list's buttons, locator and thumb up to date.
    virtual void UpdateWindow() = 0;

    virtual ui::ControlId ListControl() const = 0;
    virtual Buttons ListButtons() const = 0;
    // True while the list is picking a record for its caller.
    virtual bool Selecting() const = 0;
};

}  // namespace vorda
