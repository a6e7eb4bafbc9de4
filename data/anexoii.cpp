#include "data/anexoii.h"

#include <cstddef>

#include "data/fieldrows.h"

namespace vorda {

AnexoII A2;

void AnexoII::clear() {
    *this = AnexoII{};
}

namespace {

using namespace fieldrows;

constexpr size_t RATE_DIGITS = 7;  // 4 bytes of packed decimal

std::vector<store::FieldDesc> fields() {
    std::vector<store::FieldDesc> f;
    DeclarationKey::describe(
        f,
        {"A2:AGENTE_PERIODO", "A2:AGENTE_PERIODO_GRUPO", "A2:NRO_AGENTE", "A2:PERIODO",
         "A2:PERIODO_GRUPO", "A2:AÑO", "A2:MES", "A2:PRESENTACION"},
        offsetof(AnexoII, AGENTE_PERIODO));
    f.insert(f.end(), {
                          textField("A2:DOCUMENTO", offsetof(AnexoII, DOCUMENTO), 15),
                          textField("A2:INCISO", offsetof(AnexoII, INCISO), 1),
                          dateField("A2:FECHA_DOCUMENTO", offsetof(AnexoII, FECHA_DOCUMENTO)),
                          textField("A2:CONTRATANTE", offsetof(AnexoII, CONTRATANTE), 30),
                          textField("A2:CUIT", offsetof(AnexoII, CUIT), 13),
                          int32Field("A2:NRO_ORDEN", offsetof(AnexoII, NRO_ORDEN)),
                          decimalField("A2:VALOR", offsetof(AnexoII, VALOR), AMOUNT_DIGITS),
                          decimalField("A2:ALICUOTA", offsetof(AnexoII, ALICUOTA), RATE_DIGITS),
                          decimalField("A2:IMPUESTO", offsetof(AnexoII, IMPUESTO), AMOUNT_DIGITS),
                          dateField("A2:FECHA_REGISTRO", offsetof(AnexoII, FECHA_REGISTRO)),
                      });
    return f;
}

store::TableDesc makeDesc() {
    return {
        .name = "ANEXOII",
        .prefix = "A2",
        .fileName = "AnexoII.tps",
        .recordSize = sizeof(AnexoII),
        .recordLength = 110,
        .fields = fields(),
        .keys = {{.name = "A2:ANEXOII",
                  .description = "Por DDJJ",
                  .components = {{.field = A2_F::AGENTE_PERIODO}},
                  .unique = false}},
        // A declaration's lines are read, totalled and written out together.
        .clusterKey = 1,
    };
}

}  // namespace

const store::TableDesc& AnexoII::desc() {
    static const store::TableDesc d = makeDesc();
    return d;
}

}  // namespace vorda
