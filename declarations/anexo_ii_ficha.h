// ANEXO_II:FICHA: one Annex II line, a taxed instrument of a declaration.
//
// Entry: GlobalRequest holds RequestInsert, RequestChange or RequestDelete;
// the ANEXOII buffer (A2) holds the line, for an insert primed with its
// declaration's key by the calling list. Exit: GlobalResponse is
// ResponseCompleted when the line was added, changed or deleted.
//
// What is particular to this form:
//   - entering "Alícuota:" looks the rate up by the document's date
//     (GET_ALICUOTA): rate 1 for inciso "l" (10.2 when none is found), rate 2
//     for "b" "c" "d" "f" "g" "i" "j" "k" (1 when none is found); any other
//     inciso takes the module amount as its tax (20800.00 when none is
//     found) and a rate of 0. A rate typed earlier is replaced each time;
//   - entering "Impuesto:" with a rate other than 0 sets the tax to
//     value x rate / 100;
//   - leaving the CUIT runs VALIDAR_CUIT; a value below 50000.00 is refused
//     with "El valor del documento debe ser superior a $50000"; a negative
//     rate is refused by the table's rule (message 18): each keeps the
//     focus on its entry;
//   - the declaration record of the calling form (DDJJ) is kept while the
//     form runs and given back when it ends, whatever the table's rules read;
//   - a delete shows the line and deletes it on "Aceptar".
#pragma once

#include "platform/ui/windowdesc.h"

namespace vorda {

enum class AnexoIIFichaCtl {
    CurrentTab = 1,
    Tab_AnexoII,
    A2_DOCUMENTO_Prompt,
    A2_DOCUMENTO,
    A2_INCISO_Prompt,
    A2_INCISO,
    Radio_b,
    Radio_g,
    Radio_c,
    Radio_i,
    Radio_d,
    Radio_j,
    Radio_e,
    Radio_k,
    Radio_f,
    Radio_l,
    A2_FECHA_DOCUMENTO_Prompt,
    A2_FECHA_DOCUMENTO,
    A2_CONTRATANTE_Prompt,
    A2_CONTRATANTE,
    A2_CUIT_Prompt,
    A2_CUIT,
    A2_NRO_ORDEN_Prompt,
    A2_NRO_ORDEN,
    A2_VALOR_Prompt,
    A2_VALOR,
    A2_ALICUOTA_Prompt,
    A2_ALICUOTA,
    Percent,  // "%" after the rate
    A2_IMPUESTO_Prompt,
    A2_IMPUESTO,
    A2_FECHA_REGISTRO_Prompt,
    A2_FECHA_REGISTRO,
    OK,
    Cancel,
    Help,
};

const ui::WindowDesc& anexoIIFichaDesc();

void ANEXO_II_FICHA();

}  // namespace vorda
