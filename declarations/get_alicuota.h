// GET_ALICUOTA: the rate, or the module amount, in force on a date.
//
// Reads the table of rates by date (ALICUOTAS, Alicuotas.tps) from its first
// row in date order up to the last row dated on or before `FECHA`, and copies
// the column chosen by `TIPO` into `VALOR`:
//
//   TIPO   column                  used for Annex II incisos
//   1      ALI:ALICUOTA1           "l"
//   2      ALI:ALICUOTA2           "b" "c" "d" "f" "g" "i" "j" "k"
//   other  ALI:IMPORTE_MODULOS     every other one (called with 3)
//
// A row dated exactly `FECHA` applies. `VALOR` is always written: 0 when no
// row applies or the applicable row holds 0 in that column (an earlier or
// later row's value is never used). Result: 1 when the value found is not 0;
// otherwise the box "Error en Alícuotas" (no caption, information icon, one
// button) is shown and 0 is returned after it is closed.
//
// The table is opened by the lookup itself, shared, for this call only, with
// a record buffer of its own: the ALICUOTAS buffer and position of any
// procedure are left as they were. A table that is missing, cannot be opened
// or cannot be read gives what was read so far (nothing: 0 and the message).
// The program never writes this table, and neither does the lookup: a
// missing Alicuotas.tps is not created.
#pragma once

#include <cstdint>

#include "platform/types/date.h"
#include "platform/types/decimal.h"

namespace vorda {

uint8_t GET_ALICUOTA(Date FECHA, Decimal& VALOR, uint8_t TIPO);

// The same lookup without the message: the value in force, 0 when none.
Decimal rateInForce(Date FECHA, uint8_t TIPO);

}  // namespace vorda
