// Reading the values of exchange records back from their text.
//
// Two readers with two purposes:
//   - the annex imports read what another program wrote, as the import
//     rules say: a number field "as a number" (text that is not a number
//     counts as 0) and the import's date check;
//   - the check of a presentation file reads what this program wrote, so a
//     field must have exactly the shape its rendering gives (exchangelayout.h).
#pragma once

#include <optional>
#include <string_view>

#include "platform/types/date.h"
#include "platform/types/decimal.h"

namespace vorda::exchange {

// The text as a number: blanks around it are ignored; an optional sign, then
// digits with at most one "." among or after them (at least one digit). More
// than two decimals are rounded. nullopt for anything else, a blank text
// included, and for a number of more than 17 digits.
std::optional<Decimal> readNumber(std::string_view text);

// The text "as a number": readNumber, or 0 when it is not a number.
Decimal numberOrZero(std::string_view text);

// The date check of the annex imports on a 10-character field, in order:
// characters 3 and 6 are "/"; characters 1-2 as a number lie in 1..31;
// characters 4-5 in 1..12; the last four are at least 1999. Beyond that
// check the date must exist (31/02/2001 does not) and its parts must be
// whole numbers. The date, or nullopt.
std::optional<Date> readImportDate(std::string_view text);

// A field as the writer renders it: `width` characters, zero-filled digits
// with the point `decimals` places from the end (none when 0), or "-" in the
// first column and the rest so. The value, or nullopt for any other shape.
std::optional<Decimal> readWrittenNumber(std::string_view text, int decimals);

// A d6 field as written: the date of a real dd/mm/yyyy, or 10 blanks (no
// date: the empty Date). nullopt for any other text.
std::optional<Date> readWrittenDate(std::string_view text);

}  // namespace vorda::exchange
