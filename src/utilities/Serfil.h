// The SERFIL store: imported pairs of station serial number and 4-character ID,
// each line "SSN   ID" (SSN 4, three blanks, ID 4).
#pragma once

#include "model/TextStore.h"

#include <string>
#include <string_view>

namespace ardel {

namespace serfil_line {
constexpr std::size_t kSsn = 0, kSsnWidth = 4;
constexpr std::size_t kId = 7, kIdWidth = 4;
} // namespace serfil_line

std::string buildSerfilLine(std::string_view ssn, std::string_view id);
// The 4-character ID paired with the SSN (first pair from the top), or "" when none.
std::string serfilIdForSsn(const TextStore& serfil, std::string_view ssn);
// The SSN paired with the 4-character ID (letter case ignored), or "" when none.
std::string serfilSsnForId(const TextStore& serfil, std::string_view id);

} // namespace ardel
