// DDJJ_MENSUAL: the fixed-record text file from which the Annex imports load
// their lines (180 characters a line, then CR LF, Windows-1252). No keys; read
// sequentially. Its physical name is read from ARCHIVO_DDJJ_MENSUAL each time
// it is opened. Prefix DJM. Buffer `DJM`; field numbers in DJM_F.
#pragma once

#include "platform/store/tabledesc.h"
#include "platform/types/fixedtext.h"

namespace vorda {

struct DdjjMensual {
    FixedText<1> TIPO_DE_CAMPO;  // record type "1" to "6"
    FixedText<179> RENGLON;      // body, laid out by type

    void clear();
    static const store::TableDesc& desc();
};

namespace DJM_F {
constexpr int TIPO_DE_CAMPO = 1;
constexpr int RENGLON = 2;
}  // namespace DJM_F

extern DdjjMensual DJM;

}  // namespace vorda
