// IMPRIMIR_DDJJ: the sworn declaration form of the declaration named by
// AGENTE_PERIODO: the agent's data, the fourteen incisos with their amounts,
// the total tax and the legal texts the agent signs.
#pragma once

namespace vorda {

void IMPRIMIR_DDJJ();

}  // namespace vorda
