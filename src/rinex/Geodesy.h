// Geocentric X, Y, Z and geodetic latitude, longitude and height on the GRS 80
// ellipsoid (GeographicLib's exact conversion), and the station-body layout of a
// latitude and longitude rounded to 0.00001 of an arc-second.
#pragma once

#include <string>

namespace ardel::rinex {

struct Geodetic {
    double latitude = 0, longitude = 0; // degrees, north and east positive
    double height = 0;                  // metres above the ellipsoid
};

struct Geocentric {
    double x = 0, y = 0, z = 0; // metres
};

Geodetic toGeodetic(const Geocentric& point);
Geocentric toGeocentric(const Geodetic& point);

// An angle as whole degrees (zero-filled to `degreeDigits`), minutes, seconds and five
// decimals of a second, without its sign: 38.5 with 2 digits -> "383000.00000".
std::string degreesMinutesSeconds(double degrees, int degreeDigits);

} // namespace ardel::rinex
