#include "editors/header/Datums.h"

#include <algorithm>
#include <array>

namespace ardel {

namespace {
// clang-format off
constexpr std::array<DatumEllipsoid, 4> kDatums{{
    // datum name                  ellipsoid name        semi-major    inverse flattening
    {"NORTH AMERICAN DATUM-83 ",   "GRS-80          ",   "6378137000", "2982572221"},
    {"WORLD GEODETIC SYS.-84  ",   "WGS-84          ",   "6378137000", "2982572236"},
    {"WORLD GEODETIC SYS.-72  ",   "WGS-72          ",   "6378135000", "29826     "},
    {"NORTH AMERICAN DATUM-27 ",   "CLARK 1866      ",   "6378206400", "2949786982"},
}};
// clang-format on
} // namespace

const DatumEllipsoid* findDatum(std::string_view datumName) {
    const auto found = std::find_if(kDatums.begin(), kDatums.end(),
                                    [&](const DatumEllipsoid& row) { return row.datumName == datumName; });
    return found == kDatums.end() ? nullptr : &*found;
}

} // namespace ardel
