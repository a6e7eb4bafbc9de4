// IMPORTAR_ANEXOII and its two passes: the Annex II import.
#include "import/importar_anexoii.h"

#include "data/anexoii.h"
#include "data/exchangeviews.h"
#include "import/importdialog.h"
#include "import/validation.h"

namespace vorda {

namespace {

void fillLine(std::string_view record, const DeclarationKey& key, void* target) {
    auto& line = *static_cast<AnexoII*>(target);
    line.clear();
    import::fillAnexoII(exchange::RegistroTipo5(record), line);
    line.AGENTE_PERIODO = key;
}

const import::AnnexImport AnexoIIImport{
    .procedureName = "Importar_AnexoII",
    .caption = "Importación de Anexo II",
    .lines = {"ESTE PROCESO CARGARA LA INFORMACION DEL ANEXO II",
              "AL SISTEMA, EL ARCHIVO A SUMINISTRAR DEBE CONTENER",
              "UN REGISTRO DEL TIPO 5 POR CADA COMPROBANTE."},
    .annex = "ANEXO II",
    .check = &import::checkAnexoIIRecord,
    .table = &AnexoII::desc,
    .fill = &fillLine,
};

}  // namespace

void IMPORTAR_ANEXOII() {
    import::runImportDialog(AnexoIIImport, &IMPORTAR_ANEXOII_CHEQUEO, &IMPORTAR_ANEXOII_PROCESO);
}

uint8_t IMPORTAR_ANEXOII_CHEQUEO(std::string_view nombreArchivo) {
    return import::runCheckingPass(AnexoIIImport, nombreArchivo);
}

uint8_t IMPORTAR_ANEXOII_PROCESO(std::string_view nombreArchivo) {
    return import::runLoadingPass(AnexoIIImport, nombreArchivo);
}

}  // namespace vorda
