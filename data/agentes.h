// AGENTES: the register of withholding agents. Prefix AGE, file Agentes.tps,
// record 183 bytes. Buffer `AGE`; field numbers in AGE_F (see dictionary.h
// for the naming scheme shared by every table).
#pragma once

#include "platform/store/tabledesc.h"
#include "platform/types/fixedtext.h"

namespace vorda {

struct Agentes {
    FixedText<11> NRO_AGENTE;  // #/##.##.###
    FixedText<13> NRO_CUIT;    // ##-########-#
    FixedText<50> DENOMINACION;
    FixedText<30> DOMICILIO;
    FixedText<15> LOCALIDAD;
    FixedText<12> TELEFONO;
    FixedText<12> FAX;
    FixedText<40> CORREO_ELECTRONICO;

    // Keys, in AddKey order.
    static constexpr int AGE_NRO = 1;    // unique, "Por Nº de Agente"
    static constexpr int AGE_CUIT = 2;   // unique, "Por CUIT"
    static constexpr int AGE_DENOM = 3;  // duplicates allowed, ignores case, "Por Denominación"

    void clear();
    static const store::TableDesc& desc();
};

namespace AGE_F {
constexpr int NRO_AGENTE = 1;
constexpr int NRO_CUIT = 2;
constexpr int DENOMINACION = 3;
constexpr int DOMICILIO = 4;
constexpr int LOCALIDAD = 5;
constexpr int TELEFONO = 6;
constexpr int FAX = 7;
constexpr int CORREO_ELECTRONICO = 8;
}  // namespace AGE_F

extern Agentes AGE;

}  // namespace vorda
