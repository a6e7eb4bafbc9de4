// AGENTES: the maintenance list of withholding agents, started from the
// frame's menu on a thread of its own. Its update procedure is
// AGENTES:FICHA (add, change, delete).
#pragma once

namespace vorda {

void AGENTES();

}  // namespace vorda
