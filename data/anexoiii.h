// ANEXOIII: Annex III, one line per exempt instrument, any number per
// declaration. Prefix A3, file AnexoIII.tps, record 127 bytes. Buffer `A3`;
// field numbers in A3_F.
#pragma once

#include <cstdint>

#include "data/declarationkey.h"
#include "platform/store/tabledesc.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/fixedtext.h"

namespace vorda {

struct AnexoIII : DeclarationKeyParts<AnexoIII> {
    DeclarationKey AGENTE_PERIODO;
    FixedText<15> DOCUMENTO;
    Date FECHA_DOCUMENTO;
    FixedText<30> CONTRATANTE;
    FixedText<13> NRO_CUIT;  // ##-########-#
    int32_t NRO_ORDEN = 0;
    Decimal VALOR;
    Date FECHA_REGISTRO;
    FixedText<30> LEY_DECRETO;  // law or decree granting the exemption

    static constexpr int ANEXOIII = 1;  // duplicates allowed, "Por DDJJ"

    void clear();
    static const store::TableDesc& desc();
};

namespace A3_F {
using namespace DeclarationKeyFields;
constexpr int DOCUMENTO = 9;
constexpr int FECHA_DOCUMENTO = 10;
constexpr int CONTRATANTE = 11;
constexpr int NRO_CUIT = 12;
constexpr int NRO_ORDEN = 13;
constexpr int VALOR = 14;
constexpr int FECHA_REGISTRO = 15;
constexpr int LEY_DECRETO = 16;
}  // namespace A3_F

extern AnexoIII A3;

}  // namespace vorda
