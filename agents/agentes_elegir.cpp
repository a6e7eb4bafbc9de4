// AGENTES:ELEGIR: the selection list's settings.
#include "agents/agentes_elegir.h"

#include "agents/agentes_lista.h"

namespace vorda {

void AGENTES_ELEGIR() {
    static const AgentesListVariant variant{
        .caption = "Seleccionar Agente",
        .procedureName = "Agentes:Elegir",
        .denominationWidth = 80,
        .promptNro = "Buscar Agente Nº:",
        .promptCuit = "Buscar C.U.I.T. Nº:",
        .promptDenom = "Buscar denominación:",
        .pictureNro = "@s11",
        .pictureCuit = "@s13",
        .maintenance = false,
    };
    runAgentesList(variant);
}

}  // namespace vorda
