// The about box's window description: five items at their dialog-unit
// positions, no caption, no fields.
#include "app/acercade.h"

namespace vorda {

const ui::WindowDesc& acercadeDesc() {
    using ui::ControlKind;
    static const ui::WindowDesc desc{
        .caption = "",
        .font = "MS Sans Serif",
        .fontSize = 8,
        .at = {.x = 0, .y = 0, .width = 295, .height = 215},
        .flags = ui::window::Center,
        .controls =
            {
                {.number = AcercadeCtl::Product,
                 .kind = ControlKind::String,
                 .text = "V.O.R.D.A. 2.0",
                 .at = {.x = 11, .y = 15, .width = 273, .height = 10}},
                {.number = AcercadeCtl::Description,
                 .kind = ControlKind::String,
                 .text = "Software Domiciliario de Agentes de Retención de Sellos  --  "
                         "Entidades Financieras",
                 .at = {.x = 11, .y = 30, .width = 273, .height = 10}},
                {.number = AcercadeCtl::Logo,
                 .kind = ControlKind::Image,
                 .at = {.x = 15, .y = 75, .width = 137, .height = 132},
                 .icon = "Logo de Tolmas.bmp"},
                {.number = AcercadeCtl::Agency,
                 .kind = ControlKind::String,
                 .text = "DIRECCION GENERAL DE TOLMAS",
                 .at = {.x = 157, .y = 175, .width = 124, .height = 10}},
                {.number = AcercadeCtl::Province,
                 .kind = ControlKind::String,
                 .text = "PROVINCIA DEL VESPRA",
                 .at = {.x = 157, .y = 193, .width = 124, .height = 10}},
            },
    };
    return desc;
}

}  // namespace vorda
