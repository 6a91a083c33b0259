#include "app/LostIdCheck.h"

namespace ardel {

std::vector<std::pair<std::string, std::string>> stationsLosingIds(const Project& project) {
    std::vector<std::pair<std::string, std::string>> losing;
    for (const std::string& line : project.lb_Stations.lines()) {
        const std::string id = slice(line, station_line::kId, station_line::kIdWidth);
        const std::string ssn = slice(line, station_line::kBody, kSsnWidth);
        if (id.find_first_not_of(' ') == std::string::npos || project.lb_Sessions.find(ssn) >= 0) {
            continue;
        }
        losing.emplace_back(ssn, id);
    }
    return losing;
}

} // namespace ardel
