// ToolbarListBoxClass: the list's buttons and what pressing them does.
#include "framework/toolbarlistboxclass.h"

#include "framework/browsetarget.h"
#include "framework/toolbarclass.h"
#include "framework/windowmanager.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

struct Tip {
    int button;
    const char* text;
};

constexpr Tip kTips[] = {
    {.button = toolbar::Insert, .text = "Agregar nuevo Registro"},
    {.button = toolbar::Bottom, .text = "Ir a la última Página"},
    {.button = toolbar::Top, .text = "Ir a la primera Página"},
    {.button = toolbar::PageDown, .text = "Ir a la Próxima Página"},
    {.button = toolbar::PageUp, .text = "Ir a la Página Anterior"},
    {.button = toolbar::Down, .text = "Ir al Próximo Registro"},
    {.button = toolbar::Up, .text = "Ir al Registro Anterior"},
};

// Buttons 2004 .. 2010 as the list's scroll events.
struct Scroll {
    int button;
    ui::EventKind kind;
};

constexpr Scroll kScrolls[] = {
    {.button = toolbar::Bottom, .kind = ui::EventKind::ScrollBottom},
    {.button = toolbar::Top, .kind = ui::EventKind::ScrollTop},
    {.button = toolbar::PageDown, .kind = ui::EventKind::PageDown},
    {.button = toolbar::PageUp, .kind = ui::EventKind::PageUp},
    {.button = toolbar::Down, .kind = ui::EventKind::ScrollDown},
    {.button = toolbar::Up, .kind = ui::EventKind::ScrollUp},
    {.button = toolbar::Locate, .kind = ui::EventKind::Locate},
};

}  // namespace

void ToolbarListBoxClass::DisplayButtons(ToolbarClass& toolbar) {
    const BrowseTarget::Buttons b = list_.ListButtons();
    toolbar.SetButton(toolbar::Insert, usable(b.insert));
    toolbar.SetButton(toolbar::Change, usable(b.change));
    toolbar.SetButton(toolbar::Delete, usable(b.remove));
    toolbar.SetButton(toolbar::Select, usable(b.select));
    toolbar.SetRange(toolbar::Bottom, toolbar::Locate, true);
    toolbar.SetButton(toolbar::History, false);
    toolbar.SetButton(toolbar::Help, Help);
    for (const Tip& tip : kTips)
        toolbar.SetTip(tip.button, tip.text);
}

bool ToolbarListBoxClass::TakeToolbar(int button, WindowManager& window) {
    ui::Window& w = window.window();
    for (const Scroll& s : kScrolls) {
        if (s.button == button) {
            w.post(s.kind, list_.ListControl());
            return true;
        }
    }
    const BrowseTarget::Buttons b = list_.ListButtons();
    const ui::ControlId pressed = button == toolbar::Insert   ? b.insert
                                  : button == toolbar::Change ? b.change
                                  : button == toolbar::Delete ? b.remove
                                  : button == toolbar::Select ? b.select
                                                              : ui::ControlId{};
    if (pressed) {
        if (usable(pressed))
            w.post(ui::EventKind::Accepted, pressed);
        return true;
    }
    if (button == toolbar::Help) {
        w.post(ui::Event{
            .kind = ui::EventKind::AlertKey, .control = list_.ListControl(), .key = ui::key::F1});
        return true;
    }
    return false;
}

bool ToolbarListBoxClass::usable(ui::ControlId button) const {
    const ui::Window& w = window_.window();
    return button && w.find(button) != nullptr && w.usable(button);
}

}  // namespace vorda
