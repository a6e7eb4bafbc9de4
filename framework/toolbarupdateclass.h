// ToolbarUpdateClass: the frame toolbar's target while a form edits a record.
//
// Buttons by the form's request:
//   insert   2000 and 2008 enabled ("Guardar Registro y agregar otro
//            registro"), 2001 .. 2007, 2009, 2010 disabled;
//   change   2000 and 2004 .. 2009 enabled, with "Grabar cambios e ..." tips,
//            2001 .. 2003 and 2010 disabled;
//   other    2000 .. 2011 disabled.
// 2011 (history) is enabled when the form has a HistoryKey; 2012 (help) when
// `Help` is set.
//
// Pressing 2000 or 2004 .. 2009 stores the button in VCRRequest and presses
// the form's OK button: once the form has saved and closed, the calling list
// serves the request. 2011 restores the focused field from history; 2012
// delivers F1 to the window.
#pragma once

#include <cstdint>

#include "framework/toolbartarget.h"

namespace vorda {

class ToolbarUpdateClass : public ToolbarTarget {
public:
    // `window` is the form; its Request and HistoryKey are read each time the
    // buttons are displayed.
    explicit ToolbarUpdateClass(WindowManager& window) : window_(window) {}

    void DisplayButtons(ToolbarClass& toolbar) override;
    bool TakeToolbar(int button, WindowManager& window) override;

    bool Help = false;

private:
    void displayInsert(ToolbarClass& toolbar) const;
    void displayChange(ToolbarClass& toolbar) const;

    WindowManager& window_;
};

}  // namespace vorda
