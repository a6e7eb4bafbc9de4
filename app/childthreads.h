// Child threads of the frame: starting the procedures of the menus, and
// closing every child window before the frame closes.
//
// A child procedure runs on its own thread and the frame never waits for it.
// The one moment the frame cares is its own closing: it posts CloseDown to
// every child thread (each unsaved form then asks as its CancelAction says)
// and stays open until no child window is left; a window that comes to the
// top of its thread when the one above it closes is asked in turn. A child
// that ends while the frame is closing posts Timer to the frame so that it
// checks at once; the frame's own timer catches children that refused to
// close (they are idle again with their window open).
#pragma once

#include <cstddef>
#include <functional>

namespace vorda {

namespace ui {
class Window;
}

// Starts `procedure` on a new thread with `stackBytes` (0 = the default).
void startChild(std::function<void()> procedure, size_t stackBytes);
// `procedure` wrapped so that its end is reported to a closing frame.
std::function<void()> childProcedure(std::function<void()> procedure);

// An open window of a thread other than the frame's.
bool childWindowsOpen();
// No child thread shows a message box or has an event waiting.
bool childrenIdle();

bool childrenClosing();
// Posts CloseDown to every child thread and checks every `poll` hundredths.
void beginChildrenClosing(ui::Window& frame, int poll);
// Posts CloseDown to each child thread whose top window has not had one in
// this round (a list whose form has closed); true when it posted any.
bool askChildrenToClose();
void endChildrenClosing(ui::Window& frame);

}  // namespace vorda
