// The datums the header editor offers and the ellipsoid it fills in for each.
#pragma once

#include <string_view>

namespace ardel {

// One row of the datum table; every text has its record field's full width.
struct DatumEllipsoid {
    std::string_view datumName;         // 24
    std::string_view ellipsoidName;     // 16
    std::string_view semiMajorAxis;     // 10: millimetres, "6378137000" is 6 378 137.000 m
    std::string_view inverseFlattening; // 10: three integer digits, left-justified: "29826     " is 298.26
};

// The row whose datum name equals `datumName` exactly, all 24 characters with their
// trailing blanks: "WORLD GEODETIC SYS.-84  " is found, "WORLD GEODETIC SYS.-84",
// "world geodetic sys.-84  " and "NAD 83" are not (nullptr).
const DatumEllipsoid* findDatum(std::string_view datumName);

} // namespace ardel
