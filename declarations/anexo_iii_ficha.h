// ANEXO_III:FICHA: one Annex III line, an instrument exempt from the duty
// with the law or decree that exempts it.
//
// Entry: GlobalRequest holds RequestInsert, RequestChange or RequestDelete;
// the ANEXOIII buffer (A3) holds the line, for an insert primed with its
// declaration's key by the calling list. Exit: GlobalResponse is
// ResponseCompleted when the line was added, changed or deleted.
//
// Leaving the CUIT runs VALIDAR_CUIT and a wrong one keeps the focus there;
// everything else is stored as typed (any amount, no rate). The declaration
// record of the calling form is given back when the form ends. A delete
// shows the line and deletes it on "Aceptar".
#pragma once

#include "platform/ui/windowdesc.h"

namespace vorda {

enum class AnexoIIIFichaCtl {
    CurrentTab = 1,
    Tab_AnexoIII,
    A3_DOCUMENTO_Prompt,
    A3_DOCUMENTO,
    A3_FECHA_DOCUMENTO_Prompt,
    A3_FECHA_DOCUMENTO,
    A3_CONTRATANTE_Prompt,
    A3_CONTRATANTE,
    A3_NRO_CUIT_Prompt,
    A3_NRO_CUIT,
    A3_NRO_ORDEN_Prompt,
    A3_NRO_ORDEN,
    A3_VALOR_Prompt,
    A3_VALOR,
    A3_FECHA_REGISTRO_Prompt,
    A3_FECHA_REGISTRO,
    A3_LEY_DECRETO_Prompt,
    A3_LEY_DECRETO,
    OK,
    Cancel,
    Help,
};

const ui::WindowDesc& anexoIIIFichaDesc();

void ANEXO_III_FICHA();

}  // namespace vorda
