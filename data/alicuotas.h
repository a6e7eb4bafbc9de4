// ALICUOTAS: the rates in force from a date on. Prefix ALI, file
// Alicuotas.tps, record 17 bytes. The program only reads this table (the rate
// lookup) and rebuilds its key; the rows come with the installation, built by
// data/tools/alicuotas_build from data/alicuotas.txt. Buffer `ALI`; field
// numbers in ALI_F.
#pragma once

#include "platform/store/tabledesc.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"

namespace vorda {

struct Alicuotas {
    Date FECHA;               // first day on which the row applies
    Decimal ALICUOTA1;        // percent; at most 5 digits
    Decimal ALICUOTA2;        // percent; at most 5 digits
    Decimal IMPORTE_MODULOS;  // value of the module; at most 13 digits

    static constexpr int ALICUOTAS = 1;  // unique, "Ali:Alicuotas"

    // Digits each stored value holds (3, 3 and 7 bytes of packed decimal).
    static constexpr int RATE_DIGITS = 5;
    static constexpr int MODULE_DIGITS = 13;

    void clear();
    static const store::TableDesc& desc();
};

namespace ALI_F {
constexpr int FECHA = 1;
constexpr int ALICUOTA1 = 2;
constexpr int ALICUOTA2 = 3;
constexpr int IMPORTE_MODULOS = 4;
}  // namespace ALI_F

extern Alicuotas ALI;

}  // namespace vorda
