// Small RINEX 2.11 observation files for the import window's tests: a header with
// every value the import reads, and one epoch of data.
#pragma once

#include <fstream>
#include <string>

namespace ardel::testing {

struct RinexSample {
    std::string marker = "ALGO";
    std::string receiverSerial = "5035K69749";
    std::string receiverType = "TRIMBLE NETR9";
    std::string antennaSerial = "5000118223";
    std::string antennaCode = "TRM59800.00     SCIS";
    std::string position = "   918129.3750 -4346071.2500  4561977.8750"; // near 45.9 N, 78.1 W
    std::string height = "        1.5670";
    int day = 21; // of March 2026
};

inline std::string rinexHeaderLine(const std::string& data, const std::string& label) {
    std::string line = data;
    line.resize(60, ' ');
    return line + label + "\n";
}

inline std::string rinexText(const RinexSample& sample) {
    const std::string day = std::to_string(sample.day);
    const std::string when = "  2026     3    " + day;
    return rinexHeaderLine("     2.11           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE") +
           rinexHeaderLine(sample.marker, "MARKER NAME") +
           rinexHeaderLine(sample.receiverSerial + std::string(20 - sample.receiverSerial.size(), ' ') +
                               sample.receiverType + std::string(20 - sample.receiverType.size(), ' ') + "4.85",
                           "REC # / TYPE / VERS") +
           rinexHeaderLine(sample.antennaSerial + std::string(20 - sample.antennaSerial.size(), ' ') +
                               sample.antennaCode,
                           "ANT # / TYPE") +
           rinexHeaderLine(sample.position, "APPROX POSITION XYZ") +
           rinexHeaderLine(sample.height + "        0.0000        0.0000", "ANTENNA: DELTA H/E/N") +
           rinexHeaderLine("     1    C1", "# / TYPES OF OBSERV") +
           rinexHeaderLine(when + "     0     0    0.0000000     GPS", "TIME OF FIRST OBS") +
           rinexHeaderLine(when + "    23    59   30.0000000     GPS", "TIME OF LAST OBS") +
           rinexHeaderLine("", "END OF HEADER") + " 26  3 " + day + "  0  0  0.0000000  0  1G01\n" + "  20000000.000\n";
}

inline void writeRinex(const std::string& path, const RinexSample& sample) {
    std::ofstream(path, std::ios::binary) << rinexText(sample);
}

} // namespace ardel::testing
