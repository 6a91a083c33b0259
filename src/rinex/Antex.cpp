#include "rinex/Antex.h"

#include "rinex/HeaderLines.h"

#include <cstdlib>

namespace ardel::rinex {

namespace {

constexpr std::size_t kTypeWidth = 16, kRadomeWidth = 4, kCodeWidth = 20;
constexpr const char* kNoRadome = "NONE";
constexpr const char* kL1 = "G01";

} // namespace

std::string AntennaOffsets::normalCode(std::string_view code) {
    std::string normal(code.substr(0, kCodeWidth));
    normal.resize(kCodeWidth, ' ');
    if (normal.substr(kTypeWidth, kRadomeWidth) == kNoRadome) {
        normal.replace(kTypeWidth, kRadomeWidth, kRadomeWidth, ' ');
    }
    return normal;
}

void AntennaOffsets::add(const std::string& code, const std::string& serial, double upMillimetres) {
    offsets_.emplace(std::pair(normalCode(code), trimmed(serial)), upMillimetres);
}

std::optional<double> AntennaOffsets::upOf(const std::string& code, const std::string& serial) const {
    const std::string normal = normalCode(code);
    if (const std::string own = trimmed(serial); !own.empty()) {
        if (const auto found = offsets_.find({normal, own}); found != offsets_.end()) {
            return found->second;
        }
    }
    if (const auto found = offsets_.find({normal, ""}); found != offsets_.end()) {
        return found->second;
    }
    return std::nullopt;
}

std::optional<AntennaOffsets> readAntex(std::istream& in) {
    AntennaOffsets offsets;
    bool isAntex = false;
    std::string line, code, serial, frequency;
    while (std::getline(in, line)) {
        const std::string label = labelOf(line);
        if (label == "ANTEX VERSION / SYST") {
            isAntex = true;
        } else if (label == "START OF ANTENNA") {
            code.clear(), serial.clear(), frequency.clear();
        } else if (label == "TYPE / SERIAL NO") {
            code = field(line, 0, kCodeWidth);
            serial = field(line, kCodeWidth, kCodeWidth);
        } else if (label == "START OF FREQUENCY") {
            frequency = field(line, 3, 3);
        } else if (label == "END OF FREQUENCY") {
            frequency.clear();
        } else if (label == "NORTH / EAST / UP" && frequency == kL1 && !code.empty()) {
            offsets.add(code, serial, std::atof(field(line, 20, 10).c_str()));
        }
    }
    if (!isAntex) {
        return std::nullopt;
    }
    return offsets;
}

} // namespace ardel::rinex
