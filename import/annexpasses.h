// The two passes of an annex import, over the DDJJ_MENSUAL file named, as
// batch processes with their progress windows (ReportManager).
//
//   checking pass  "Chequeando...": every record checked (validation.h);
//                  the first ten invalid records are told one box each, the
//                  rest counted, and when some went untold the whole list is
//                  offered at the end (invalidrecords.h). 0 when every record
//                  is valid and the pass ran to the end; 1 otherwise (an
//                  invalid record, an empty file, "Cancelar").
//   loading pass   "Importando...": each record checked again and added to
//                  the annex table of the declaration AGENTE_PERIODO named
//                  when the pass began; all in one transaction, on a
//                  connection of its own (it stays open across the timer
//                  ticks). 0 when every line was stored and committed; 1
//                  otherwise, and then nothing of the file is stored (an
//                  invalid record, a failed add, "Cancelar" roll it all back).
// Both progress windows are retitled "Processing Records" with "0% Completed"
// when they open, and the driver reads with quick scan.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/declarationkey.h"
#include "platform/store/tabledesc.h"
#include "platform/text/textline.h"

namespace vorda::import {

// What differs between the Annex II and the Annex III import.
struct AnnexImport {
    const char* procedureName;         // told to the error reporter: "Importar_AnexoII"
    const char* caption;               // of the dialog: "Importación de Anexo II"
    std::array<const char*, 3> lines;  // the dialog's three lines of text
    const char* annex;                 // in messages: "ANEXO II"
    std::optional<std::string> (*check)(std::string_view record, const text::TextLine* line,
                                        int32_t registro);
    const store::TableDesc& (*table)();
    // The annex line of a valid record, with the declaration's key, into
    // `target` (a record buffer of the annex table).
    void (*fill)(std::string_view record, const DeclarationKey& key, void* target);
};

uint8_t runCheckingPass(const AnnexImport& annex, std::string_view fileName);
uint8_t runLoadingPass(const AnnexImport& annex, std::string_view fileName);

}  // namespace vorda::import
