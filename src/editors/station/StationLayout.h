// The columns of the station editor's three record bodies: the *80* station body,
// the *86* heights body and the *90* fixed-station body (0-based offsets into the
// 70-character body; the B-file column is the offset + 11).
#pragma once

#include <cstddef>

namespace ardel::station_layout {

// A field of a record body: its offset and width.
struct Column {
    std::size_t offset;
    std::size_t width;
};

// The *80* station body.
namespace station {
constexpr Column kSsn{0, 4};
constexpr Column kName{4, 30};
constexpr Column kLatitude{34, 6};          // DDMMSS
constexpr Column kLatitudeFraction{40, 5};  // of a second
constexpr Column kLatitudeCode{45, 1};      // N or S
constexpr Column kLongitude{46, 7};         // DDDMMSS
constexpr Column kLongitudeFraction{53, 5}; // of a second
constexpr Column kLongitudeCode{58, 1};     // W or E
// Blank when written; a body read from a file may carry an orthometric height here.
constexpr Column kElevation{59, 6};
constexpr Column kElevationMetres{59, 4};
constexpr Column kElevationCentimetres{63, 2};
constexpr Column kElevationCode{65, 1};
constexpr Column kStateOrCountry{66, 2};
constexpr Column kStationOrder{68, 1};
constexpr Column kStationType{69, 1};
} // namespace station

// The *86* heights body.
namespace heights {
constexpr Column kSsn{0, 4};
constexpr Column kOrthometricMetres{6, 4};
constexpr Column kOrthometricMillimetres{10, 3};
constexpr Column kOrthometricCode{13, 1};
constexpr Column kOrthometricOrderAndClass{14, 2};
constexpr Column kFromDataBase{16, 1}; // Y or N
constexpr Column kOrthometricDatum{17, 2};
constexpr Column kKeptMiddle{19, 16}; // carried over from the body given
constexpr Column kEllipsoidalMetres{35, 4};
constexpr Column kEllipsoidalMillimetres{39, 3};
constexpr Column kEllipsoidalCode{42, 1};
constexpr Column kEllipsoidalOrderAndClass{43, 2};
constexpr Column kEllipsoidalDatum{45, 1};
constexpr Column kKeptEnd{56, 14}; // carried over; 46-55 are always blank
} // namespace heights

// The *90* fixed-station body: blanks but for these.
namespace fixed {
constexpr Column kSsn{0, 4};
constexpr Column kAgency{4, 6};
constexpr Column kMark{64, 1};
constexpr const char* kMarkText = "G";
} // namespace fixed

} // namespace ardel::station_layout
