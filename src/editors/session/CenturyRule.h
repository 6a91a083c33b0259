// The calendar arithmetic of the media identifier: which century a two-digit
// observation year belongs to, decided by the project start month, and the day
// of year of the observation. Days are counted on a continuous scale from the
// GPS epoch, 6 January 1980 (day 0 of GPS week 0), by the Gregorian calendar.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ardel::century {

struct CalendarDate {
    int year = 0;
    int month = 0; // 1-12
    int day = 0;   // 1-31

    bool operator==(const CalendarDate&) const = default;
};

// Divisible by 4 and not by 100, or divisible by 400.
bool isLeapYear(int year);
// 28 to 31 days; 0 for a month outside 1-12.
int daysInMonth(int year, int month);
// A month of 1-12 and a day that exists in it.
bool isValidDate(const CalendarDate& date);

// The number of days from 6 January 1980 to `date` (negative before it): 1980-01-06 is 0,
// 2000-01-01 is 7300, 1999-08-22 is 7168 (week 1024). For a day beyond its month's end the
// count runs on into the next month (29 February 1900 counts as 1 March 1900).
long gpsDay(const CalendarDate& date);
// The GPS week and day of week (0 = Sunday) of a day count.
long gpsWeek(long day);
int gpsDayOfWeek(long day);
// 1 January is day 1; 31 December of a leap year day 366. Expects a valid date.
int dayOfYear(const CalendarDate& date);

// The first day of a project start month given as CCYYMM: six digits, month 01-12.
// "199912" -> 1999-12-01; "", "      ", "1999", "199913", "1999 1" -> nothing.
std::optional<CalendarDate> projectStart(std::string_view ccyymm);

// The full date of an observation dated YYMMDD: the century of the project start,
// moved on by 100 years while the date is earlier than the first day of the start
// month (both at 00:00). Nothing when the start is no CCYYMM, the date is not six
// digits, or the resulting day does not exist.
//   start "199912", "000105" -> 2000-01-05; start "199906", "990101" -> 2099-01-01;
//   start "199906", "990601" -> 1999-06-01; start "199912", "000229" -> 2000-02-29.
std::optional<CalendarDate> observationDate(std::string_view projectStartCcyymm, std::string_view yymmdd);

// The day of year (3 digits) and the last digit of the year that a media identifier
// carries for an observation date: 2024-01-05 -> "0054".
std::string mediaDayAndYear(const CalendarDate& date);

} // namespace ardel::century
