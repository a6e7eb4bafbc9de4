// DDJJ: the monthly sworn declarations. Prefix DDJ, file Ddjj.tps, record
// 132 bytes: the declaration key, the fourteen incisos, the lock mark.
// Buffer `DDJ`; field numbers in DDJ_F.
#pragma once

#include "data/declarationkey.h"
#include "platform/store/tabledesc.h"
#include "platform/types/decimal.h"
#include "platform/types/fixedtext.h"

namespace vorda {

struct Ddjj : DeclarationKeyParts<Ddjj> {
    DeclarationKey AGENTE_PERIODO;
    Decimal INCISO_A;
    Decimal INCISO_B;
    Decimal INCISO_C;
    Decimal INCISO_D;
    Decimal INCISO_E;
    Decimal INCISO_F;
    Decimal INCISO_G;
    Decimal INCISO_H;  // the sum of the Annex I card totals
    Decimal INCISO_I;
    Decimal INCISO_J;
    Decimal INCISO_K;
    Decimal INCISO_L;
    Decimal INCISO_M;
    Decimal INCISO_N;
    FixedText<1> BLOQUEADA;  // stored blank; nothing sets or reads it

    static constexpr int DDJJ = 1;    // unique, primary, "Por Nº de DDJJ"
    static constexpr int DJ_AGE = 2;  // duplicates allowed, "Por Agente"

    void clear();
    static const store::TableDesc& desc();
};

namespace DDJ_F {
using namespace DeclarationKeyFields;
constexpr int INCISO_A = 9;
constexpr int INCISO_B = 10;
constexpr int INCISO_C = 11;
constexpr int INCISO_D = 12;
constexpr int INCISO_E = 13;
constexpr int INCISO_F = 14;
constexpr int INCISO_G = 15;
constexpr int INCISO_H = 16;
constexpr int INCISO_I = 17;
constexpr int INCISO_J = 18;
constexpr int INCISO_K = 19;
constexpr int INCISO_L = 20;
constexpr int INCISO_M = 21;
constexpr int INCISO_N = 22;
constexpr int BLOQUEADA = 23;
}  // namespace DDJ_F

extern Ddjj DDJ;

}  // namespace vorda
