#include "rinex/Geodesy.h"

#include <GeographicLib/Geocentric.hpp>
#include <cmath>
#include <cstdio>

namespace ardel::rinex {

namespace {

// GRS 80.
constexpr double kSemiMajorAxis = 6378137.0;
constexpr double kInverseFlattening = 298.257222101;

const GeographicLib::Geocentric& grs80() {
    static const GeographicLib::Geocentric ellipsoid(kSemiMajorAxis, 1 / kInverseFlattening);
    return ellipsoid;
}

constexpr long long kUnitsPerSecond = 100000; // 0.00001 of an arc-second

} // namespace

Geodetic toGeodetic(const Geocentric& point) {
    Geodetic geodetic;
    grs80().Reverse(point.x, point.y, point.z, geodetic.latitude, geodetic.longitude, geodetic.height);
    return geodetic;
}

Geocentric toGeocentric(const Geodetic& point) {
    Geocentric geocentric;
    grs80().Forward(point.latitude, point.longitude, point.height, geocentric.x, geocentric.y, geocentric.z);
    return geocentric;
}

std::string degreesMinutesSeconds(double degrees, int degreeDigits) {
    const long long units = std::llround(std::fabs(degrees) * 3600.0 * kUnitsPerSecond);
    const long long wholeSeconds = units / kUnitsPerSecond;
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld%02lld%02lld.%05lld", degreeDigits, wholeSeconds / 3600,
                  wholeSeconds / 60 % 60, wholeSeconds % 60, units % kUnitsPerSecond);
    return text;
}

} // namespace ardel::rinex
