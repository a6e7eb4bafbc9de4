// Date: day numbers, the calendar and the dd/mm/yyyy text form.
#include "platform/types/date.h"

#include <gtest/gtest.h>

namespace vorda {
namespace {

TEST(DateNumbers, day_one_is_first_of_january_1801) {
    EXPECT_EQ(Date::fromYmd(1801, 1, 1)->dayNumber(), 1);
    EXPECT_EQ(Date::fromYmd(1801, 12, 31)->dayNumber(), 365);
    EXPECT_EQ(Date::fromYmd(1802, 1, 1)->dayNumber(), 366);
    // 1 January 2000 is 199 years on: 199 * 365 + 48 leap days (1804..1996 minus 1900).
    EXPECT_EQ(Date::fromYmd(2000, 1, 1)->dayNumber(), 199 * 365 + 48 + 1);
}

TEST(DateNumbers, every_day_number_round_trips_through_its_parts) {
    // 1801..2100 covers the century years 1900 (not leap) and 2000 (leap).
    const int32_t last = Date::fromYmd(2100, 12, 31)->dayNumber();
    for (int32_t n = 1; n <= last; ++n) {
        const Date d = Date::fromDayNumber(n);
        const std::optional<Date> back = Date::fromYmd(d.year(), d.month(), d.day());
        ASSERT_TRUE(back.has_value()) << n;
        ASSERT_EQ(back->dayNumber(), n);
        ASSERT_EQ(Date::parse(d.toString())->dayNumber(), n);
    }
}

TEST(DateCalendar, leap_days_follow_the_gregorian_rules) {
    EXPECT_TRUE(Date::fromYmd(2000, 2, 29).has_value());
    EXPECT_TRUE(Date::fromYmd(2004, 2, 29).has_value());
    EXPECT_FALSE(Date::fromYmd(1900, 2, 29).has_value());
    EXPECT_FALSE(Date::fromYmd(2001, 2, 29).has_value());
    EXPECT_EQ(Date::fromYmd(2000, 3, 1)->dayNumber() - Date::fromYmd(2000, 2, 28)->dayNumber(), 2);
    EXPECT_EQ(Date::fromYmd(1900, 3, 1)->dayNumber() - Date::fromYmd(1900, 2, 28)->dayNumber(), 1);
}

TEST(DateCalendar, refuses_impossible_dates_and_years_out_of_range) {
    EXPECT_FALSE(Date::fromYmd(2001, 4, 31).has_value());
    EXPECT_FALSE(Date::fromYmd(2001, 0, 1).has_value());
    EXPECT_FALSE(Date::fromYmd(2001, 13, 1).has_value());
    EXPECT_FALSE(Date::fromYmd(2001, 1, 0).has_value());
    EXPECT_FALSE(Date::fromYmd(1800, 12, 31).has_value());
    EXPECT_FALSE(Date::fromYmd(10000, 1, 1).has_value());
    EXPECT_TRUE(Date::fromYmd(9999, 12, 31).has_value());
}

TEST(DateText, parses_exactly_dd_mm_yyyy) {
    EXPECT_EQ(Date::parse("05/03/2001")->toString(), "05/03/2001");
    EXPECT_EQ(Date::parse("29/02/2004")->month(), 2);
    EXPECT_TRUE(Date::parse("")->isEmpty());
    EXPECT_TRUE(Date::parse("          ")->isEmpty());
    for (std::string_view bad :
         {"31/04/2001", "29/02/2001", "5/3/2001", "05-03-2001", "05/03/01", "05/03/2001 ",
          "aa/bb/cccc", "00/01/2001", "05/03/+001", "32/01/2001"})
        EXPECT_FALSE(Date::parse(bad).has_value()) << bad;
}

TEST(DateText, empty_date_has_no_text_and_no_parts) {
    const Date empty;
    EXPECT_EQ(empty.toString(), "");
    EXPECT_EQ(empty.year(), 0);
    EXPECT_EQ(empty.day(), 0);
    EXPECT_LT(empty, *Date::fromYmd(1801, 1, 1));
}

}  // namespace
}  // namespace vorda
