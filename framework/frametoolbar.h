// The frame's shared navigation toolbar as a window description shows it:
// the thirteen buttons of toolbartarget.h, left to right, with their tips and
// pictures, 16 dialog units apart and 4 more before "Seleccionar Registro"
// and before "Valor Previo".
#pragma once

#include <vector>

#include "platform/ui/windowdesc.h"

namespace vorda {

std::vector<ui::ControlDesc> frameToolbarButtons();

}  // namespace vorda
