// The data part of an observation file, read only for its last epoch: RINEX 2 epoch
// lines (with their satellite and observation lines skipped by count), RINEX 3/4
// epoch lines (">" in column 1), and Compact RINEX epoch lines, each stored as the
// difference against the one before.
#pragma once

#include "rinex/ObservationHeader.h"

#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace ardel::rinex {

// The last observation epoch (flag 0, 1 or 6) of the data part that `in` stands at.
std::optional<Epoch> lastEpoch(std::istream& in, const Observation& observation);

// A Compact RINEX epoch line rebuilt from the one before and its stored difference:
// a blank keeps the character, "&" makes it a blank, any other character replaces it;
// characters beyond the difference are kept.
std::string applyEpochDifference(std::string_view previous, std::string_view difference);

// The epoch of a RINEX 2 (" YY MM DD HH MM SS.SSSSSSS  F") or RINEX 3 ("> YYYY ...")
// epoch line, with its flag and count; nothing when the line is no epoch line.
struct EpochLine {
    Epoch epoch;
    int flag = 0;
    int count = 0; // satellites, or special-record lines for flags 2-5
    bool hasEpoch = true;
};
std::optional<EpochLine> parseEpochLine(std::string_view line, bool version3);

} // namespace ardel::rinex
