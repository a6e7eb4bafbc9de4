// The exchange record layout: the 180-character records of the presentation
// file (DDJJ_A_PRESENTAR) and of the annex text files (DDJJ_MENSUAL).
//
// Every record is its type digit ("1" to "6") in column 1 followed by a
// 179-character body laid out by type. The layouts are tables (layoutOf):
// each field has its 1-based first column, its width and its rendering, and
// the fields of a type cover columns 1 to 180 exactly, in order. The same
// tables serve writing (composeRecord), reading the text-file views
// (exchangeviews.h) and checking a written file (PresentationCheck).
//
//   type 1  agent and period; the 50-character name, the e-mail address cut
//           to its first 28 characters (the whole body would take 191)
//   type 2  incisos a) to g)            type 3  incisos h) to n)
//   type 4  Annex I, the eleven card totals
//   type 5  one Annex II line           type 6  one Annex III line
//
// Renderings, each exactly its field's width:
//   Text    the stored text, left-aligned, blank padded, cut at the width
//   Cuit    a Text field that holds a CUIT
//   Amount  n015.2: 000000001234.50; negative as "-" and 14 zero-filled
//           characters (-00000001234.50)
//   Rate    n06.2: 001.50; negative "-1.50" as -01.50
//   Order   n09: 000000123; negative as "-" and 8 digits
//   Date    d6: dd/mm/yyyy; no date as 10 blanks
//   Filler  asterisks
//   Digit   the record type
// A number too wide for its field is not rendered: composeRecord names the
// field instead, so that no record is ever written with a field out of place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "platform/types/date.h"
#include "platform/types/decimal.h"

namespace vorda {

struct Agentes;
struct Ddjj;
struct AnexoI;
struct AnexoII;
struct AnexoIII;

namespace exchange {

constexpr size_t RecordLength = 180;
constexpr int FirstType = 1;
constexpr int LastType = 6;

enum class Rendering { Digit, Text, Cuit, Amount, Rate, Order, Date, Filler };

struct LayoutField {
    const char* name;  // the view's name without the prefix, "A2_VALOR"
    int first;         // 1-based column
    int width;
    Rendering rendering;
};

// The fields of record type `type` (1 to 6) in column order; empty for any
// other type.
std::span<const LayoutField> layoutOf(int type);

// The field's characters in a 180-character record.
inline std::string_view columns(std::string_view record, const LayoutField& f) {
    return record.substr(static_cast<size_t>(f.first - 1), static_cast<size_t>(f.width));
}

// Renderings of one value at `width` characters; nullopt when it does not fit.
std::optional<std::string> renderAmount(Decimal value, int width = 15);
std::optional<std::string> renderRate(Decimal value, int width = 6);
std::optional<std::string> renderOrder(int32_t value, int width = 9);
std::string renderDate(Date value);
// Windows-1252 bytes, cut or blank padded to `width`.
std::string renderText(std::string_view bytes, int width);

// A value for one field: text as Windows-1252 bytes, amounts and rates as
// Decimal, order numbers as int32_t, dates as Date.
using ExchangeValue = std::variant<std::string_view, Decimal, int32_t, Date>;

// A composed record: its 180 characters, or the name of the first field
// whose value could not be rendered (then `text` is empty).
struct BuiltRecord {
    std::string text;
    std::string badField;
    bool ok() const { return badField.empty(); }
};

// Joins the renderings of `values` (one per field of the type other than
// the digit and the fillers, in column order) into a record of type `type`.
BuiltRecord composeRecord(int type, std::span<const ExchangeValue> values);

// The six records of a declaration, from the record buffers' contents.
// Type 1 takes the period from the declaration and the rest from the agent.
BuiltRecord buildTipo1(const Agentes& agent, const Ddjj& declaration);
BuiltRecord buildTipo2(const Ddjj& declaration);
BuiltRecord buildTipo3(const Ddjj& declaration);
BuiltRecord buildTipo4(const AnexoI& cards);
BuiltRecord buildTipo5(const AnexoII& line);
BuiltRecord buildTipo6(const AnexoIII& line);

}  // namespace exchange
}  // namespace vorda
