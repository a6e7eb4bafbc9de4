// DDJJ_A_PRESENTAR: the presentation file, a keyed-table file without keys
// whose records keep the order in which they were added. Protected by its own
// 40-character owner password (owners.h). Its physical name is read from
// ARCHIVO_DDJJ_A_PRESENTAR each time it is opened. Prefix DJP. Buffer `DJP`;
// field numbers in DJP_F.
#pragma once

#include "platform/store/tabledesc.h"
#include "platform/types/fixedtext.h"

namespace vorda {

struct DdjjAPresentar {
    FixedText<1> TIPO_DE_CAMPO;  // record type "1" to "6"
    FixedText<179> RENGLON;      // body, laid out by type

    void clear();
    static const store::TableDesc& desc();
};

namespace DJP_F {
constexpr int TIPO_DE_CAMPO = 1;
constexpr int RENGLON = 2;
}  // namespace DJP_F

extern DdjjAPresentar DJP;

}  // namespace vorda
