#include "data/hide_access_anexoi.h"

#include "data/anexoi.h"
#include "data/fieldrules.h"

namespace vorda {

// A1:AGENTE_PERIODO (1), "A1:Agente_Periodo": the declaration must exist in
// DDJJ (message 14, "Ddjj").
Level HIDE_ACCESS_ANEXOI::ValidateField(int field) {
    if (field == A1_F::AGENTE_PERIODO) {
        const Level level =
            fieldrules::requireDeclaration(*this, "A1:Agente_Periodo", A1.AGENTE_PERIODO);
        if (level != Benign)
            return level;
    }
    return TableAccess::ValidateField(field);
}

}  // namespace vorda
