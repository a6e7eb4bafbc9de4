// Building Alicuotas.tps from the versioned text file of rate rows.
//
// Source format: one row per line, four columns separated by blanks or tabs:
//   date (dd/mm/yyyy)  rate 1  rate 2  module amount
// Rates are percent with at most two decimals and 5 digits (999.99); the
// module amount has at most 13 digits. '#' starts a comment that runs to the
// end of the line; blank lines are ignored. Dates must strictly ascend: one
// row per date, in date order.
//
// parseAlicuotas checks every row before anything is written; writeAlicuotas
// then creates the table through the store (replacing an older file) with the
// tables' owner password. Both return false with a message naming the source
// and line ("alicuotas.txt:12: ...") or the table on failure; a failed write
// leaves no table behind.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types/date.h"
#include "platform/types/decimal.h"

namespace vorda::alicuotas_build {

struct RateRow {
    int line = 0;  // 1-based line of the source
    Date fecha;
    Decimal alicuota1;
    Decimal alicuota2;
    Decimal importeModulos;
};

bool parseAlicuotas(std::istream& in, std::string_view sourceName, std::vector<RateRow>& rows,
                    std::string& error);

bool writeAlicuotas(const std::vector<RateRow>& rows, const std::string& path, std::string& error);

}  // namespace vorda::alicuotas_build
