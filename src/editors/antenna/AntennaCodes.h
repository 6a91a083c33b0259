// The antenna codes of the standard's annex, as the antenna editor offers them: one
// item a row, laid out in columns so that the code is the item's first 20 characters.
//   0-15   antenna type, left-justified
//   16-19  radome code, or blanks when the row names none
//   20     blank
//   21-61  description of the model (the last row ends after its 40 characters)
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ardel {

inline constexpr std::size_t kAntennaTypeWidth = 16;
inline constexpr std::size_t kRadomeWidth = 4;
// The part of an item that goes into the *72* record: antenna type and radome.
inline constexpr std::size_t kAntennaCodeWidth = kAntennaTypeWidth + kRadomeWidth;
inline constexpr std::size_t kAntennaDescriptionColumn = kAntennaCodeWidth + 1;

// The 115 items, in the order of the list: NONE first, the makers' codes by prefix,
// the two catch-all codes last. Four rows stand twice, as the annex has them.
const std::vector<std::string>& antennaCodeItems();

} // namespace ardel
