// MAIN: the program's main window, a multi-document frame with the menus and
// the shared navigation toolbar.
//
// The frame runs on thread 1 and never waits for a child: a menu item with a
// procedure starts it on a new thread (stack size as the menu table says),
// and a toolbar button (codes 2000 to 2012) is relayed by posting Accepted
// with the same control number to the thread of the active child window,
// whose toolbar dispatcher turns it into a list or form action. When the
// frame has opened it starts ACERCADE as the splash window.
//
// Closing the frame posts CloseDown to every child thread, so each unsaved
// form asks as its CancelAction says; MAIN returns once the frame is closed.
#pragma once

#include <cstddef>

#include "platform/ui/windowdesc.h"

namespace vorda {

// Control numbers of the frame's menu items. The toolbar buttons carry the
// toolbar dispatcher's fixed codes 2000 to 2012 (framework/toolbartarget.h).
enum class MainCtl {
    PrintSetup = 1,
    ReorganizarArchivos,
    Exit,
    Cut,
    Copy,
    Paste,
    Agentes,
    Declaraciones,
    Tile,
    Cascade,
    ArrangeIcons,
    HelpContents,
    HelpSearch,
    HelpOnHelp,
    AcercaDe,
};

// Stack sizes the menu table names for the procedures the frame starts.
inline constexpr size_t BrowseStack = 50000;
inline constexpr size_t SmallStack = 25000;

const ui::WindowDesc& mainFrameDesc();

// Posts Accepted(control) to the thread of the active child window; false
// when no child window is active (the frame itself or nothing is).
bool relayToolbar(int control);

// The frame procedure; its result becomes GlobalResponse.
void MAIN();

}  // namespace vorda
