// The antenna code conversion table (lb_J2M): one row per old-style (Annex J) code
// of a *71* record, with the new-style (Annex M) code a *72* record carries instead.
#pragma once

#include "model/TextStore.h"

#include <string>
#include <string_view>

namespace ardel {

// A row: the old code left-justified in 16, a blank, the new code left-justified in 21.
namespace j2m_row {
constexpr std::size_t kOldCode = 0, kOldCodeWidth = 16;
constexpr std::size_t kNewCode = 17, kNewCodeWidth = 21;
} // namespace j2m_row

// The new code (21 characters) of the first row from the top that begins with the
// 16-character old code (trailing blanks included, letter case ignored); 21 blanks
// when no row does.
std::string newAntennaCode(const TextStore& j2m, std::string_view oldCode);

} // namespace ardel
