// ToolbarUpdateClass: the form's buttons and what pressing them does.
#include "framework/toolbarupdateclass.h"

#include "framework/level.h"
#include "framework/requestglobals.h"
#include "framework/toolbarclass.h"
#include "framework/windowmanager.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

struct Tip {
    int button;
    const char* text;
};

constexpr const char* kInsertTip = "Guardar Registro y agregar otro registro";

constexpr Tip kChangeTips[] = {
    {.button = toolbar::Bottom, .text = "Grabar cambios e ir al Ultimo Registro"},
    {.button = toolbar::Top, .text = "Grabar cambios e ir al Primer Registro"},
    {.button = toolbar::PageDown, .text = "Grabar cambios e ir a la Próxima Página"},
    {.button = toolbar::PageUp, .text = "Grabar cambios e ir a la Página Anterior"},
    {.button = toolbar::Down, .text = "Grabar cambios e ir al Próximo Registro"},
    {.button = toolbar::Up, .text = "Grabar cambios e ir al Registro Anterior"},
    {.button = toolbar::Insert, .text = "Grabar este registro y Agregar uno Nuevo"},
};

// The buttons that save the record and then navigate.
bool isNavigation(int button) {
    return button == toolbar::Insert || (button >= toolbar::Bottom && button <= toolbar::Up);
}

}  // namespace

void ToolbarUpdateClass::DisplayButtons(ToolbarClass& toolbar) {
    toolbar.SetRange(toolbar::First, toolbar::Last, false);
    if (window_.Request == RequestInsert)
        displayInsert(toolbar);
    else if (window_.Request == RequestChange)
        displayChange(toolbar);
    toolbar.SetButton(toolbar::History, window_.HistoryKey != 0);
    toolbar.SetButton(toolbar::Help, Help);
}

void ToolbarUpdateClass::displayInsert(ToolbarClass& toolbar) const {
    toolbar.SetButton(toolbar::Insert, true);
    toolbar.SetButton(toolbar::Down, true);
    toolbar.SetTip(toolbar::Insert, kInsertTip);
    toolbar.SetTip(toolbar::Down, kInsertTip);
}

void ToolbarUpdateClass::displayChange(ToolbarClass& toolbar) const {
    for (const Tip& tip : kChangeTips) {
        toolbar.SetButton(tip.button, true);
        toolbar.SetTip(tip.button, tip.text);
    }
}

bool ToolbarUpdateClass::TakeToolbar(int button, WindowManager& window) {
    if (isNavigation(button)) {
        VCRRequest = button;
        window.PressOK();
        return true;
    }
    if (button == toolbar::History) {
        window.RestoreField(window.window().focus());
        return true;
    }
    if (button == toolbar::Help) {
        window.window().post(ui::Event{.kind = ui::EventKind::AlertKey, .key = ui::key::F1});
        return true;
    }
    return false;
}

}  // namespace vorda
