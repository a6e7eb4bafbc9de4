// The three annex reports of the declaration named by AGENTE_PERIODO:
//   IMPRIMIR_ANEXOI    the credit-card totals (Annex I);
//   IMPRIMIR_ANEXOII   the instruments over $50,000 with their tax (Annex II);
//   IMPRIMIR_ANEXOIII  the exempt instruments with the exempting law (Annex III).
// Each repeats its header on every page and ends with its total and the
// signature lines.
#pragma once

namespace vorda {

void IMPRIMIR_ANEXOI();
void IMPRIMIR_ANEXOII();
void IMPRIMIR_ANEXOIII();

}  // namespace vorda
