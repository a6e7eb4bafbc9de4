// ANEXOII: Annex II, one line per taxed instrument, any number per
// declaration. Prefix A2, file AnexoII.tps, record 110 bytes. Buffer `A2`;
// field numbers in A2_F.
#pragma once

#include <cstdint>

#include "data/declarationkey.h"
#include "platform/store/tabledesc.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/fixedtext.h"

namespace vorda {

struct AnexoII : DeclarationKeyParts<AnexoII> {
    DeclarationKey AGENTE_PERIODO;
    FixedText<15> DOCUMENTO;
    FixedText<1> INCISO;  // letter of the inciso the instrument is taxed under
    Date FECHA_DOCUMENTO;
    FixedText<30> CONTRATANTE;
    FixedText<13> CUIT;  // ##-########-#
    int32_t NRO_ORDEN = 0;
    Decimal VALOR;
    Decimal ALICUOTA;  // percent; at most 7 digits
    Decimal IMPUESTO;
    Date FECHA_REGISTRO;

    static constexpr int ANEXOII = 1;  // duplicates allowed, "Por DDJJ"

    void clear();
    static const store::TableDesc& desc();
};

namespace A2_F {
using namespace DeclarationKeyFields;
constexpr int DOCUMENTO = 9;
constexpr int INCISO = 10;
constexpr int FECHA_DOCUMENTO = 11;
constexpr int CONTRATANTE = 12;
constexpr int CUIT = 13;
constexpr int NRO_ORDEN = 14;
constexpr int VALOR = 15;
constexpr int ALICUOTA = 16;
constexpr int IMPUESTO = 17;
constexpr int FECHA_REGISTRO = 18;
}  // namespace A2_F

extern AnexoII A2;

}  // namespace vorda
