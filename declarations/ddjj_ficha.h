// DDJJ:FICHA: the form of one monthly sworn declaration (a DDJJ record).
//
// Entry: GlobalRequest holds RequestInsert, RequestChange or RequestDelete;
// for change and delete the DDJJ buffer (DDJ) holds the declaration. Exit:
// GlobalResponse is ResponseCompleted when the request was carried out; the
// buffer then holds the declaration stored.
//
// Four tabs: "DDJJ" (agent, period, presentation, incisos A to G), "DDJJ
// (cont.)" (incisos H to N and the "Anexo I" button), "Anexo II" and "Anexo
// III" (the declaration's lines, each tab a list with its own add, change and
// delete buttons calling ANEXO_II:FICHA and ANEXO_III:FICHA).
//
//   request  key fields        "Anexo I", annex tabs   "Aceptar"
//   insert   editable, "00"    disabled                inserts
//   change   disabled          usable                  writes the changes
//   delete   disabled          usable                  deletes the declaration
//                                                      with its annexes
//
// Accepted fields: an agent number not in the register opens AGENTES:ELEGIR
// (choosing puts its number in; leaving without a choice keeps the focus);
// month "5" becomes "05" (the spin takes 1 to 12 only, typed or stepped);
// year "5" becomes "2005" and a year below 2000 is refused with "EL AÑO NO
// PUEDE SER MENOR QUE 2000"; the presentation is kept with two digits ("1"
// becomes "01") and named "Original" ("00") or "Rectificativa". "Anexo I"
// opens ANEXO_I:FICHA for this declaration and then sets inciso H to the sum
// of its eleven card totals (stored with the declaration on "Aceptar").
#pragma once

#include "platform/ui/windowdesc.h"

namespace vorda {

enum class DdjjFichaCtl {
    CurrentTab = 1,
    Tab_DDJJ,
    Tab_DDJJ_Cont,
    Tab_AnexoII,
    Tab_AnexoIII,
    DDJ_NRO_AGENTE_Prompt,
    DDJ_NRO_AGENTE,
    AGE_DENOMINACION,
    DDJ_MES_Prompt,
    DDJ_MES,
    String2,
    DDJ_AÑO,
    DDJ_PRESENTACION_Prompt,
    DDJ_PRESENTACION,
    DETALLEPRESENTACION,
    FirstInciso,  // prompt and entry of incisos A to N follow in pairs
    AnexoI = FirstInciso + 28,
    List,
    Insert,
    Change,
    Delete,
    List2,
    Insert2,
    Change2,
    Delete2,
    OK,
    Cancel,
    Help,
};

// The entry of inciso `letter` ('A' to 'N') and its prompt.
ui::ControlId incisoEntry(char letter);
ui::ControlId incisoPrompt(char letter);

const ui::WindowDesc& ddjjFichaDesc();

void DDJJ_FICHA();

}  // namespace vorda
