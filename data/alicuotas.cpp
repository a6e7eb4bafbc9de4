#include "data/alicuotas.h"

#include <cstddef>

#include "data/fieldrows.h"

namespace vorda {

Alicuotas ALI;

void Alicuotas::clear() {
    *this = Alicuotas{};
}

namespace {

using namespace fieldrows;

store::TableDesc makeDesc() {
    return {
        .name = "ALICUOTAS",
        .prefix = "ALI",
        .fileName = "Alicuotas.tps",
        .recordSize = sizeof(Alicuotas),
        .recordLength = 17,
        .fields =
            {
                dateField("ALI:FECHA", offsetof(Alicuotas, FECHA)),
                decimalField("ALI:ALICUOTA1", offsetof(Alicuotas, ALICUOTA1),
                             Alicuotas::RATE_DIGITS),
                decimalField("ALI:ALICUOTA2", offsetof(Alicuotas, ALICUOTA2),
                             Alicuotas::RATE_DIGITS),
                decimalField("ALI:IMPORTE_MODULOS", offsetof(Alicuotas, IMPORTE_MODULOS),
                             Alicuotas::MODULE_DIGITS),
            },
        .keys = {{.name = "ALI:ALICUOTAS",
                  .description = "Ali:Alicuotas",
                  .components = {{.field = ALI_F::FECHA}}}},
    };
}

}  // namespace

const store::TableDesc& Alicuotas::desc() {
    static const store::TableDesc d = makeDesc();
    return d;
}

}  // namespace vorda
