// Decimal: parsing, formatting, digit limits and the rounded product.
//
//   DecimalParse   - accepted forms, rounding of a third decimal, refusals
//   DecimalFormat  - plain two-decimal text, including the extremes
//   DecimalDigits  - 17-digit sums stay exact; fitsDigits at its edges
//   DecimalMulDiv  - half away from zero for every sign combination
#include "platform/types/decimal.h"

#include <gtest/gtest.h>

#include <limits>

namespace vorda {
namespace {

int64_t parsed(std::string_view text) {
    const std::optional<Decimal> d = Decimal::parse(text);
    EXPECT_TRUE(d.has_value()) << text;
    return d ? d->hundredths() : -999;
}

TEST(DecimalParse, accepts_point_comma_blanks_sign_and_leading_zeros) {
    EXPECT_EQ(parsed("1234.5"), 123450);
    EXPECT_EQ(parsed("-0.01"), -1);
    EXPECT_EQ(parsed("000000001234.50"), 123450);
    EXPECT_EQ(parsed("12,5"), 1250);
    EXPECT_EQ(parsed("  7  "), 700);
    EXPECT_EQ(parsed(".5"), 50);
    EXPECT_EQ(parsed("5."), 500);
    EXPECT_EQ(parsed("+3"), 300);
    EXPECT_EQ(parsed(""), 0);
    EXPECT_EQ(parsed("   "), 0);
}

TEST(DecimalParse, third_decimal_rounds_half_away_from_zero) {
    EXPECT_EQ(parsed("0.005"), 1);
    EXPECT_EQ(parsed("-0.005"), -1);
    EXPECT_EQ(parsed("0.0049999"), 0);
    EXPECT_EQ(parsed("-2.675"), -268);
    EXPECT_EQ(parsed("9.995"), 1000);
}

TEST(DecimalParse, refuses_garbage_and_values_beyond_17_digits) {
    for (std::string_view bad : {"abc", "-", ".", "1.2.3", "1 234", "1e5", "--1", "12a", "1,2,3"})
        EXPECT_FALSE(Decimal::parse(bad).has_value()) << bad;
    EXPECT_EQ(parsed("999999999999999.99"), 99'999'999'999'999'999);
    EXPECT_FALSE(Decimal::parse("1000000000000000.00").has_value());
    EXPECT_FALSE(Decimal::parse("999999999999999.995").has_value());  // rounds past the limit
    EXPECT_FALSE(Decimal::parse("99999999999999999999999").has_value());
    EXPECT_EQ(parsed("0000000000000000000000001.00"), 100);
}

TEST(DecimalFormat, two_decimals_sign_and_extremes) {
    EXPECT_EQ(Decimal().toString(), "0.00");
    EXPECT_EQ(Decimal::fromHundredths(-1).toString(), "-0.01");
    EXPECT_EQ(Decimal::fromHundredths(-100).toString(), "-1.00");
    EXPECT_EQ(Decimal::fromHundredths(123405).toString(), "1234.05");
    EXPECT_EQ(Decimal::fromHundredths(std::numeric_limits<int64_t>::min()).toString(),
              "-92233720368547758.08");
    EXPECT_EQ(Decimal::parse(Decimal::fromHundredths(-98765432101).toString())->hundredths(),
              -98765432101);
}

TEST(DecimalDigits, sums_of_17_digits_are_exact) {
    // A hundred of the largest stored amounts (15 digits) make 17 digits.
    Decimal sum;
    const Decimal big = *Decimal::parse("9999999999999.99");
    for (int i = 0; i < 100; ++i)
        sum += big;
    EXPECT_EQ(sum.toString(), "999999999999999.00");
    sum += *Decimal::parse("0.99");
    EXPECT_EQ(sum.toString(), "999999999999999.99");
    EXPECT_TRUE(sum.fitsDigits(17));
    EXPECT_FALSE(sum.fitsDigits(16));
}

TEST(DecimalDigits, fits_digits_counts_both_decimals) {
    EXPECT_TRUE(Decimal::fromHundredths(999'999'999'999'999).fitsDigits(15));
    EXPECT_FALSE(Decimal::fromHundredths(1'000'000'000'000'000).fitsDigits(15));
    EXPECT_FALSE(Decimal::fromHundredths(-1'000'000'000'000'000).fitsDigits(15));
    EXPECT_TRUE(Decimal::fromHundredths(-99).fitsDigits(2));
    EXPECT_FALSE(Decimal::fromHundredths(100).fitsDigits(2));
    EXPECT_TRUE(Decimal().fitsDigits(0));
    EXPECT_TRUE(Decimal::fromHundredths(std::numeric_limits<int64_t>::min()).fitsDigits(19));
}

TEST(DecimalMulDiv, rounds_half_away_from_zero_for_every_sign) {
    const Decimal half = *Decimal::parse("0.5");  // 0.01 * 0.5 = 0.005 exactly
    const Decimal cent = Decimal::fromHundredths(1);
    const Decimal one = Decimal::fromInteger(1);
    EXPECT_EQ(Decimal::mulDiv(cent, half, one).hundredths(), 1);
    EXPECT_EQ(Decimal::mulDiv(-cent, half, one).hundredths(), -1);
    EXPECT_EQ(Decimal::mulDiv(cent, -half, one).hundredths(), -1);
    EXPECT_EQ(Decimal::mulDiv(-cent, -half, one).hundredths(), 1);
    EXPECT_EQ(Decimal::mulDiv(cent, half, -one).hundredths(), -1);
    EXPECT_EQ(Decimal::mulDiv(-cent, half, -one).hundredths(), 1);
    // 0.0049 stays below the half in both directions.
    const Decimal under = *Decimal::parse("0.49");
    EXPECT_EQ(Decimal::mulDiv(cent, under, one).hundredths(), 0);
    EXPECT_EQ(Decimal::mulDiv(-cent, under, one).hundredths(), 0);
}

TEST(DecimalMulDiv, percent_of_large_amounts_is_exact_in_128_bits) {
    const Decimal amount = *Decimal::parse("999999999999999.99");
    EXPECT_EQ(amount.percentOf(*Decimal::parse("1.00")).toString(), "10000000000000.00");
    EXPECT_EQ(Decimal::fromInteger(50001).percentOf(*Decimal::parse("0.75")).toString(), "375.01");
    EXPECT_EQ((-Decimal::fromInteger(50001)).percentOf(*Decimal::parse("0.75")).toString(),
              "-375.01");
}

TEST(DecimalMulDiv, zero_divisor_and_overflow_do_not_trap) {
    const Decimal big = Decimal::fromHundredths(std::numeric_limits<int64_t>::max());
    EXPECT_TRUE(Decimal::mulDiv(big, big, Decimal()).isZero());
    EXPECT_EQ(Decimal::mulDiv(big, big, Decimal::fromHundredths(1)).hundredths(),
              std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Decimal::mulDiv(-big, big, Decimal::fromHundredths(1)).hundredths(),
              std::numeric_limits<int64_t>::min());
}

}  // namespace
}  // namespace vorda
