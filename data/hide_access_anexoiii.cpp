#include "data/hide_access_anexoiii.h"

#include "data/anexoiii.h"
#include "data/fieldrules.h"

namespace vorda {

// A3:AGENTE_PERIODO (1), "A3:Agente_Periodo": the declaration must exist in
// DDJJ (message 14, "Ddjj").
Level HIDE_ACCESS_ANEXOIII::ValidateField(int field) {
    if (field == A3_F::AGENTE_PERIODO) {
        const Level level =
            fieldrules::requireDeclaration(*this, "A3:Agente_Periodo", A3.AGENTE_PERIODO);
        if (level != Benign)
            return level;
    }
    return TableAccess::ValidateField(field);
}

}  // namespace vorda
