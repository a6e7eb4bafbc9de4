// The registry of the program's frame and named procedures.
#include "app/procedures.h"

#include "agents/agentes.h"
#include "agents/agentes_elegir.h"
#include "agents/agentes_ficha.h"
#include "app/acercade.h"
#include "app/childthreads.h"
#include "app/main_frame.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "declarations/anexo_i_ficha.h"
#include "declarations/anexo_ii_ficha.h"
#include "declarations/anexo_iii_ficha.h"
#include "declarations/ddjj.h"
#include "declarations/ddjj_ficha.h"
#include "diskette/generar_diskette.h"
#include "framework/requestglobals.h"
#include "import/importar_anexoii.h"
#include "import/importar_anexoiii.h"
#include "maintenance/reorganizararchivos.h"
#include "platform/process/threaddata.h"
#include "reports/imprimir_anexos.h"
#include "reports/imprimir_ddjj.h"

namespace vorda {

namespace {

// A script stands in for the agent list, which calls the form for a change
// or a delete with AGENTES open and the agent fetched: the agent is the one
// whose number the buffer holds (the last one saved or shown in the run).
void agentesFichaAsFromList() {
    const bool onRecord = GlobalRequest == RequestChange || GlobalRequest == RequestDelete;
    if (!onRecord || Relate::AGENTES->Open() != Benign) {
        AGENTES_FICHA();
        return;
    }
    Access::AGENTES->TryFetch(Agentes::AGE_NRO);
    AGENTES_FICHA();
    Relate::AGENTES->Close();
}

// A script stands in for one caller (a list, a form) that calls each
// procedure it starts as that caller would: every procedure started by name
// begins with the record buffers the previous one left, as procedures called
// one after the other on the caller's thread do. Each still runs on its own
// thread, so the program's own threads (menus, lists) keep their own buffers.
std::function<void()> asFromScriptCaller(std::function<void()> procedure) {
    return [procedure = std::move(procedure)] {
        static platform::ThreadData::Snapshot callerBuffers;
        platform::ThreadData::restore(callerBuffers);
        procedure();
        callerBuffers = platform::ThreadData::snapshot();
    };
}

// A script stands in for the declaration list: for a change or a delete the
// declaration is the one whose key the buffer holds (the last one saved or
// shown in the run), or the list's first one when the buffer holds none.
void ddjjFichaAsFromList() {
    if (Relate::DDJJ->Open() != Benign) {
        DDJJ_FICHA();
        return;
    }
    if (GlobalRequest == RequestChange || GlobalRequest == RequestDelete) {
        if (DDJ.AGENTE_PERIODO.isBlank()) {
            Access::DDJJ->ClearKey(Ddjj::DDJJ);
            Access::DDJJ->SetKey(Ddjj::DDJJ);
            Access::DDJJ->TryNext();
        } else {
            Access::DDJJ->TryFetch(Ddjj::DDJJ);
        }
    }
    DDJJ_FICHA();
    Relate::DDJJ->Close();
}

// A script stands in for the declaration form's inner list: a new line
// belongs to the declaration the DDJJ buffer holds, a line to change or
// delete is the first one of it.
template <class Record>
void annexFormAsFromList(RelationManager* relate, Record& line, void (*form)()) {
    if (relate->Open() != Benign) {
        form();
        return;
    }
    line.clear();
    line.AGENTE_PERIODO = DDJ.AGENTE_PERIODO;
    if (GlobalRequest != RequestInsert)
        relate->Me->TryFetch(1);
    form();
    relate->Close();
}

void anexoIIFichaAsFromList() {
    annexFormAsFromList(Relate::ANEXOII, A2, &ANEXO_II_FICHA);
}

void anexoIIIFichaAsFromList() {
    annexFormAsFromList(Relate::ANEXOIII, A3, &ANEXO_III_FICHA);
}

// Annex I belongs to the declaration the DDJJ buffer holds.
void anexoIFichaAsFromForm() {
    AGENTE_PERIODO = DDJ.AGENTE_PERIODO;
    if (Relate::ANEXOI->Open() != Benign) {
        ANEXO_I_FICHA();
        return;
    }
    ANEXO_I_FICHA();
    Relate::ANEXOI->Close();
}

struct NamedProcedure {
    const char* name;
    void (*procedure)();
    size_t stackBytes;
};

constexpr NamedProcedure namedProcedures[] = {
    {.name = "AGENTES", .procedure = &AGENTES, .stackBytes = BrowseStack},
    {.name = "AGENTES:ELEGIR", .procedure = &AGENTES_ELEGIR, .stackBytes = BrowseStack},
    {.name = "AGENTES:FICHA", .procedure = &agentesFichaAsFromList, .stackBytes = BrowseStack},
    {.name = "DDJJ", .procedure = &DDJJ, .stackBytes = BrowseStack},
    {.name = "DDJJ:FICHA", .procedure = &ddjjFichaAsFromList, .stackBytes = BrowseStack},
    {.name = "ANEXO_I:FICHA", .procedure = &anexoIFichaAsFromForm, .stackBytes = BrowseStack},
    {.name = "ANEXO_II:FICHA", .procedure = &anexoIIFichaAsFromList, .stackBytes = BrowseStack},
    {.name = "ANEXO_III:FICHA", .procedure = &anexoIIIFichaAsFromList, .stackBytes = BrowseStack},
    {.name = "ACERCADE", .procedure = &ACERCADE, .stackBytes = SmallStack},
    // The reports of the declaration in AGENTE_PERIODO (`set AGENTE_PERIODO`).
    {.name = "IMPRIMIR_DDJJ", .procedure = &IMPRIMIR_DDJJ, .stackBytes = BrowseStack},
    {.name = "IMPRIMIR_ANEXOI", .procedure = &IMPRIMIR_ANEXOI, .stackBytes = BrowseStack},
    {.name = "IMPRIMIR_ANEXOII", .procedure = &IMPRIMIR_ANEXOII, .stackBytes = BrowseStack},
    {.name = "IMPRIMIR_ANEXOIII", .procedure = &IMPRIMIR_ANEXOIII, .stackBytes = BrowseStack},
    // What the declaration list starts for the declaration in AGENTE_PERIODO.
    {.name = "GENERAR_DISKETTE", .procedure = &GENERAR_DISKETTE, .stackBytes = BrowseStack},
    {.name = "IMPORTAR_ANEXOII", .procedure = &IMPORTAR_ANEXOII, .stackBytes = BrowseStack},
    {.name = "IMPORTAR_ANEXOIII", .procedure = &IMPORTAR_ANEXOIII, .stackBytes = BrowseStack},
    {.name = "REORGANIZARARCHIVOS", .procedure = &REORGANIZARARCHIVOS, .stackBytes = SmallStack},
};

}  // namespace

ui::Registry programRegistry() {
    ui::Registry registry;
    registry.setFrame(&MAIN);
    for (const NamedProcedure& p : namedProcedures)
        registry.addProcedure(p.name, childProcedure(asFromScriptCaller(p.procedure)),
                              p.stackBytes);
    registry.setRequestHook([](int request) { GlobalRequest = static_cast<uint8_t>(request); });
    registry.addVariable("AGENTE_PERIODO",
                         [](std::string_view value) { AGENTE_PERIODO.set(value); });
    return registry;
}

}  // namespace vorda
