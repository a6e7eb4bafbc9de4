// UserInput: what the user does, as a backend reports it to the runtime.
//
// Every call names the window by id (a window the procedure has meanwhile
// closed is simply not found) and only queues events: the procedure threads
// run later, when the backend's loop calls Runtime::runReady(). Input to a
// window that is blocked (a modal window or a message box of its thread is
// up) or to a control that is disabled, hidden or on a disabled tab is
// refused with a result, as a real window would ignore the click.
//
// Choosing a tab brings it to the front; a focus left behind on another tab
// moves to the first control of the new one.
//
// Default key actions, unless the key is alerted on the control or the
// window (then it is delivered as AlertKey):
//   Tab / Shift+Tab   leave the control for the next / previous one
//   Enter             a button: press it; elsewhere press the default button
//                     when there is one, else leave like Tab (a list without a
//                     default button gets Accepted)
//   Esc               CloseWindow
//   list keys         Up/Down -> ScrollUp/ScrollDown, PgUp/PgDn -> PageUp/
//                     PageDown, Home/Ctrl+Home -> ScrollTop, End/Ctrl+End ->
//                     ScrollBottom, double click -> Accepted
//   entry keys        characters, Backspace, Delete, Home, End edit the text
//                     through the control's picture (a refused key beeps);
//                     also on a drop-down list that is not read-only
//   spin Up/Down      one step within the range, NewSelection
//   option keys       arrows: the previous/next radio (wrapping); a character:
//                     the radio labelled with it (a key addressed to a radio
//                     goes to its option group)
//   button click      press
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/event.h"
#include "platform/ui/windowdesc.h"

namespace vorda::ui {

class Runtime;
class Window;
class Control;
using WindowId = int;

enum class InputResult {
    Done,
    NoWindow,     // not open any more
    Blocked,      // a modal window or message box of its thread is up
    NoControl,    // no such control, or it cannot take this input
    Disabled,     // disabled or hidden (itself or a parent)
    KeyRefused,   // the picture or the control refused the key
    NoSuchValue,  // no radio, tab or row of that value
};

class UserInput {
public:
    explicit UserInput(Runtime& runtime) : runtime_(runtime) {}

    // Moves the focus into a control (a click or the Tab key got there).
    InputResult focus(WindowId window, ControlId control);
    // A key on a control (0 = the focused control).
    InputResult key(WindowId window, ControlId control, KeyCode key);
    // Replaces an entry's contents by typing `keys` one by one.
    InputResult type(WindowId window, ControlId control, std::string_view keys);
    // A native entry reports its new contents and caret (in characters).
    InputResult edit(WindowId window, ControlId control, std::string text, size_t caret);
    // Leaves the focused control for the next one in tab order.
    InputResult leave(WindowId window);
    InputResult press(WindowId window, ControlId control);
    // A radio (by value or text), a tab (by text), a list row (by number) or
    // a drop-down list's choice (by number or text).
    InputResult choose(WindowId window, ControlId control, std::string_view value);
    InputResult scroll(WindowId window, ControlId list, EventKind kind, int thumb = 0);
    // A menu item or toolbar button of a frame.
    InputResult menu(WindowId window, ControlId item);
    InputResult close(WindowId window);
    InputResult activate(WindowId window);
    InputResult resize(WindowId window, Rect size);
    // The display shows `rows` whole rows of a list now. A change reaches the
    // procedure as Sized, unless its window's OpenWindow is still queued (it
    // reads the rows when it opens). Taken also while the window is blocked:
    // it is what the display shows, not an action of the user.
    InputResult listRows(WindowId window, ControlId list, int rows);

private:
    Window* usableWindow(WindowId id, InputResult& result) const;
    Control* usableControl(Window& w, ControlId number, InputResult& result) const;
    Control* usableTarget(WindowId window, ControlId control, Window*& w,
                          InputResult& result) const;
    InputResult defaultKey(Window& w, Control& c, KeyCode key);
    InputResult enterKey(Window& w, Control& c);
    InputResult listKey(Window& w, Control& c, KeyCode key);
    InputResult editKey(Window& w, Control& c, KeyCode key);
    InputResult spinStep(Window& w, Control& c, int step);
    InputResult optionKey(Window& w, Control& option, KeyCode key);
    InputResult chooseRadio(Window& w, Control& option, std::string_view value);
    InputResult chooseTab(Window& w, Control& sheet, std::string_view text);
    void focusOnTab(Window& w, const Control& tab);
    InputResult chooseRow(Window& w, Control& list, std::string_view number);
    InputResult chooseDrop(Window& w, Control& list, std::string_view value);
    InputResult refused();

    Runtime& runtime_;
};

// Text without its mnemonic marks: "&Cambiar" -> "Cambiar", "A && B" -> "A & B".
std::string withoutMnemonic(std::string_view text);

}  // namespace vorda::ui
