#include "rinex/ObservationHeader.h"

namespace ardel::rinex {

HeaderResult readObservation(std::istream&, bool) {
    return {std::nullopt, "not read yet"};
}

} // namespace ardel::rinex
