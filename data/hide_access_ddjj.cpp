#include "data/hide_access_ddjj.h"

#include "data/ddjj.h"
#include "data/fieldrules.h"

namespace vorda {

// DDJ:NRO_AGENTE (3), "Nº de Agente": the agent must exist in AGENTES
// (message 14, "Agentes").
Level HIDE_ACCESS_DDJJ::ValidateField(int field) {
    if (field == DDJ_F::NRO_AGENTE) {
        const Level level = fieldrules::requireAgent(*this, "Nº de Agente", DDJ.NRO_AGENTE());
        if (level != Benign)
            return level;
    }
    return TableAccess::ValidateField(field);
}

}  // namespace vorda
