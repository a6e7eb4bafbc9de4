// Table descriptors: what the store knows about a record layout.
//
// A record buffer is a plain C++ struct; its descriptor lists every field in
// declaration order (field number = index + 1, counting groups and the named
// parts laid over another field), with the byte offset of the field in the
// struct. Fields marked `column` are the leaves that are stored, each as one
// SQLite column named after the field without its prefix; a field that is not
// a column (a group, or a text that named parts lie over) is stored through
// the columns that lie inside its bytes. Keys name their component fields; a
// component that is not a column expands to the columns inside it, in order.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorda::store {

enum class FieldKind {
    Text,     // FixedText bytes, `width` characters, Windows-1252, blank padded
    Decimal,  // vorda::Decimal; `width` = digits the stored field holds
    Date,     // vorda::Date
    Int32,    // int32_t
    Group,    // a group laid over the bytes of the fields that follow it
};

struct FieldDesc {
    const char* name;  // full name with prefix, e.g. "A2:AGENTE_PERIODO"
    FieldKind kind;
    size_t offset;     // byte offset in the record struct
    size_t width;      // Text/Group: characters; Decimal: digits; else 0
    bool column;       // stored as its own column
    int decimals = 0;  // Decimal: 2

    // Bytes the field occupies in the record struct.
    size_t bytes() const;
};

struct KeyComponent {
    int field;  // field number (1-based)
    bool ascending = true;
};

struct KeyDesc {
    const char* name;         // "AGE:AGE_NRO"
    const char* description;  // "Por Nº de Agente"
    std::vector<KeyComponent> components;
    bool unique = true;   // false: duplicates allowed
    bool noCase = false;  // text components compare upper-cased
};

struct TableDesc {
    const char* name;      // "AGENTES"
    const char* prefix;    // "AGE"
    const char* fileName;  // "Agentes.tps" (default physical name)
    size_t recordSize;     // sizeof the record struct
    size_t recordLength;   // the record length of the layout (183 for AGENTES)
    std::vector<FieldDesc> fields;
    std::vector<KeyDesc> keys;
    // The key (1-based) in whose order the rows themselves are kept, so that
    // reading in that order is one sequential pass; 0: kept in file order.
    // For the tables read mostly in one order by long runs (annex lines).
    int clusterKey = 0;

    const FieldDesc& field(int number) const { return fields.at(static_cast<size_t>(number - 1)); }
    int fieldCount() const { return static_cast<int>(fields.size()); }
    // 1-based field number of a full name ("AGE:NRO_CUIT", any case); 0 if none.
    int fieldNumber(std::string_view name) const;
    // The column fields that make up field `number`, in byte order.
    std::vector<int> columnsOf(int number) const;
    // Clears a record buffer of this layout: text blank, numbers and dates zero.
    void clearRecord(void* record) const;
};

}  // namespace vorda::store
