// How the declaration reports write values: amounts with "." grouping
// thousands and a comma before the two decimals ("1.234,56", "-0,30"),
// dates as dd/mm/yyyy (blank for no date), and text fields cut to the
// characters the form prints, without their trailing blanks.
#pragma once

#include <string>
#include <string_view>

#include "platform/types/date.h"
#include "platform/types/decimal.h"

namespace vorda::reports {

std::string amountText(Decimal amount);
std::string dateText(Date date);
// The first `width` characters of a stored (Windows-1252) text, as UTF-8.
std::string fieldText(std::string_view raw, size_t width);
// "Original" for presentation "00", "Rectificativa" for any other.
std::string presentationText(std::string_view presentation);

}  // namespace vorda::reports
