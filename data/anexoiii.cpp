#include "data/anexoiii.h"

#include <cstddef>

#include "data/fieldrows.h"

namespace vorda {

AnexoIII A3;

void AnexoIII::clear() {
    *this = AnexoIII{};
}

namespace {

using namespace fieldrows;

std::vector<store::FieldDesc> fields() {
    std::vector<store::FieldDesc> f;
    DeclarationKey::describe(
        f,
        {"A3:AGENTE_PERIODO", "A3:AGENTE_PERIODO_GRUPO", "A3:NRO_AGENTE", "A3:PERIODO",
         "A3:PERIODO_GRUPO", "A3:AÑO", "A3:MES", "A3:PRESENTACION"},
        offsetof(AnexoIII, AGENTE_PERIODO));
    f.insert(f.end(), {
                          textField("A3:DOCUMENTO", offsetof(AnexoIII, DOCUMENTO), 15),
                          dateField("A3:FECHA_DOCUMENTO", offsetof(AnexoIII, FECHA_DOCUMENTO)),
                          textField("A3:CONTRATANTE", offsetof(AnexoIII, CONTRATANTE), 30),
                          textField("A3:NRO_CUIT", offsetof(AnexoIII, NRO_CUIT), 13),
                          int32Field("A3:NRO_ORDEN", offsetof(AnexoIII, NRO_ORDEN)),
                          decimalField("A3:VALOR", offsetof(AnexoIII, VALOR), AMOUNT_DIGITS),
                          dateField("A3:FECHA_REGISTRO", offsetof(AnexoIII, FECHA_REGISTRO)),
                          textField("A3:LEY_DECRETO", offsetof(AnexoIII, LEY_DECRETO), 30),
                      });
    return f;
}

store::TableDesc makeDesc() {
    return {
        .name = "ANEXOIII",
        .prefix = "A3",
        .fileName = "AnexoIII.tps",
        .recordSize = sizeof(AnexoIII),
        .recordLength = 127,
        .fields = fields(),
        .keys = {{.name = "A3:ANEXOIII",
                  .description = "Por DDJJ",
                  .components = {{.field = A3_F::AGENTE_PERIODO}},
                  .unique = false}},
        // A declaration's lines are read, totalled and written out together.
        .clusterKey = 1,
    };
}

}  // namespace

const store::TableDesc& AnexoIII::desc() {
    static const store::TableDesc d = makeDesc();
    return d;
}

}  // namespace vorda
