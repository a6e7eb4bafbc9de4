// How the reports write amounts, dates and text fields.
#include "reports/reportformat.h"

#include <gtest/gtest.h>

namespace vorda::reports {
namespace {

TEST(ReportAmounts, comma_decimals_and_point_thousands_at_every_size) {
    const struct {
        int64_t hundredths;
        const char* text;
    } cases[] = {
        {0, "0,00"},
        {30, "0,30"},
        {-30, "-0,30"},
        {100000, "1.000,00"},
        {123456, "1.234,56"},
        {400050, "4.000,50"},
        {99999, "999,99"},
        {-123456789, "-1.234.567,89"},
        {9999999999999999LL, "99.999.999.999.999,99"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(amountText(Decimal::fromHundredths(c.hundredths)), c.text) << c.hundredths;
}

TEST(ReportFields, text_is_cut_to_its_printed_width_without_trailing_blanks) {
    EXPECT_EQ(fieldText("abcdefghijklmnopqrstuvwxyz0123456789ABCD", 30),
              "abcdefghijklmnopqrstuvwxyz0123");
    EXPECT_EQ(fieldText("PAGARE         ", 15), "PAGARE");
    EXPECT_EQ(fieldText("San Mart\xedn", 30), "San Martín");  // Windows-1252 in, UTF-8 out
    EXPECT_EQ(dateText(Date::fromYmd(2005, 5, 3).value()), "03/05/2005");
    EXPECT_EQ(dateText(Date()), "");
    EXPECT_EQ(presentationText("00"), "Original");
    EXPECT_EQ(presentationText("01"), "Rectificativa");
    EXPECT_EQ(presentationText("  "), "Rectificativa");
}

}  // namespace
}  // namespace vorda::reports
