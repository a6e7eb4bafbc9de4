// AGENTES:ELEGIR: the agent selection list. Called with GlobalRequest =
// RequestSelect on the caller's thread; on return GlobalResponse is
// ResponseCompleted with the chosen agent in AGE, or ResponseCancelled.
#pragma once

namespace vorda {

void AGENTES_ELEGIR();

}  // namespace vorda
