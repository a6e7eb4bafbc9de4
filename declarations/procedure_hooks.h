// The procedures the declaration list hands a declaration to.
//
// The imports, the diskette writer and the reports live in sibling feature
// folders that this one must not include; the list calls them through this
// table, which the program fills at start-up. Each hook takes no argument:
// the declaration is in AGENTE_PERIODO when it is called, on the list's
// thread, and the list waits for it to return. An empty hook does nothing.
#pragma once

#include <functional>

namespace vorda {

struct DeclarationProcedures {
    std::function<void()> IMPORTAR_ANEXOII;
    std::function<void()> IMPORTAR_ANEXOIII;
    std::function<void()> GENERAR_DISKETTE;
    std::function<void()> IMPRIMIR_DDJJ;
    std::function<void()> IMPRIMIR_ANEXOI;
    std::function<void()> IMPRIMIR_ANEXOII;
    std::function<void()> IMPRIMIR_ANEXOIII;
};

// The process-wide table (all hooks empty until the program connects them).
DeclarationProcedures& declarationProcedures();

// Runs `hook` when it is connected.
void runProcedure(const std::function<void()>& hook);

}  // namespace vorda
