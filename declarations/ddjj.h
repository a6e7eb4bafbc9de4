// DDJJ: the list of all stored declarations ("Declaraciones Juradas"),
// started from the frame's menu on a thread of its own.
//
// Two tabs choose the order: "Por Nº de DDJJ" (agent, year, month and
// presentation, with a step locator on the declaration key) and "Por Agente"
// (agent number only). "&Agregar", "&Modificar" and "&Borrar" call
// DDJJ:FICHA. The four action buttons re-read the selected declaration (a
// cleared record when the list is empty), hand its key over in
// AGENTE_PERIODO and call, on this thread, the procedure connected in
// declarationProcedures(): "Importar Anexo II", "Importar Anexo III",
// "Generar Diskette", and "Imprimir DDJJ", which runs the declaration report
// and then the three annex reports, each after the previous one returned.
#pragma once

#include "platform/ui/windowdesc.h"

namespace vorda {

enum class DdjjCtl {
    CurrentTab = 1,
    Tab_Ddjj,
    Tab_Agente,
    Browse,
    ImportarAnexoII,
    ImportarAnexoIII,
    GenerarDiskette,
    ImprimirDdjj,
    Insert,
    Change,
    Delete,
    Close,
    Help,
};

const ui::WindowDesc& ddjjDesc();

void DDJJ();

}  // namespace vorda
