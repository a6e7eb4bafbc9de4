// Date: day numbers from and to the proleptic Gregorian calendar.
//
// The conversions are the classic era-based civil <-> days algorithms: an era
// is 400 years (146097 days) and years are counted from 1 March so that the
// leap day falls at the end of the year.
#include "platform/types/date.h"

namespace vorda {

namespace {

struct Ymd {
    int year;
    int month;
    int day;
};

// Days from 1 March of year 0 (proleptic Gregorian) to y-m-d.
int64_t daysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

Ymd civilFromDays(int64_t z) {
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    return {y, m, d};
}

// Day 1 is 1 January 1801.
const int64_t kEpoch = daysFromCivil(1801, 1, 1) - 1;

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : kDays[m - 1];
}

Ymd split(int32_t dayNumber) {
    if (dayNumber == 0)
        return {0, 0, 0};
    return civilFromDays(kEpoch + dayNumber);
}

// Two or four ASCII digits as a number; -1 when any is not a digit.
int digits(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

void appendTwo(std::string& out, int value) {
    out += static_cast<char>('0' + value / 10);
    out += static_cast<char>('0' + value % 10);
}

}  // namespace

std::optional<Date> Date::fromYmd(int year, int month, int day) {
    if (year < 1801 || year > 9999 || month < 1 || month > 12)
        return std::nullopt;
    if (day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    return fromDayNumber(static_cast<int32_t>(daysFromCivil(year, month, day) - kEpoch));
}

std::optional<Date> Date::parse(std::string_view text) {
    if (isBlank(text))
        return Date();
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    const int d = digits(text.substr(0, 2));
    const int m = digits(text.substr(3, 2));
    const int y = digits(text.substr(6, 4));
    if (d < 0 || m < 0 || y < 0)
        return std::nullopt;
    return fromYmd(y, m, d);
}

int Date::year() const {
    return split(day_).year;
}
int Date::month() const {
    return split(day_).month;
}
int Date::day() const {
    return split(day_).day;
}

std::string Date::toString() const {
    if (day_ == 0)
        return {};
    const Ymd ymd = split(day_);
    std::string out;
    appendTwo(out, ymd.day);
    out += '/';
    appendTwo(out, ymd.month);
    out += '/';
    out += std::to_string(ymd.year);
    return out;
}

}  // namespace vorda
