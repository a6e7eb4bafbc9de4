// REORGANIZARARCHIVOS: "Archivo -> Reorganizar Archivos", the window that
// asks "¿Confirma la reorganización de archivos?".
//
// "Aceptar" starts REORGANIZARARCHIVOS:PROCESO on a new procedure thread
// (25000 bytes of stack asked) without waiting for it, and closes the window;
// "Cancelar" closes it and nothing is touched. The procedure thread runs
// the rebuild (reorganizacion.h) on an OS thread of its own, so the rest of
// the program stays usable meanwhile, and then tells the user how it went:
// "Los archivos han sido reorganizados" (information icon), or which tables
// were not reorganised and why (question-mark icon), in a box with "Cerrar".
#pragma once

#include "platform/ui/windowdesc.h"

namespace vorda {

enum class ReorganizarArchivosCtl {
    STRING1 = 1,
    OKBUTTON,
    CANCELBUTTON,
};

inline constexpr size_t ReorganizarStack = 25000;

const ui::WindowDesc& reorganizarArchivosDesc();

void REORGANIZARARCHIVOS();
void REORGANIZARARCHIVOS_PROCESO();

}  // namespace vorda
