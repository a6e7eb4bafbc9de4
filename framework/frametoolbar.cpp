#include "framework/frametoolbar.h"

#include "framework/toolbartarget.h"

namespace vorda {

namespace {

struct ToolButton {
    toolbar::Button code;
    const char* tip;
    const char* icon;
    int gapBefore;  // dialog units added to the usual 16-unit step
};

constexpr ToolButton toolButtons[] = {
    {.code = toolbar::Top, .tip = "Ir 1ra Página", .icon = "VCRFIRST.ICO", .gapBefore = 0},
    {.code = toolbar::PageUp, .tip = "Página Anterior", .icon = "VCRPRIOR.ICO", .gapBefore = 0},
    {.code = toolbar::Up, .tip = "Registro Anterior", .icon = "VCRUP.ICO", .gapBefore = 0},
    {.code = toolbar::Locate, .tip = "Ubicar Registro", .icon = "FIND.ICO", .gapBefore = 0},
    {.code = toolbar::Down, .tip = "Próximo Registro", .icon = "VCRDOWN.ICO", .gapBefore = 0},
    {.code = toolbar::PageDown, .tip = "Próxima Página", .icon = "VCRNEXT.ICO", .gapBefore = 0},
    {.code = toolbar::Bottom, .tip = "Ultima Página", .icon = "VCRLAST.ICO", .gapBefore = 0},
    {.code = toolbar::Select, .tip = "Seleccionar Registro", .icon = "MARK.ICO", .gapBefore = 4},
    {.code = toolbar::Insert,
     .tip = "Agregar nuevo Registro",
     .icon = "INSERT.ICO",
     .gapBefore = 0},
    {.code = toolbar::Change, .tip = "Cambiar este Registro", .icon = "EDIT.ICO", .gapBefore = 0},
    {.code = toolbar::Delete, .tip = "Borrar este Registro", .icon = "DELETE.ICO", .gapBefore = 0},
    {.code = toolbar::History, .tip = "Valor Previo", .icon = "DITTO.ICO", .gapBefore = 4},
    {.code = toolbar::Help, .tip = "Obtener Ayuda", .icon = "HELP.ICO", .gapBefore = 0},
};

}  // namespace

std::vector<ui::ControlDesc> frameToolbarButtons() {
    std::vector<ui::ControlDesc> buttons;
    int x = 2;
    for (const ToolButton& b : toolButtons) {
        x += b.gapBefore;
        buttons.push_back({.number = b.code,
                           .kind = ui::ControlKind::ToolButton,
                           .at = {.x = x, .y = 2, .width = 16, .height = 14},
                           .tip = b.tip,
                           .icon = b.icon});
        x += 16;
    }
    return buttons;
}

}  // namespace vorda
