#include "declarations/formrows.h"

namespace vorda::formrows {

namespace {
constexpr int ButtonWidth = 52;
constexpr int ButtonHeight = 16;
constexpr int ButtonStep = 56;
}  // namespace

void addPrompted(std::vector<ui::ControlDesc>& controls, const PromptedControl& row, int promptX,
                 ui::ControlId parent) {
    controls.push_back({.number = row.prompt,
                        .kind = ui::ControlKind::Prompt,
                        .text = row.promptText,
                        .at = {.x = promptX,
                               .y = row.at.y + 2,
                               .width = row.at.x - promptX - PromptGap,
                               .height = 10},
                        .parent = parent});
    controls.push_back({.number = row.control,
                        .kind = row.kind,
                        .name = row.name,
                        .field = row.field,
                        .picture = row.picture,
                        .at = row.at,
                        .tip = row.tip,
                        .msg = row.msg,
                        .parent = parent,
                        .bind = row.bind});
}

void addFormButtons(std::vector<ui::ControlDesc>& controls, const FormButtons& ids, int x, int y) {
    controls.push_back({.number = ids.ok,
                        .kind = ui::ControlKind::Button,
                        .name = "?OK",
                        .text = "Aceptar",
                        .at = {.x = x, .y = y, .width = ButtonWidth, .height = ButtonHeight},
                        .flags = ui::control::Default,
                        .icon = "aceptar.ico"});
    controls.push_back(
        {.number = ids.cancel,
         .kind = ui::ControlKind::Button,
         .name = "?CANCEL",
         .text = "Cancelar",
         .at = {.x = x + ButtonStep, .y = y, .width = ButtonWidth, .height = ButtonHeight},
         .icon = "cancelar.ico"});
    controls.push_back(
        {.number = ids.help,
         .kind = ui::ControlKind::Button,
         .name = "?HELP",
         .text = "Ayuda",
         .at = {.x = x + 2 * ButtonStep, .y = y, .width = ButtonWidth, .height = ButtonHeight}});
}

}  // namespace vorda::formrows
