// The registry of the program's frame and named procedures.
#include "app/procedures.h"

#include "agents/agentes.h"
#include "agents/agentes_elegir.h"
#include "agents/agentes_ficha.h"
#include "app/acercade.h"
#include "app/childthreads.h"
#include "app/main_frame.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "framework/requestglobals.h"
#include "platform/types/threaddata.h"
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

struct NamedProcedure {
    const char* name;
    void (*procedure)();
    size_t stackBytes;
};

constexpr NamedProcedure namedProcedures[] = {
    {.name = "AGENTES", .procedure = &AGENTES, .stackBytes = BrowseStack},
    {.name = "AGENTES:ELEGIR", .procedure = &AGENTES_ELEGIR, .stackBytes = BrowseStack},
    {.name = "AGENTES:FICHA", .procedure = &agentesFichaAsFromList, .stackBytes = BrowseStack},
    {.name = "ACERCADE", .procedure = &ACERCADE, .stackBytes = SmallStack},
    // The reports of the declaration in AGENTE_PERIODO (`set AGENTE_PERIODO`).
    {.name = "IMPRIMIR_DDJJ", .procedure = &IMPRIMIR_DDJJ, .stackBytes = BrowseStack},
    {.name = "IMPRIMIR_ANEXOI", .procedure = &IMPRIMIR_ANEXOI, .stackBytes = BrowseStack},
    {.name = "IMPRIMIR_ANEXOII", .procedure = &IMPRIMIR_ANEXOII, .stackBytes = BrowseStack},
    {.name = "IMPRIMIR_ANEXOIII", .procedure = &IMPRIMIR_ANEXOIII, .stackBytes = BrowseStack},
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
