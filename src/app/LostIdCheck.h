// The stations whose 4-character ID would be lost on writing: the ID lives only in
// the station line and in the media identifier of the station's sessions, so a
// station with an ID and no session loses it.
#pragma once

#include "model/Project.h"

#include <string>
#include <utility>
#include <vector>

namespace ardel {

// (SSN, ID) of each station, in list order, whose ID is not blank and whose SSN
// begins no session line.
std::vector<std::pair<std::string, std::string>> stationsLosingIds(const Project& project);

// The question asked (or, in batch mode, the warning printed) for each such station;
// the arguments are the SSN and the ID.
inline constexpr char kLostIdQuestion[] =
    "There are no sessions for SSN %s.\n              The four character ID %s for this station will be lost. \n"
    "              See the explanation under SERFIL for more information.\n\n              Continue?";

} // namespace ardel
