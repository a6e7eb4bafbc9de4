#include "app/procedurewiring.h"

#include "declarations/procedure_hooks.h"
#include "reports/imprimir_anexos.h"
#include "reports/imprimir_ddjj.h"

namespace vorda {

void connectProcedures() {
    DeclarationProcedures& list = declarationProcedures();
    list.IMPRIMIR_DDJJ = &IMPRIMIR_DDJJ;
    list.IMPRIMIR_ANEXOI = &IMPRIMIR_ANEXOI;
    list.IMPRIMIR_ANEXOII = &IMPRIMIR_ANEXOII;
    list.IMPRIMIR_ANEXOIII = &IMPRIMIR_ANEXOIII;
}

}  // namespace vorda
