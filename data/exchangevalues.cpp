// Reading exchange record values (contract in exchangevalues.h).
#include "data/exchangevalues.h"

#include <cstdint>

namespace vorda::exchange {

namespace {

// The largest magnitude a number may have: 17 digits of hundredths.
constexpr int64_t kMaxHundredths = 99'999'999'999'999'999;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A date part that must be a whole number between `low` and `high`.
std::optional<int> datePart(std::string_view text, int low, int high) {
    const int64_t h = numberOrZero(text).hundredths();
    if (h < int64_t{low} * 100 || h > int64_t{high} * 100 || h % 100 != 0)
        return std::nullopt;
    return static_cast<int>(h / 100);
}

}  // namespace

// One pass over the text: blanks, sign, whole digits, point, decimals,
// blanks. The import reads millions of these, so no copy and no second pass.
std::optional<Decimal> readNumber(std::string_view text) {
    size_t i = 0;
    size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    while (n > i && text[n - 1] == ' ')
        --n;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    int64_t hundredths = 0;
    int digits = 0;
    for (; i < n && isDigit(text[i]); ++i, ++digits) {
        hundredths = hundredths * 10 + (text[i] - '0');
        if (hundredths > kMaxHundredths / 100)
            return std::nullopt;
    }
    hundredths *= 100;
    if (i < n && text[i] == '.') {
        int64_t scale = 10;
        for (++i; i < n && isDigit(text[i]); ++i, ++digits) {
            if (scale > 0)
                hundredths += (text[i] - '0') * scale;
            else if (scale == 0 && text[i] >= '5')
                ++hundredths;  // rounded half away from zero at the third decimal
            scale = scale == 1 ? 0 : scale > 1 ? scale / 10 : -1;
        }
    }
    if (i != n || digits == 0 || hundredths > kMaxHundredths)
        return std::nullopt;
    return Decimal::fromHundredths(negative ? -hundredths : hundredths);
}

Decimal numberOrZero(std::string_view text) {
    return readNumber(text).value_or(Decimal{});
}

// The import's date check (characters 3 and 6 "/", day 1..31, month 1..12,
// year at least 1999), then whole parts that make a real date.
std::optional<Date> readImportDate(std::string_view text) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    const std::optional<int> day = datePart(text.substr(0, 2), 1, 31);
    const std::optional<int> month = datePart(text.substr(3, 2), 1, 12);
    const std::optional<int> year = datePart(text.substr(6, 4), 1999, 9999);
    if (!day || !month || !year)
        return std::nullopt;
    return Date::fromYmd(*year, *month, *day);
}

std::optional<Decimal> readWrittenNumber(std::string_view text, int decimals) {
    if (text.empty())
        return std::nullopt;
    const bool negative = text.front() == '-';
    const std::string_view body = negative ? text.substr(1) : text;
    const size_t point = decimals > 0 ? body.size() - static_cast<size_t>(decimals) - 1 : 0;
    if (body.size() <= static_cast<size_t>(decimals) + (decimals > 0 ? 1 : 0))
        return std::nullopt;
    for (size_t i = 0; i < body.size(); ++i) {
        const bool ok = decimals > 0 && i == point ? body[i] == '.' : isDigit(body[i]);
        if (!ok)
            return std::nullopt;
    }
    return Decimal::parse(text);
}

std::optional<Date> readWrittenDate(std::string_view text) {
    if (text.size() != 10)
        return std::nullopt;
    if (text.find_first_not_of(' ') == std::string_view::npos)
        return Date{};
    for (size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u}) {
        if (!isDigit(text[i]))
            return std::nullopt;
    }
    return Date::parse(text);
}

}  // namespace vorda::exchange
