// Decimal: parsing, formatting and the exact 128-bit product.
#include "platform/types/decimal.h"

#include <limits>

#include "platform/types/trim.h"

namespace vorda {

namespace {

// GCC's 128-bit integer; `__extension__` keeps -Wpedantic quiet about it.
__extension__ typedef __int128 Int128;

// Largest magnitude a parsed text may have: 17 digits of hundredths.
constexpr int64_t kMaxParsed = 99'999'999'999'999'999;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Accumulates the digits of `digits` into `value` (a magnitude in some unit);
// false when the magnitude grows past kMaxParsed.
bool accumulate(std::string_view digits, int64_t& value) {
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > kMaxParsed)
            return false;
    }
    return true;
}

bool allDigits(std::string_view text) {
    for (char c : text)
        if (!isDigit(c))
            return false;
    return true;
}

// Magnitude in hundredths of "<whole>.<fraction>", the fraction rounded half
// away from zero at two places (only the third decimal decides).
std::optional<int64_t> magnitude(std::string_view whole, std::string_view fraction) {
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    int64_t value = 0;
    if (whole.size() > 17 || !accumulate(whole, value))
        return std::nullopt;
    if (value > kMaxParsed / 100)
        return std::nullopt;
    const char d1 = fraction.size() > 0 ? fraction[0] : '0';
    const char d2 = fraction.size() > 1 ? fraction[1] : '0';
    value = value * 100 + int64_t{d1 - '0'} * 10 + (d2 - '0');
    if (fraction.size() > 2 && fraction[2] >= '5')
        ++value;
    if (value > kMaxParsed)
        return std::nullopt;
    return value;
}

int64_t saturate(Int128 v) {
    if (v > std::numeric_limits<int64_t>::max())
        return std::numeric_limits<int64_t>::max();
    if (v < std::numeric_limits<int64_t>::min())
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(v);
}

}  // namespace

std::optional<Decimal> Decimal::parse(std::string_view text) {
    text = trim(text, " \t");
    if (text.empty())
        return Decimal();
    bool negative = false;
    if (text.front() == '-' || text.front() == '+') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const size_t point = text.find_first_of(".,");
    std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    if (!allDigits(whole) || !allDigits(fraction))
        return std::nullopt;
    const std::optional<int64_t> value = magnitude(whole, fraction);
    if (!value)
        return std::nullopt;
    return fromHundredths(negative ? -*value : *value);
}

std::string Decimal::toString() const {
    // Unsigned magnitude so that the most negative value formats too.
    const bool negative = hundredths_ < 0;
    const uint64_t mag =
        negative ? 0 - static_cast<uint64_t>(hundredths_) : static_cast<uint64_t>(hundredths_);
    std::string out = std::to_string(mag / 100);
    const unsigned cents = static_cast<unsigned>(mag % 100);
    out += '.';
    out += static_cast<char>('0' + cents / 10);
    out += static_cast<char>('0' + cents % 10);
    return negative ? "-" + out : out;
}

bool Decimal::fitsDigits(int digits) const {
    if (digits >= 19)
        return true;
    if (digits <= 0)
        return hundredths_ == 0;
    uint64_t limit = 1;
    for (int i = 0; i < digits; ++i)
        limit *= 10;
    const uint64_t mag = hundredths_ < 0 ? 0 - static_cast<uint64_t>(hundredths_)
                                         : static_cast<uint64_t>(hundredths_);
    return mag < limit;
}

Decimal Decimal::mulDiv(Decimal a, Decimal b, Decimal divisor) {
    // In hundredths: (a/100 * b/100) / (d/100) * 100 = a * b / d.
    if (divisor.hundredths_ == 0)
        return Decimal();
    const Int128 num = static_cast<Int128>(a.hundredths_) * b.hundredths_;
    const Int128 den = divisor.hundredths_;
    Int128 q = num / den;
    const Int128 r = num % den;
    const Int128 absR = r < 0 ? -r : r;
    const Int128 absDen = den < 0 ? -den : den;
    if (2 * absR >= absDen)
        q += ((num < 0) == (den < 0)) ? 1 : -1;
    return fromHundredths(saturate(q));
}

}  // namespace vorda
