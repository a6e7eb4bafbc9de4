#include "data/ddjj_mensual.h"

#include <cstddef>

#include "data/fieldrows.h"

namespace vorda {

DdjjMensual DJM;

void DdjjMensual::clear() {
    *this = DdjjMensual{};
}

namespace {

using namespace fieldrows;

store::TableDesc makeDesc() {
    return {
        .name = "DDJJ_MENSUAL",
        .prefix = "DJM",
        .fileName = "DJ_MENS.TXT",
        .recordSize = sizeof(DdjjMensual),
        .recordLength = 180,
        .fields =
            {
                textField("DJM:TIPO_DE_CAMPO", offsetof(DdjjMensual, TIPO_DE_CAMPO), 1),
                textField("DJM:RENGLON", offsetof(DdjjMensual, RENGLON), 179),
            },
        .keys = {},
    };
}

}  // namespace

const store::TableDesc& DdjjMensual::desc() {
    static const store::TableDesc d = makeDesc();
    return d;
}

}  // namespace vorda
