// IMPORTAR_ANEXOIII and its two passes: the Annex III import.
#include "import/importar_anexoiii.h"

#include "data/anexoiii.h"
#include "data/exchangeviews.h"
#include "import/importdialog.h"
#include "import/validation.h"

namespace vorda {

namespace {

void fillLine(std::string_view record, const DeclarationKey& key, void* target) {
    auto& line = *static_cast<AnexoIII*>(target);
    line.clear();
    import::fillAnexoIII(exchange::RegistroTipo6(record), line);
    line.AGENTE_PERIODO = key;
}

const import::AnnexImport AnexoIIIImport{
    .procedureName = "Importar_AnexoIII",
    .caption = "Importación de Anexo III",
    .lines = {"ESTE PROCESO CARGARA LA INFORMACION DEL ANEXO III",
              "AL SISTEMA, EL ARCHIVO A SUMINISTRAR DEBE CONTENER",
              "TANTOS REGISTROS DEL TIPO 6 COMO COMPROBANTES EXENTOS."},
    .annex = "ANEXO III",
    .check = &import::checkAnexoIIIRecord,
    .table = &AnexoIII::desc,
    .fill = &fillLine,
};

}  // namespace

void IMPORTAR_ANEXOIII() {
    import::runImportDialog(AnexoIIIImport, &IMPORTAR_ANEXOIII_CHEQUEO, &IMPORTAR_ANEXOIII_PROCESO);
}

uint8_t IMPORTAR_ANEXOIII_CHEQUEO(std::string_view nombreArchivo) {
    return import::runCheckingPass(AnexoIIIImport, nombreArchivo);
}

uint8_t IMPORTAR_ANEXOIII_PROCESO(std::string_view nombreArchivo) {
    return import::runLoadingPass(AnexoIIIImport, nombreArchivo);
}

}  // namespace vorda
