// DeclarationKey: the 19 characters that identify one sworn declaration.
//
// Layout (1-based characters): 1-11 agent number as stored with its
// separators, 12-15 year, 16-17 month with a leading zero, 18-19 presentation
// number ("00" original, anything else rectifying). The named parts are
// TextRef views over the same bytes: writing a part changes the whole and the
// reverse. Because keys compare character by character, declarations sort by
// agent, year, month and presentation.
//
// Every table that belongs to a declaration (DDJJ, ANEXOI, ANEXOII, ANEXOIII)
// starts with this key, declared to the store as eight fields in this order:
//   1 AGENTE_PERIODO        the whole key (text 19, stored through its parts)
//   2 AGENTE_PERIODO_GRUPO  group of NRO_AGENTE and PERIODO
//   3 NRO_AGENTE            text 11, column
//   4 PERIODO               text 8 (stored through its parts)
//   5 PERIODO_GRUPO         group of AÑO, MES, PRESENTACION
//   6 AÑO                   text 4, column
//   7 MES                   text 2, column
//   8 PRESENTACION          text 2, column
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "platform/store/tabledesc.h"
#include "platform/types/fixedtext.h"

namespace vorda {

struct DeclarationKey : FixedText<19> {
    using FixedText<19>::FixedText;

    TextRef NRO_AGENTE() { return sub(0, 11); }
    TextRef PERIODO() { return sub(11, 8); }
    TextRef AÑO() { return sub(11, 4); }
    TextRef MES() { return sub(15, 2); }
    TextRef PRESENTACION() { return sub(17, 2); }

    // Full field names of the eight key fields of one table, in field order.
    using FieldNames = std::array<const char*, 8>;
    // Appends the eight key fields, laid over the key at byte `offset` of the
    // record, to a table's field list.
    static void describe(std::vector<store::FieldDesc>& fields, const FieldNames& names,
                         size_t offset);
};

// The named parts of a declaration record's key, as members of the record
// (`DDJ.MES()`): a record derives from DeclarationKeyParts<itself> and has
// its key in the member AGENTE_PERIODO. The base is empty, so the record
// keeps its layout.
template <class Record>
struct DeclarationKeyParts {
    TextRef NRO_AGENTE() { return key().NRO_AGENTE(); }
    TextRef PERIODO() { return key().PERIODO(); }
    TextRef AÑO() { return key().AÑO(); }
    TextRef MES() { return key().MES(); }
    TextRef PRESENTACION() { return key().PRESENTACION(); }

private:
    DeclarationKey& key() { return static_cast<Record&>(*this).AGENTE_PERIODO; }
};

// Field numbers of the key fields, shared by the four declaration tables.
namespace DeclarationKeyFields {
constexpr int AGENTE_PERIODO = 1;
constexpr int AGENTE_PERIODO_GRUPO = 2;
constexpr int NRO_AGENTE = 3;
constexpr int PERIODO = 4;
constexpr int PERIODO_GRUPO = 5;
constexpr int AÑO = 6;
constexpr int MES = 7;
constexpr int PRESENTACION = 8;
constexpr int COUNT = 8;
}  // namespace DeclarationKeyFields

}  // namespace vorda
