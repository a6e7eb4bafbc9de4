// Decimal: exact fixed-point number with two decimal places.
//
// Amounts, rates and module values are all kept in hundredths in a signed
// 64-bit integer, so sums of 17 digits stay exact. Products such as
// value x rate / 100 are formed in a 128-bit intermediate and rounded half
// away from zero back to two places. A stored amount holds at most 15 digits
// (13 before the point); `fitsDigits` tells whether a value fits a field.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorda {

class Decimal {
public:
    constexpr Decimal() = default;

    static constexpr Decimal fromHundredths(int64_t hundredths) {
        Decimal d;
        d.hundredths_ = hundredths;
        return d;
    }
    static constexpr Decimal fromInteger(int64_t units) { return fromHundredths(units * 100); }

    // Parses "1234.5", "-0.01", "000000001234.50", "12,5" (comma as point);
    // blanks around are ignored; an empty or blank text is zero. More than two
    // decimals are rounded half away from zero. Anything else, or a value that
    // does not fit in 17 digits, gives nullopt.
    static std::optional<Decimal> parse(std::string_view text);

    constexpr int64_t hundredths() const { return hundredths_; }
    constexpr bool isZero() const { return hundredths_ == 0; }

    // "1234.50", "-0.01", "0.00": plain, no group separators, always two decimals.
    std::string toString() const;

    // True when the value has at most `digits` significant digits in total
    // (counting the two decimals), e.g. fitsDigits(15) for a stored amount.
    bool fitsDigits(int digits) const;

    // a * b / divisor, exact in 128 bits, rounded half away from zero to
    // hundredths. `percentOf` is value * rate / 100. A zero divisor gives zero;
    // a quotient beyond the 64-bit range saturates at its limit.
    static Decimal mulDiv(Decimal a, Decimal b, Decimal divisor);
    Decimal percentOf(Decimal rate) const { return mulDiv(*this, rate, fromInteger(100)); }

    constexpr Decimal operator-() const { return fromHundredths(-hundredths_); }
    constexpr Decimal& operator+=(Decimal o) {
        hundredths_ += o.hundredths_;
        return *this;
    }
    constexpr Decimal& operator-=(Decimal o) {
        hundredths_ -= o.hundredths_;
        return *this;
    }
    friend constexpr Decimal operator+(Decimal a, Decimal b) { return a += b; }
    friend constexpr Decimal operator-(Decimal a, Decimal b) { return a -= b; }
    friend constexpr auto operator<=>(Decimal, Decimal) = default;
    friend constexpr bool operator==(Decimal, Decimal) = default;

private:
    int64_t hundredths_ = 0;
};

}  // namespace vorda
