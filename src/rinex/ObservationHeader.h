// The RINEX observation header reader (versions 2.10/2.11, 3.0x and 4.0x, plain or
// Compact RINEX): the values an import needs, read by their columns from the header
// lines, and the file's last epoch when the header does not give it.
#pragma once

#include "rinex/TimeSystems.h"

#include <istream>
#include <optional>
#include <string>

namespace ardel::rinex {

// The header values of one observation file.
struct Observation {
    double version = 0;
    bool compact = false; // Compact RINEX: the data part is stored as differences
    std::string markerName;
    std::string receiverSerial, receiverType; // REC # / TYPE / VERS, trimmed
    std::string antennaSerial;                // ANT # / TYPE columns 1-20, trimmed
    std::string antennaCode;                  // ANT # / TYPE columns 21-40 as written, 20 characters
    double x = 0, y = 0, z = 0;               // APPROX POSITION XYZ, metres
    double deltaH = 0;                        // ANTENNA: DELTA H/E/N, the ARP height
    std::optional<Epoch> firstObs, lastObs;   // TIME OF FIRST/LAST OBS (or the last epoch of the data)
    TimeSystem timeSystem = TimeSystem::Gps;
    int observationTypes = 0;  // RINEX 2: # / TYPES OF OBSERV (data lines per satellite follow from it)
    bool lastFromData = false; // the last epoch was found by reading the data part
};

// The outcome of reading a header: the values, or why the file was refused.
struct HeaderResult {
    std::optional<Observation> observation;
    std::string error; // "not an observation file (navigation)", ...
};

// The header lines a reader looks at before it gives up on finding END OF HEADER.
constexpr int kMaxHeaderLines = 1000;

// Reads the header from `in`; with `findLastEpoch` and no TIME OF LAST OBS, reads the
// data part to its end for the last epoch.
HeaderResult readObservation(std::istream& in, bool findLastEpoch = true);

} // namespace ardel::rinex
