// AGENTES: the maintenance list's settings.
#include "agents/agentes.h"

#include "agents/agentes_lista.h"

namespace vorda {

void AGENTES() {
    static const AgentesListVariant variant{
        .caption = "Agentes",
        .procedureName = "Agentes",
        .denominationWidth = 91,
        .promptNro = "Buscar agente Nº:",
        .promptCuit = "Buscar Nº de C.U.I.T.:",
        .promptDenom = "Buscar Denominación:",
        .pictureNro = "P#/##.##.###PB",
        .pictureCuit = "P##-########-#PB",
        .maintenance = true,
    };
    runAgentesList(variant);
}

}  // namespace vorda
