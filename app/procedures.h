// The program as the UI-script player sees it: MAIN as the frame, and the
// procedures a script may start by name (`start AGENTES:FICHA insert`).
//
// A started procedure reads its request from GlobalRequest, as when a list
// calls it; the request hook puts the script's request there on the new
// thread just before the procedure runs. The reports (IMPRIMIR_DDJJ and the
// three annexes) print the declaration a script names with
// `set AGENTE_PERIODO "<agent><year><month><presentation>"`.
#pragma once

#include "platform/ui/registry.h"

namespace vorda {

ui::Registry programRegistry();

}  // namespace vorda
