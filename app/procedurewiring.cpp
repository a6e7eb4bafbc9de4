#include "app/procedurewiring.h"

#include "app/appglobals.h"
#include "declarations/procedure_hooks.h"
#include "diskette/diskette_hooks.h"
#include "diskette/generar_diskette.h"
#include "import/importar_anexoii.h"
#include "import/importar_anexoiii.h"
#include "reports/imprimir_anexos.h"
#include "reports/imprimir_ddjj.h"

namespace vorda {

namespace {

// What follows a successful copy of the presentation file: the declaration
// and its three annexes, in this order.
void printDeclaration() {
    IMPRIMIR_DDJJ();
    IMPRIMIR_ANEXOI();
    IMPRIMIR_ANEXOII();
    IMPRIMIR_ANEXOIII();
}

}  // namespace

void connectProcedures() {
    DeclarationProcedures& list = declarationProcedures();
    list.IMPORTAR_ANEXOII = &IMPORTAR_ANEXOII;
    list.IMPORTAR_ANEXOIII = &IMPORTAR_ANEXOIII;
    list.GENERAR_DISKETTE = &GENERAR_DISKETTE;
    list.IMPRIMIR_DDJJ = &IMPRIMIR_DDJJ;
    list.IMPRIMIR_ANEXOI = &IMPRIMIR_ANEXOI;
    list.IMPRIMIR_ANEXOII = &IMPRIMIR_ANEXOII;
    list.IMPRIMIR_ANEXOIII = &IMPRIMIR_ANEXOIII;
    ImprimirDeclaracion = &printDeclaration;
    DisketteSettings = &INIMgr;
}

void disconnectProcedures() {
    declarationProcedures() = {};
    ImprimirDeclaracion = nullptr;
    DisketteSettings = nullptr;
}

}  // namespace vorda
