// GENERAR_DISKETTE: the dialog that asks for the drive of the presentation
// file ("Generar Diskette"), then writes it with HACER_DISKETTE.
//
// The option group "Unidad de Diskette" holds UNIDAD_DISKETTE ("A" at
// start) with the radios A and B; beside each radio the dialog shows the
// folder the letter stands for (unidades.h). "Aceptar" runs HACER_DISKETTE
// with the letter chosen and closes the dialog; "Cancelar" closes it and
// nothing is written. The declaration is the one AGENTE_PERIODO names.
#pragma once

#include "platform/ui/windowdesc.h"

namespace vorda {

enum class GenerarDisketteCtl {
    Prompt = 1,
    UNIDAD_DISKETTE,
    RadioA,
    FolderA,
    RadioB,
    FolderB,
    OK,
    Cancel,
};

const ui::WindowDesc& generarDisketteDesc();

void GENERAR_DISKETTE();

}  // namespace vorda
