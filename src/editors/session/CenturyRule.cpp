#include "editors/session/CenturyRule.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace ardel::century {

namespace {

constexpr long kDaysFrom1970ToGpsEpoch = 3657; // 1970-01-01 to 1980-01-06
constexpr int kDaysPerWeek = 7;
constexpr int kYearsPerCentury = 100;
constexpr std::array<int, 12> kMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days from 1970-01-01 by the proleptic Gregorian calendar, counted in eras of 400 years
// (146097 days) from 1 March, so that a leap day falls at the end of its year.
long daysFrom1970(int year, int month, int day) {
    const long y = year - (month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long shiftedMonth = month > 2 ? month - 3 : month + 9; // March is 0
    const long dayOfShiftedYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfShiftedYear;
    return era * 146097 + dayOfEra - 719468;
}

// The value of a run of digits; nothing when any character is not a digit.
std::optional<int> digitsValue(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool earlier(const CalendarDate& a, const CalendarDate& b) {
    return gpsDay(a) < gpsDay(b);
}

} // namespace

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && isLeapYear(year) ? 29 : kMonthLengths[static_cast<std::size_t>(month - 1)];
}

bool isValidDate(const CalendarDate& date) {
    return date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

long gpsDay(const CalendarDate& date) {
    return daysFrom1970(date.year, date.month, date.day) - kDaysFrom1970ToGpsEpoch;
}

long gpsWeek(long day) {
    return (day >= 0 ? day : day - (kDaysPerWeek - 1)) / kDaysPerWeek;
}

int gpsDayOfWeek(long day) {
    return static_cast<int>(day - gpsWeek(day) * kDaysPerWeek);
}

int dayOfYear(const CalendarDate& date) {
    return static_cast<int>(gpsDay(date) - gpsDay({date.year, 1, 1})) + 1;
}

std::optional<CalendarDate> projectStart(std::string_view ccyymm) {
    if (ccyymm.size() != 6) {
        return std::nullopt;
    }
    const auto year = digitsValue(ccyymm.substr(0, 4));
    const auto month = digitsValue(ccyymm.substr(4, 2));
    if (!year || !month || *month < 1 || *month > 12) {
        return std::nullopt;
    }
    return CalendarDate{*year, *month, 1};
}

std::optional<CalendarDate> observationDate(std::string_view projectStartCcyymm, std::string_view yymmdd) {
    const auto start = projectStart(projectStartCcyymm);
    if (!start || yymmdd.size() != 6) {
        return std::nullopt;
    }
    const auto yy = digitsValue(yymmdd.substr(0, 2));
    const auto month = digitsValue(yymmdd.substr(2, 2));
    const auto day = digitsValue(yymmdd.substr(4, 2));
    if (!yy || !month || !day || *month < 1 || *month > 12 || *day < 1) {
        return std::nullopt;
    }
    const int century = start->year / kYearsPerCentury;
    CalendarDate observation{century * kYearsPerCentury + *yy, *month, *day};
    while (earlier(observation, *start)) {
        observation.year += kYearsPerCentury;
    }
    if (!isValidDate(observation)) {
        return std::nullopt;
    }
    return observation;
}

std::string mediaDayAndYear(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%3.3d%d", dayOfYear(date), std::abs(date.year % 10));
    return text;
}

} // namespace ardel::century
