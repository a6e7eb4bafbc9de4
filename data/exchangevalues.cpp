// Reading exchange record values (contract in exchangevalues.h).
#include "data/exchangevalues.h"

#include <algorithm>
#include <string>

namespace vorda::exchange {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Sign, digits and at most one point with at least one digit.
bool hasNumberShape(std::string_view t) {
    if (!t.empty() && (t.front() == '-' || t.front() == '+'))
        t.remove_prefix(1);
    const auto digits = std::count_if(t.begin(), t.end(), isDigit);
    const auto points = std::count(t.begin(), t.end(), '.');
    return digits > 0 && points <= 1 && static_cast<size_t>(digits + points) == t.size();
}

// A date part read as a whole number; nullopt when it is not one.
std::optional<int> wholeNumber(std::string_view text) {
    const Decimal d = numberOrZero(text);
    if (d.hundredths() % 100 != 0 || d.hundredths() > 999999 || d.hundredths() < 0)
        return std::nullopt;
    return static_cast<int>(d.hundredths() / 100);
}

}  // namespace

std::optional<Decimal> readNumber(std::string_view text) {
    const std::string_view t = trimBlanks(text);
    return hasNumberShape(t) ? Decimal::parse(t) : std::nullopt;
}

Decimal numberOrZero(std::string_view text) {
    return readNumber(text).value_or(Decimal{});
}

std::optional<Date> readImportDate(std::string_view text) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    const Decimal day = numberOrZero(text.substr(0, 2));
    const Decimal month = numberOrZero(text.substr(3, 2));
    const Decimal year = numberOrZero(text.substr(6, 4));
    if (day < Decimal::fromInteger(1) || day > Decimal::fromInteger(31) ||
        month < Decimal::fromInteger(1) || month > Decimal::fromInteger(12) ||
        year < Decimal::fromInteger(1999)) {
        return std::nullopt;
    }
    const std::optional<int> d = wholeNumber(text.substr(0, 2));
    const std::optional<int> m = wholeNumber(text.substr(3, 2));
    const std::optional<int> y = wholeNumber(text.substr(6, 4));
    if (!d || !m || !y)
        return std::nullopt;
    return Date::fromYmd(*y, *m, *d);
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
