#include "data/hide_access_anexoii.h"

#include "data/anexoii.h"
#include "data/fieldrules.h"
#include "framework/errorclass.h"

namespace vorda {

namespace {

Level ruleFor(HIDE_ACCESS_ANEXOII& self, int field) {
    switch (field) {
        case A2_F::AGENTE_PERIODO:
            return fieldrules::requireDeclaration(self, "A2:Agente_Periodo", A2.AGENTE_PERIODO);
        case A2_F::PERIODO:
            // The period alone identifies nothing: the whole key is looked up.
            return fieldrules::requireDeclaration(self, "A2:Periodo", A2.AGENTE_PERIODO);
        case A2_F::ALICUOTA:
            self.Errors->SetField("A2:Alicuota");
            if (A2.ALICUOTA < Decimal{}) {
                return self.ThrowMessage(fieldrules::MSG_FIELD_OUT_OF_RANGE_LOW, "0");
            }
            return Benign;
        default:
            return Benign;
    }
}

}  // namespace

// A2:AGENTE_PERIODO (1) and A2:PERIODO (4): the declaration must exist in
// DDJJ (message 14, "Ddjj"); A2:ALICUOTA (16): not negative (message 18,
// "0"; a rate of 0 passes).
Level HIDE_ACCESS_ANEXOII::ValidateField(int field) {
    const Level level = ruleFor(*this, field);
    if (level != Benign)
        return level;
    return TableAccess::ValidateField(field);
}

}  // namespace vorda
