// IMPORTAR_ANEXOIII: loads a declaration's Annex III lines from a DDJJ_MENSUAL
// text file of type-6 records (the dialog, importdialog.h), after
// IMPORTAR_ANEXOIII:CHEQUEO has found every record valid, with
// IMPORTAR_ANEXOIII:PROCESO (annexpasses.h). The declaration is the one
// AGENTE_PERIODO names.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorda {

void IMPORTAR_ANEXOIII();
// The passes: 0 for success, 1 for failure.
uint8_t IMPORTAR_ANEXOIII_CHEQUEO(std::string_view nombreArchivo);
uint8_t IMPORTAR_ANEXOIII_PROCESO(std::string_view nombreArchivo);

}  // namespace vorda
