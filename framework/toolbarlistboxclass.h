// ToolbarListBoxClass: the frame toolbar's target while a list is active.
//
// Buttons: 2004 .. 2010 enabled; 2011 disabled; 2000 .. 2003 enabled only when
// the list's own insert, change, delete and select buttons exist and are
// usable; 2012 when `Help` is set. Tips: 2000 "Agregar nuevo Registro", 2004
// "Ir a la última Página", 2005 "Ir a la primera Página", 2006 "Ir a la
// Próxima Página", 2007 "Ir a la Página Anterior", 2008 "Ir al Próximo
// Registro", 2009 "Ir al Registro Anterior"; the others keep the frame's.
//
// Pressing: 2004 .. 2010 are posted to the list control as ScrollBottom,
// ScrollTop, PageDown, PageUp, ScrollDown, ScrollUp and Locate; 2000 .. 2003
// press the list's own insert, change, delete and select buttons (the select
// button ends a selecting window with ResponseCompleted on the current row);
// 2012 delivers F1 to the list control (the list presses the window's help
// button).
#pragma once

#include "framework/toolbartarget.h"

namespace vorda {

class BrowseTarget;

class ToolbarListBoxClass : public ToolbarTarget {
public:
    // `window` shows `list`.
    ToolbarListBoxClass(WindowManager& window, BrowseTarget& list) : window_(window), list_(list) {}

    void DisplayButtons(ToolbarClass& toolbar) override;
    bool TakeToolbar(int button, WindowManager& window) override;

    bool Help = false;

private:
    bool usable(ui::ControlId button) const;

    WindowManager& window_;
    BrowseTarget& list_;
};

}  // namespace vorda
