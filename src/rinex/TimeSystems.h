// Epochs of a RINEX file and the time systems they are given in, with the leap
// seconds that take GPS, Galileo, QZSS, IRNSS and BeiDou time to UTC.
#pragma once

#include <string_view>

namespace ardel::rinex {

enum class TimeSystem { Gps, Glo, Gal, Qzs, Bds, Irn, Utc };

// "GPS", "GLO", ... ; blank is GPS (a pure GLONASS RINEX 2 file: GLO, decided by the reader).
TimeSystem timeSystemOf(std::string_view code, TimeSystem blank = TimeSystem::Gps);

struct Epoch {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double second = 0;
};

// Seconds that `system` runs ahead of UTC at `epoch` (GPS 18 s from 2017, BDS 4 s, GLO 0).
int secondsAheadOfUtc(TimeSystem system, const Epoch& epoch);
// `epoch` in `system` as UTC, the seconds kept (a minute may roll back over a day boundary).
Epoch toUtc(const Epoch& epoch, TimeSystem system);
// `epoch` moved by `seconds` (either sign), carried through minutes, hours, days, months.
Epoch addSeconds(const Epoch& epoch, double seconds);

} // namespace ardel::rinex
