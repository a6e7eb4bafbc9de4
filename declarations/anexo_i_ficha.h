// ANEXO_I:FICHA: the Annex I of a declaration, the month's totals of eleven
// credit-card companies.
//
// Entry: AGENTE_PERIODO holds the declaration's key; GlobalRequest is
// RequestChange (the declaration form's "Anexo I" button). The form shows the
// stored Annex I record of that key; when there is none it shows eleven zero
// amounts and its request becomes RequestInsert, so that "Aceptar" creates
// the record. Exit: GlobalResponse is ResponseCompleted when the record was
// stored, ResponseCancelled otherwise. The form has no checks of its own:
// storing it passes the table's rule (the declaration must exist).
#pragma once

#include "platform/ui/windowdesc.h"

namespace vorda {

enum class AnexoIFichaCtl {
    CurrentTab = 1,
    Tab_AnexoI,
    FirstCard,  // prompt and entry of each of the eleven cards follow in pairs
    OK = FirstCard + 22,
    Cancel,
    Help,
};

const ui::WindowDesc& anexoIFichaDesc();

void ANEXO_I_FICHA();

}  // namespace vorda
