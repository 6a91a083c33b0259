// The ANTEX reader: of every antenna in the file, the L1 (G01) phase-centre height
// above the antenna reference point (the UP offset, millimetres), for the type mean
// and for each individually calibrated serial number.
#pragma once

#include <istream>
#include <map>
#include <optional>
#include <string>

namespace ardel::rinex {

class AntennaOffsets {
public:
    // The antenna code as 20 characters (type 16, radome 4) with a NONE radome as blanks.
    static std::string normalCode(std::string_view code);

    void add(const std::string& code, const std::string& serial, double upMillimetres);
    // The UP offset of the antenna's individual calibration, else of its type mean.
    std::optional<double> upOf(const std::string& code, const std::string& serial) const;
    bool empty() const { return offsets_.empty(); }

private:
    std::map<std::pair<std::string, std::string>, double> offsets_; // (code, serial or "") -> UP
};

// Reads the antenna blocks of an ANTEX file; nothing when it is not one (no ANTEX
// VERSION / SYST header line).
std::optional<AntennaOffsets> readAntex(std::istream& in);

} // namespace ardel::rinex
