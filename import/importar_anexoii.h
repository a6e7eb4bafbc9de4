// IMPORTAR_ANEXOII: loads a declaration's Annex II lines from a DDJJ_MENSUAL
// text file of type-5 records (the dialog, importdialog.h), after
// IMPORTAR_ANEXOII:CHEQUEO has found every record valid, with
// IMPORTAR_ANEXOII:PROCESO (annexpasses.h). The declaration is the one
// AGENTE_PERIODO names.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorda {

void IMPORTAR_ANEXOII();
// The passes: 0 for success, 1 for failure.
uint8_t IMPORTAR_ANEXOII_CHEQUEO(std::string_view nombreArchivo);
uint8_t IMPORTAR_ANEXOII_PROCESO(std::string_view nombreArchivo);

}  // namespace vorda
