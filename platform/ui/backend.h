// Backend: what a display (Qt) or the headless player supplies to the runtime.
//
// The runtime core keeps every window's state (controls, texts, rows, focus,
// enabled state); a backend renders that state and feeds user input back
// through UserInput. The runtime tells the backend what changed; the backend
// reads the new state from the Window it is handed.
//
// Contract for backends:
// 1. requestRun() must lead to one Runtime::runReady() call from the
//    backend's own loop, never from inside requestRun() or from a callback
//    of a widget the procedure may delete (queue the call).
// 2. showMessage() shows a box without blocking and reports the button later
//    with Runtime::answer(id, button). Only the windows of `thread` are
//    blocked meanwhile (the runtime tells which through Change::Blocked).
// 3. messageNow() answers a box outside every procedure thread (start-up,
//    tear-down) synchronously.
// 4. showPopup() shows a popup menu without blocking and reports the chosen
//    entry later with Runtime::popupChosen(id, entry), 0 when dismissed.
// 5. A list control's rows: when a window opens and whenever a list shows a
//    different number of whole rows, the backend reports it with
//    UserInput::listRows() (the list manager pages by it).
// 6. The backend outlives the Runtime that uses it.
// 7. startOutput() carries out an output job (choosing a file, printing,
//    writing a PDF) without blocking any procedure thread, on the backend's
//    own loop, never inside the call itself, and reports the result later
//    with Runtime::outputDone(id, result). Only the thread that asked waits.
// 8. wakeFromAnyThread() may be called from any OS thread (a worker of
//    Runtime::awaitWorker); it leads, on the loop's own thread, to a
//    requestRun().
#pragma once

#include <string>

#include "platform/print/page.h"
#include "platform/ui/clock.h"
#include "platform/ui/event.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/output.h"
#include "platform/ui/popupmenu.h"
#include "platform/ui/windowdesc.h"

namespace vorda::ui {

class Window;
using WindowId = int;
using MessageId = int;
using PopupId = int;
using OutputId = int;

enum class Change {
    Text,       // the control's shown text (entry contents, label, option value)
    State,      // enabled, visible or read-only
    Rows,       // the list's rows were replaced
    Selection,  // the list's selected row
    Thumb,      // the list's thumb position
    Choice,     // the sheet's current tab
    Focus,      // the window's focused control (control = the new focus)
    Caption,    // window level (control 0)
    Blocked,    // window level: input blocked or allowed again
    Active,     // window level: this window became the active one
    Geometry,   // the control's rectangle; window level: its size or size limits
    Tip,        // the control's tool tip
    Visible,    // window level: the window was hidden or shown again
    Status,     // window level: a status bar zone's text (control = the zone number)
    Pages,      // a page view's document was replaced
    Layout,     // a page view's page, zoom or tiling changed
};

class Backend {
public:
    virtual ~Backend() = default;

    virtual void windowOpened(Window& window) = 0;
    virtual void windowClosed(WindowId id) = 0;
    virtual void changed(Window& window, ControlId control, Change what) = 0;

    virtual void requestRun() = 0;
    virtual void wakeFromAnyThread() = 0;

    virtual void showMessage(MessageId id, const MessageBox& box, int thread) = 0;
    // The box's thread was unwound before it was answered.
    virtual void withdrawMessage(MessageId id) = 0;
    virtual unsigned messageNow(const MessageBox& box) = 0;
    virtual void showPopup(PopupId id, const PopupMenu& menu, int thread) = 0;
    // The popup's thread was unwound before an entry was chosen.
    virtual void withdrawPopup(PopupId id) = 0;
    virtual void halt(int exitCode, const std::string& text) = 0;
    virtual void startOutput(OutputId id, const OutputJob& job, int thread) = 0;
    // The job's thread was unwound before the job ended.
    virtual void withdrawOutput(OutputId id) = 0;
    // The busy cursor is shown while `on` (Runtime counts the requests).
    virtual void busy(bool on) = 0;
    // The paper of the printer set-up (A4 when there is none).
    virtual print::PageSize paper() = 0;

    virtual void standardAction(StandardAction action) = 0;
    virtual void timersChanged() = 0;
    virtual void beep() = 0;
    virtual Clock& clock() = 0;
};

}  // namespace vorda::ui
