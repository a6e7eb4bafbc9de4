#include "data/ddjj.h"

#include <cstddef>

#include "data/fieldrows.h"

namespace vorda {

Ddjj DDJ;

void Ddjj::clear() {
    *this = Ddjj{};
}

namespace {

using namespace fieldrows;

std::vector<store::FieldDesc> fields() {
    std::vector<store::FieldDesc> f;
    DeclarationKey::describe(
        f,
        {"DDJ:AGENTE_PERIODO", "DDJ:AGENTE_PERIODO_GRUPO", "DDJ:NRO_AGENTE", "DDJ:PERIODO",
         "DDJ:PERIODO_GRUPO", "DDJ:AÑO", "DDJ:MES", "DDJ:PRESENTACION"},
        offsetof(Ddjj, AGENTE_PERIODO));
    f.insert(f.end(), {
                          decimalField("DDJ:INCISO_A", offsetof(Ddjj, INCISO_A), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_B", offsetof(Ddjj, INCISO_B), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_C", offsetof(Ddjj, INCISO_C), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_D", offsetof(Ddjj, INCISO_D), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_E", offsetof(Ddjj, INCISO_E), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_F", offsetof(Ddjj, INCISO_F), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_G", offsetof(Ddjj, INCISO_G), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_H", offsetof(Ddjj, INCISO_H), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_I", offsetof(Ddjj, INCISO_I), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_J", offsetof(Ddjj, INCISO_J), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_K", offsetof(Ddjj, INCISO_K), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_L", offsetof(Ddjj, INCISO_L), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_M", offsetof(Ddjj, INCISO_M), AMOUNT_DIGITS),
                          decimalField("DDJ:INCISO_N", offsetof(Ddjj, INCISO_N), AMOUNT_DIGITS),
                          textField("DDJ:BLOQUEADA", offsetof(Ddjj, BLOQUEADA), 1),
                      });
    return f;
}

store::TableDesc makeDesc() {
    return {
        .name = "DDJJ",
        .prefix = "DDJ",
        .fileName = "Ddjj.tps",
        .recordSize = sizeof(Ddjj),
        .recordLength = 132,
        .fields = fields(),
        .keys =
            {
                {.name = "DDJ:DDJJ",
                 .description = "Por Nº de DDJJ",
                 .components = {{.field = DDJ_F::AGENTE_PERIODO}}},
                {.name = "DDJ:DJ_AGE",
                 .description = "Por Agente",
                 .components = {{.field = DDJ_F::NRO_AGENTE}},
                 .unique = false},
            },
    };
}

}  // namespace

const store::TableDesc& Ddjj::desc() {
    static const store::TableDesc d = makeDesc();
    return d;
}

}  // namespace vorda
