// Writing values on the declaration reports.
#include "reports/reportformat.h"

#include <cstdlib>

#include "platform/types/cp1252.h"
#include "platform/types/trim.h"

namespace vorda::reports {

std::string amountText(Decimal amount) {
    const int64_t hundredths = amount.hundredths();
    const uint64_t magnitude =
        hundredths < 0 ? uint64_t(0) - static_cast<uint64_t>(hundredths) : uint64_t(hundredths);
    const std::string units = std::to_string(magnitude / 100);
    std::string grouped;
    for (size_t i = 0; i < units.size(); ++i) {
        if (i > 0 && (units.size() - i) % 3 == 0)
            grouped += '.';
        grouped += units[i];
    }
    const unsigned cents = static_cast<unsigned>(magnitude % 100);
    const std::string decimals = {char('0' + cents / 10), char('0' + cents % 10)};
    return (hundredths < 0 ? "-" : "") + grouped + "," + decimals;
}

std::string dateText(Date date) {
    return date.toString();
}

std::string fieldText(std::string_view raw, size_t width) {
    return cp1252::toUtf8(trimRight(raw.substr(0, std::min(width, raw.size()))));
}

std::string presentationText(std::string_view presentation) {
    return presentation == "00" ? "Original" : "Rectificativa";
}

}  // namespace vorda::reports
