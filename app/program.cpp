// The start and end order of a run.
#include "app/program.h"

#include "app/appglobals.h"
#include "app/procedurewiring.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "declarations/procedure_hooks.h"
#include "diskette/diskette_hooks.h"
#include "diskette/generar_diskette.h"
#include "framework/errorclass.h"
#include "framework/requestglobals.h"
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

// The declaration list's buttons that hand its declaration on.
void connectDeclarationList() {
    DeclarationProcedures& list = declarationProcedures();
    list.IMPORTAR_ANEXOII = &IMPORTAR_ANEXOII;
    list.IMPORTAR_ANEXOIII = &IMPORTAR_ANEXOIII;
    list.GENERAR_DISKETTE = &GENERAR_DISKETTE;
}

}  // namespace

int Program::run(const std::function<int()>& runFrame) {
    start();
    const int status = runFrame();
    end();
    return status;
}

void Program::start() {
    ClearDataGlobals();
    GlobalRequest = 0;
    GlobalResponse = 0;
    VCRRequest = 0;
    HelpFile = ProgramHelpFile;
    GlobalErrors().Init();
    INIMgr.Init(SettingsFileName);
    DisketteSettings = &INIMgr;
    ImprimirDeclaracion = &printDeclaration;
    connectDeclarationList();
    DctInit();
    connectProcedures();
}

void Program::end() {
    INIMgr.Update();
    DisketteSettings = nullptr;
    ImprimirDeclaracion = nullptr;
    declarationProcedures() = {};
    INIMgr.Kill();
    DctKill();
    GlobalErrors().Kill();
}

}  // namespace vorda
