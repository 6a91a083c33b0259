// Observation, navigation and ANTEX files written by the tests from the format facts:
// RINEX 2.11 and 3.04, plain or Compact RINEX, plain or compressed with libarchive.
#pragma once

#include <string>
#include <vector>

namespace ardel::testing {

struct EpochTime {
    int year, month, day, hour, minute;
    double second;
};

struct ObservationContent {
    double version = 3.04;
    bool compact = false;
    std::string marker = "CEDA00USA";
    std::string receiverSerial = "5832K01234";
    std::string receiverType = "TRIMBLE NETR9";
    std::string antennaSerial = "1441112233";
    std::string antennaCode = "TRM57971.00     NONE";
    double x = 0, y = 0, z = 0;
    bool wideNumbers = false; // 3F15.4 instead of 3F14.4
    double deltaH = 1.5;
    EpochTime first{2024, 1, 5, 0, 0, 0};
    std::string timeSystem = "GPS";
    bool lastInHeader = true;
    std::vector<EpochTime> epochs{{2024, 1, 5, 0, 0, 0}, {2024, 1, 5, 0, 0, 30}, {2024, 1, 5, 23, 59, 30}};
};

// One header line: the data in columns 1-60, the label in 61-80.
std::string headerLine(const std::string& data, const std::string& label);

std::string observationText(const ObservationContent& content);
// A RINEX 3 navigation file's header.
std::string navigationText();
// An ANTEX file with a type-mean and an individual L1 offset (mm) for one antenna code.
std::string antexText(const std::string& code, double meanUp, const std::string& serial, double ownUp);

// Writes `text` to `path`, compressed as its suffix says (.gz, .Z, .bz2, .zip) or plain.
void writeMaybeCompressed(const std::string& path, const std::string& text);

// Geocentric X, Y, Z of a GRS 80 latitude, longitude (degrees) and height, by the
// closed formula (independent of the program's conversion).
void grs80ToXyz(double latitude, double longitude, double height, double& x, double& y, double& z);

} // namespace ardel::testing
