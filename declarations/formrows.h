// Building blocks of the declaration windows' control tables.
//
// A form of this folder lists its controls as rows of data; these helpers
// turn a row into the prompt-and-entry pair (or the buttons) of the window
// description, so every form places them the same way.
#pragma once

#include <vector>

#include "platform/ui/windowdesc.h"

namespace vorda::formrows {

// One prompt and the control after it. The prompt sits left of the control,
// on the same line.
struct PromptedControl {
    ui::ControlId prompt{};
    ui::ControlId control{};
    const char* promptText = "";
    const char* name = "";   // "?A2:VALOR"
    const char* field = "";  // "A2:VALOR"
    const char* picture = "";
    const char* msg = "";
    const char* tip = "";
    ui::Rect at{};  // the control
    ui::Binding bind{};
    ui::ControlKind kind = ui::ControlKind::Entry;
};

inline constexpr int PromptGap = 4;  // dialog units between prompt and control

// Appends the prompt (from `promptX` up to the control) and the control, both
// on `parent` (a tab).
void addPrompted(std::vector<ui::ControlDesc>& controls, const PromptedControl& row, int promptX,
                 ui::ControlId parent);

// The three buttons every form ends with: "Aceptar" (the default button),
// "Cancelar" and "Ayuda", left to right from `x` on line `y`.
struct FormButtons {
    ui::ControlId ok{};
    ui::ControlId cancel{};
    ui::ControlId help{};
};
void addFormButtons(std::vector<ui::ControlDesc>& controls, const FormButtons& ids, int x, int y);

}  // namespace vorda::formrows
