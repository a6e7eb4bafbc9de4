#include "data/ddjj_a_presentar.h"

#include <cstddef>

#include "data/fieldrows.h"

namespace vorda {

DdjjAPresentar DJP;

void DdjjAPresentar::clear() {
    *this = DdjjAPresentar{};
}

namespace {

using namespace fieldrows;

store::TableDesc makeDesc() {
    return {
        .name = "DDJJ_A_PRESENTAR",
        .prefix = "DJP",
        .fileName = "",  // always named by ARCHIVO_DDJJ_A_PRESENTAR
        .recordSize = sizeof(DdjjAPresentar),
        .recordLength = 180,
        .fields =
            {
                textField("DJP:TIPO_DE_CAMPO", offsetof(DdjjAPresentar, TIPO_DE_CAMPO), 1),
                textField("DJP:RENGLON", offsetof(DdjjAPresentar, RENGLON), 179),
            },
        .keys = {},
    };
}

}  // namespace

const store::TableDesc& DdjjAPresentar::desc() {
    static const store::TableDesc d = makeDesc();
    return d;
}

}  // namespace vorda
