#include "data/anexoi.h"

#include <cstddef>

#include "data/fieldrows.h"

namespace vorda {

AnexoI A1;

void AnexoI::clear() {
    *this = AnexoI{};
}

namespace {

using namespace fieldrows;

std::vector<store::FieldDesc> fields() {
    std::vector<store::FieldDesc> f;
    DeclarationKey::describe(
        f,
        {"A1:AGENTE_PERIODO", "A1:AGENTE_PERIODO_GRUPO", "A1:NRO_AGENTE", "A1:PERIODO",
         "A1:PERIODO_GRUPO", "A1:AÑO", "A1:MES", "A1:PRESENTACION"},
        offsetof(AnexoI, AGENTE_PERIODO));
    f.insert(f.end(),
             {
                 decimalField("A1:TARJETA_1", offsetof(AnexoI, TARJETA_1), AMOUNT_DIGITS),
                 decimalField("A1:TARJETA_2", offsetof(AnexoI, TARJETA_2), AMOUNT_DIGITS),
                 decimalField("A1:TARJETA_3", offsetof(AnexoI, TARJETA_3), AMOUNT_DIGITS),
                 decimalField("A1:TARJETA_4", offsetof(AnexoI, TARJETA_4), AMOUNT_DIGITS),
                 decimalField("A1:TARJETA_5", offsetof(AnexoI, TARJETA_5), AMOUNT_DIGITS),
                 decimalField("A1:TARJETA_6", offsetof(AnexoI, TARJETA_6), AMOUNT_DIGITS),
                 decimalField("A1:TARJETA_7", offsetof(AnexoI, TARJETA_7), AMOUNT_DIGITS),
                 decimalField("A1:TARJETA_8", offsetof(AnexoI, TARJETA_8), AMOUNT_DIGITS),
                 decimalField("A1:TARJETA_9", offsetof(AnexoI, TARJETA_9), AMOUNT_DIGITS),
                 decimalField("A1:TARJETA_10", offsetof(AnexoI, TARJETA_10), AMOUNT_DIGITS),
                 decimalField("A1:TARJETA_11", offsetof(AnexoI, TARJETA_11), AMOUNT_DIGITS),
             });
    return f;
}

store::TableDesc makeDesc() {
    return {
        .name = "ANEXOI",
        .prefix = "A1",
        .fileName = "AnexoI.tps",
        .recordSize = sizeof(AnexoI),
        .recordLength = 107,
        .fields = fields(),
        .keys = {{.name = "A1:ANEXOI",
                  .description = "Por DDJJ",
                  .components = {{.field = A1_F::AGENTE_PERIODO}}}},
    };
}

}  // namespace

const store::TableDesc& AnexoI::desc() {
    static const store::TableDesc d = makeDesc();
    return d;
}

}  // namespace vorda
