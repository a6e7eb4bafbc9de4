// The checks of the annex imports on one record of a DDJJ_MENSUAL file, and
// the line a valid record becomes.
//
// Each check function runs the import's checks in order and gives the
// message of the first that fails ("... - REGISTRO " and the record's number
// n), or nullopt for a valid record. Before the checks of the records'
// fields come the checks of the line itself, since a line the reader could
// not make into a record cleanly cannot be trusted column by column:
//   - characters other than blanks after column 180;
//   - NUL or another control character, or a character that Windows-1252
//     cannot hold, within the 180 columns.
// Annex II, then: the type digit is 5; the inciso is one of b c d e f g i j
// k l (exactly, lower case); the document date passes the date check
// (exchange::readImportDate); the CUIT is acceptable; the value is greater
// than 50000; the registration date passes the date check. Annex III: the
// type digit is 6; document date; CUIT; value greater than 0; registration
// date. Last, for both: the value must fit the presentation file's amount
// field (n015.2; a wider one could be stored but never presented); the
// order number, and for Annex II the rate and the tax, must be numbers
// (whole for the order) that fit their fields of the presentation file, or
// blank: a field of letters would otherwise be stored as 0. So a line that
// passes can always be written back as it was read.
//
// They are pure functions: no message box, no table, no global variable.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/exchangeviews.h"
#include "platform/text/textline.h"

namespace vorda {

struct AnexoII;
struct AnexoIII;

namespace import {

// `record` is the record's 180 characters (a shorter text is taken padded
// with blanks, a longer one cut); `line` what the reader found on its line
// (nullptr when not known); `registro` its number in the file.
std::optional<std::string> checkAnexoIIRecord(std::string_view record, const text::TextLine* line,
                                              int32_t registro);
std::optional<std::string> checkAnexoIIIRecord(std::string_view record, const text::TextLine* line,
                                               int32_t registro);

// The annex line a valid record gives: every field but the declaration key,
// which the caller sets.
void fillAnexoII(const exchange::RegistroTipo5& record, AnexoII& line);
void fillAnexoIII(const exchange::RegistroTipo6& record, AnexoIII& line);

}  // namespace import
}  // namespace vorda
