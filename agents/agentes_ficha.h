// AGENTES:FICHA: the form on which one withholding agent is added, changed or
// deleted.
//
// Entry: GlobalRequest holds RequestInsert, RequestChange or RequestDelete;
// for change and delete the AGENTES buffer (AGE) holds the agent. Exit:
// GlobalResponse is ResponseCompleted when the request was carried out,
// ResponseCancelled otherwise; after a completed insert or change AGE holds
// the saved agent.
//
// What is particular to this form:
//   - its caption is the request's title ("Agregando un  Agente", with two
//     blanks; "Modificando datos del Agente"; "Eliminando Agente");
//   - leaving the CUIT entry runs VALIDAR_CUIT: a wrong CUIT keeps the focus
//     on the entry and ends the event with Notify, so the save's select-all
//     pass stops there too;
//   - the ditto memory AGE_History (History::AGE:Record) holds the agent as
//     it was last saved through this form in the run; Ctrl+' or the
//     toolbar's "Valor Previo" copies the focused entry's value back;
//   - a delete shows the agent (DeleteMode::ShowForm) and deletes on "Aceptar".
#pragma once

#include "data/agentes.h"
#include "platform/ui/windowdesc.h"

namespace vorda {

// Control numbers; the script names are the program's ("?AGE:NRO_CUIT", "?OK").
enum class AgentesFichaCtl {
    CurrentTab = 1,
    Tab_General,
    AGE_NRO_AGENTE_Prompt,
    AGE_NRO_AGENTE,
    AGE_NRO_CUIT_Prompt,
    AGE_NRO_CUIT,
    AGE_DENOMINACION_Prompt,
    AGE_DENOMINACION,
    AGE_DOMICILIO_Prompt,
    AGE_DOMICILIO,
    AGE_LOCALIDAD_Prompt,
    AGE_LOCALIDAD,
    AGE_TELEFONO_Prompt,
    AGE_TELEFONO,
    AGE_FAX_Prompt,
    AGE_FAX,
    AGE_CORREO_ELECTRONICO_Prompt,
    AGE_CORREO_ELECTRONICO,
    OK,
    Cancel,
    Help,
};

// The ditto memory: the AGENTES record as it was last saved through the form.
namespace History {
extern Agentes AGE;
}

const ui::WindowDesc& agentesFichaDesc();

// The title shown for `request`; "" for any other request.
const char* agentesFichaTitle(int request);

void AGENTES_FICHA();

}  // namespace vorda
