#include "data/agentes.h"

#include <cstddef>

#include "data/fieldrows.h"

namespace vorda {

Agentes AGE;

void Agentes::clear() {
    *this = Agentes{};
}

namespace {

using namespace fieldrows;

store::TableDesc makeDesc() {
    return {
        .name = "AGENTES",
        .prefix = "AGE",
        .fileName = "Agentes.tps",
        .recordSize = sizeof(Agentes),
        .recordLength = 183,
        .fields =
            {
                textField("AGE:NRO_AGENTE", offsetof(Agentes, NRO_AGENTE), 11),
                textField("AGE:NRO_CUIT", offsetof(Agentes, NRO_CUIT), 13),
                textField("AGE:DENOMINACION", offsetof(Agentes, DENOMINACION), 50),
                textField("AGE:DOMICILIO", offsetof(Agentes, DOMICILIO), 30),
                textField("AGE:LOCALIDAD", offsetof(Agentes, LOCALIDAD), 15),
                textField("AGE:TELEFONO", offsetof(Agentes, TELEFONO), 12),
                textField("AGE:FAX", offsetof(Agentes, FAX), 12),
                textField("AGE:CORREO_ELECTRONICO", offsetof(Agentes, CORREO_ELECTRONICO), 40),
            },
        .keys =
            {
                {.name = "AGE:AGE_NRO",
                 .description = "Por Nº de Agente",
                 .components = {{.field = AGE_F::NRO_AGENTE}}},
                {.name = "AGE:AGE_CUIT",
                 .description = "Por CUIT",
                 .components = {{.field = AGE_F::NRO_CUIT}}},
                // Case-insensitive so that the list by name and its locator
                // find "banco" under "Banco".
                {.name = "AGE:AGE_DENOM",
                 .description = "Por Denominación",
                 .components = {{.field = AGE_F::DENOMINACION}},
                 .unique = false,
                 .noCase = true},
            },
    };
}

}  // namespace

const store::TableDesc& Agentes::desc() {
    static const store::TableDesc d = makeDesc();
    return d;
}

}  // namespace vorda
