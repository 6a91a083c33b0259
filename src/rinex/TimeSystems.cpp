#include "rinex/TimeSystems.h"

#include "editors/session/CenturyRule.h"

#include <cmath>
#include <iterator>

namespace ardel::rinex {

namespace {

struct LeapSecond {
    int year, month; // GPS - UTC grows by one second at the start of this month
};

// clang-format off
constexpr LeapSecond kLeapSeconds[] = {
    {1981, 7}, {1982, 7}, {1983, 7}, {1985, 7}, {1988, 1}, {1990, 1}, {1991, 1}, {1992, 7},
    {1993, 7}, {1994, 7}, {1996, 1}, {1997, 7}, {1999, 1}, {2006, 1}, {2009, 1}, {2012, 7},
    {2015, 7}, {2017, 1},
};
// clang-format on

constexpr int kBdsBehindGps = 14;
constexpr double kSecondsPerDay = 86400;

int gpsMinusUtc(const Epoch& epoch) {
    int seconds = 0;
    for (const LeapSecond& leap : kLeapSeconds) {
        if (epoch.year > leap.year || (epoch.year == leap.year && epoch.month >= leap.month)) {
            ++seconds;
        }
    }
    return seconds;
}

} // namespace

TimeSystem timeSystemOf(std::string_view code, TimeSystem blank) {
    struct Name {
        std::string_view code;
        TimeSystem system;
    };
    constexpr Name kNames[] = {{"GPS", TimeSystem::Gps}, {"GLO", TimeSystem::Glo}, {"GAL", TimeSystem::Gal},
                               {"QZS", TimeSystem::Qzs}, {"BDT", TimeSystem::Bds}, {"BDS", TimeSystem::Bds},
                               {"IRN", TimeSystem::Irn}, {"UTC", TimeSystem::Utc}};
    for (const Name& name : kNames) {
        if (code.starts_with(name.code)) {
            return name.system;
        }
    }
    return blank;
}

int secondsAheadOfUtc(TimeSystem system, const Epoch& epoch) {
    switch (system) {
    case TimeSystem::Glo:
    case TimeSystem::Utc:
        return 0;
    case TimeSystem::Bds:
        return gpsMinusUtc(epoch) - kBdsBehindGps;
    default:
        return gpsMinusUtc(epoch);
    }
}

Epoch toUtc(const Epoch& epoch, TimeSystem system) {
    return addSeconds(epoch, -secondsAheadOfUtc(system, epoch));
}

Epoch addSeconds(const Epoch& epoch, double seconds) {
    const long day = century::gpsDay({epoch.year, epoch.month, epoch.day});
    double total = day * kSecondsPerDay + epoch.hour * 3600.0 + epoch.minute * 60.0 + epoch.second + seconds;
    const double newDay = std::floor(total / kSecondsPerDay);
    total -= newDay * kSecondsPerDay;
    // Walk the calendar from the old day to the new one: imports move by seconds or days.
    century::CalendarDate date{epoch.year, epoch.month, epoch.day};
    for (long d = day; d < static_cast<long>(newDay); ++d) {
        if (++date.day > century::daysInMonth(date.year, date.month)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
    for (long d = day; d > static_cast<long>(newDay); --d) {
        if (--date.day < 1) {
            if (--date.month < 1) {
                date.month = 12;
                --date.year;
            }
            date.day = century::daysInMonth(date.year, date.month);
        }
    }
    Epoch moved{date.year, date.month, date.day, 0, 0, 0};
    moved.hour = static_cast<int>(total / 3600);
    total -= moved.hour * 3600.0;
    moved.minute = static_cast<int>(total / 60);
    moved.second = total - moved.minute * 60.0;
    return moved;
}

} // namespace ardel::rinex
