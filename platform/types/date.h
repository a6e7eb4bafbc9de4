// Date: a calendar date kept as a day number; 0 means "no date".
//
// Day 1 is 1 January 1801; every later day counts one more. Dates are shown
// and entered as dd/mm/yyyy. Only years 1801 to 9999 are representable.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorda {

class Date {
public:
    constexpr Date() = default;
    static constexpr Date fromDayNumber(int32_t day) {
        Date d;
        d.day_ = day;
        return d;
    }
    // nullopt when the year, month or day is out of range (31/02, 00/01, ...).
    static std::optional<Date> fromYmd(int year, int month, int day);

    // Accepts exactly "dd/mm/yyyy" with a real calendar date; a blank text is
    // the empty date (0). Anything else gives nullopt.
    static std::optional<Date> parse(std::string_view text);

    constexpr int32_t dayNumber() const { return day_; }
    constexpr bool isEmpty() const { return day_ == 0; }

    // Calendar parts; 0 for the empty date.
    int year() const;
    int month() const;
    int day() const;

    // "05/03/2001"; the empty date gives "".
    std::string toString() const;

    friend constexpr auto operator<=>(Date, Date) = default;
    friend constexpr bool operator==(Date, Date) = default;

private:
    int32_t day_ = 0;
};

}  // namespace vorda
