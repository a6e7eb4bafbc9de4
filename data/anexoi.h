// ANEXOI: Annex I, the month's totals of eleven credit-card companies, at
// most one record per declaration. Prefix A1, file AnexoI.tps, record 107
// bytes. Buffer `A1`; field numbers in A1_F.
#pragma once

#include "data/declarationkey.h"
#include "platform/store/tabledesc.h"
#include "platform/types/decimal.h"

namespace vorda {

struct AnexoI : DeclarationKeyParts<AnexoI> {
    DeclarationKey AGENTE_PERIODO;
    Decimal TARJETA_1;   // Cabal
    Decimal TARJETA_2;   // Carta Franca
    Decimal TARJETA_3;   // Credencial
    Decimal TARJETA_4;   // Diners Club
    Decimal TARJETA_5;   // Mara
    Decimal TARJETA_6;   // Mastercard
    Decimal TARJETA_7;   // Patagonia 365
    Decimal TARJETA_8;   // Visa
    Decimal TARJETA_9;   // Otras
    Decimal TARJETA_10;  // Otras
    Decimal TARJETA_11;  // Otras

    static constexpr int ANEXOI = 1;  // unique, primary, "Por DDJJ"

    void clear();
    static const store::TableDesc& desc();
};

namespace A1_F {
using namespace DeclarationKeyFields;
constexpr int TARJETA_1 = 9;
constexpr int TARJETA_2 = 10;
constexpr int TARJETA_3 = 11;
constexpr int TARJETA_4 = 12;
constexpr int TARJETA_5 = 13;
constexpr int TARJETA_6 = 14;
constexpr int TARJETA_7 = 15;
constexpr int TARJETA_8 = 16;
constexpr int TARJETA_9 = 17;
constexpr int TARJETA_10 = 18;
constexpr int TARJETA_11 = 19;
}  // namespace A1_F

extern AnexoI A1;

}  // namespace vorda
