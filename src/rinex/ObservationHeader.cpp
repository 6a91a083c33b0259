#include "rinex/ObservationHeader.h"

#include "rinex/EpochLines.h"
#include "rinex/HeaderLines.h"

#include <cstdlib>
#include <sstream>

namespace ardel::rinex {

namespace {

// The labels of the two lines a Compact RINEX file puts before the RINEX header.
constexpr const char* kCompactLabels = "CRINEX ";

// The first `count` numbers standing in the data columns, separated by blanks.
bool numbersOf(const std::string& line, double* values, int count) {
    std::istringstream data(field(line, 0, kDataWidth));
    for (int i = 0; i < count; ++i) {
        if (!(data >> values[i])) {
            return false;
        }
    }
    return true;
}

int intOf(const std::string& line, std::size_t offset, std::size_t width) {
    return std::atoi(field(line, offset, width).c_str());
}

// TIME OF FIRST/LAST OBS: 5I6, F13.7, 5X, A3.
std::optional<Epoch> epochOf(const std::string& line) {
    Epoch epoch{intOf(line, 0, 6),  intOf(line, 6, 6),  intOf(line, 12, 6),
                intOf(line, 18, 6), intOf(line, 24, 6), std::atof(field(line, 30, 13).c_str())};
    if (epoch.year < 1980 || epoch.month < 1 || epoch.month > 12 || epoch.day < 1 || epoch.day > 31) {
        return std::nullopt;
    }
    return epoch;
}

// The time system a header without one means: the satellite system's own, GPS for a mixed file.
TimeSystem systemOfSatellites(char system) {
    switch (system) {
    case 'R':
        return TimeSystem::Glo;
    case 'E':
        return TimeSystem::Gal;
    case 'J':
        return TimeSystem::Qzs;
    case 'C':
        return TimeSystem::Bds;
    case 'I':
        return TimeSystem::Irn;
    default:
        return TimeSystem::Gps;
    }
}

const char* kindOfFile(char type) {
    switch (type) {
    case 'N':
    case 'G':
    case 'H':
    case 'B':
    case 'L':
        return "not an observation file (navigation)";
    case 'M':
        return "not an observation file (meteorological)";
    default:
        return "not an observation file";
    }
}

// Reads the header lines; the stream is left at the first data line.
struct HeaderReader {
    std::istream& in;
    Observation observation;
    char satelliteSystem = 'G';
    std::string timeSystemCode;
    int observationTypes = 0; // RINEX 2: # / TYPES OF OBSERV

    std::string read() {
        std::string line;
        bool first = true;
        for (int count = 0; count < kMaxHeaderLines && std::getline(in, line); ++count) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            const std::string label = labelOf(line);
            if (first && label.starts_with(kCompactLabels)) {
                observation.compact = true;
                continue;
            }
            if (first && label != "RINEX VERSION / TYPE") {
                return "not a RINEX file";
            }
            if (label == "END OF HEADER") {
                return finish();
            }
            if (const std::string refusal = take(label, line, first); !refusal.empty()) {
                return refusal;
            }
            first = false;
        }
        return in.bad() ? "cannot be read" : "no END OF HEADER within the first 1,000 lines";
    }

    std::string take(const std::string& label, const std::string& line, bool first) {
        if (first) {
            observation.version = std::atof(field(line, 0, 9).c_str());
            const char type = field(line, 20, 1).empty() ? ' ' : line[20];
            satelliteSystem = field(line, 40, 1).empty() ? 'G' : line[40];
            if (type != 'O') {
                return kindOfFile(type);
            }
        } else if (label == "MARKER NAME") {
            observation.markerName = trimmed(field(line, 0, kDataWidth));
        } else if (label == "REC # / TYPE / VERS") {
            observation.receiverSerial = trimmed(field(line, 0, 20));
            observation.receiverType = trimmed(field(line, 20, 20));
        } else if (label == "ANT # / TYPE") {
            observation.antennaSerial = trimmed(field(line, 0, 20));
            observation.antennaCode = field(line, 20, 20);
            observation.antennaCode.resize(20, ' ');
        } else if (label == "APPROX POSITION XYZ") {
            double xyz[3] = {};
            if (numbersOf(line, xyz, 3)) {
                observation.x = xyz[0], observation.y = xyz[1], observation.z = xyz[2];
            }
        } else if (label == "ANTENNA: DELTA H/E/N") {
            double hen[3] = {};
            if (numbersOf(line, hen, 3)) {
                observation.deltaH = hen[0];
            }
        } else if (label == "# / TYPES OF OBSERV") {
            if (const int types = intOf(line, 0, 6); types > 0) {
                observation.observationTypes = types;
            }
        } else if (label == "TIME OF FIRST OBS") {
            observation.firstObs = epochOf(line);
            timeSystemCode = field(line, 48, 3);
        } else if (label == "TIME OF LAST OBS") {
            observation.lastObs = epochOf(line);
        }
        return {};
    }

    std::string finish() {
        if (!observation.firstObs) {
            return "no TIME OF FIRST OBS in the header";
        }
        observation.timeSystem = timeSystemOf(trimmed(timeSystemCode), systemOfSatellites(satelliteSystem));
        return {};
    }
};

} // namespace

HeaderResult readObservation(std::istream& in, bool findLastEpoch) {
    HeaderReader reader{in, {}};
    if (std::string refusal = reader.read(); !refusal.empty()) {
        return {std::nullopt, std::move(refusal)};
    }
    Observation& observation = reader.observation;
    if (!observation.lastObs && findLastEpoch) {
        observation.lastObs = lastEpoch(in, observation);
        observation.lastFromData = observation.lastObs.has_value();
    }
    return {std::move(observation), {}};
}

} // namespace ardel::rinex
