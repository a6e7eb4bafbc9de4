// The dialog of an annex import ("Importación de Anexo II" / "... III").
//
// Three lines of text, "Nombre del Archivo:" with its entry (NOMBRE_ARCHIVO,
// a full path of up to 255 characters, "DJ_MENS.TXT" at start) and a "..."
// button that opens the desktop's file chooser, "Aceptar" and "Cancelar".
//
// "Aceptar":
//   1. the declaration AGENTE_PERIODO names must exist (a blank key, from an
//      empty list, or a declaration deleted meanwhile is refused and the
//      dialog closes); the file must be one that can be read (else its
//      message, and the dialog stays open on the name);
//   2. the checking pass; 1: "NO SE REALIZO LA CARGA" (question-mark icon);
//   3. 0: the loading pass; 0: "LA INFORMACION HA SIDO CARGADA EN EL
//      SISTEMA" (information icon); 1: "NO SE PUDO COMPLETAR LA CARGA"
//      (question-mark icon);
//   4. the dialog closes.
// "Cancelar" closes it; nothing is read or loaded.
#pragma once

#include "import/annexpasses.h"
#include "platform/ui/windowdesc.h"

namespace vorda::import {

enum class ImportCtl {
    Line1 = 1,
    Line2,
    Line3,
    Prompt,
    NOMBRE_ARCHIVO,
    Browse,
    OK,
    Cancel,
};

ui::WindowDesc importDialogDesc(const AnnexImport& annex);

// The dialog; `checking` and `loading` are the annex's two passes.
void runImportDialog(const AnnexImport& annex, uint8_t (*checking)(std::string_view),
                     uint8_t (*loading)(std::string_view));

}  // namespace vorda::import
