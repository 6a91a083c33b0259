// The lines of RINEX and ANTEX headers: data in columns 1-60, the label in 61-80
// (left-justified; some writers cut the trailing blanks, so a line may be shorter).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ardel::rinex {

inline constexpr std::size_t kDataWidth = 60;
inline constexpr std::size_t kLabelColumn = 60;
inline constexpr std::size_t kLabelWidth = 20;

// The label without its trailing blanks (or a carriage return).
std::string labelOf(std::string_view line);
// The line's characters [offset, offset + width), as far as the line reaches.
std::string field(std::string_view line, std::size_t offset, std::size_t width);
// The text without its leading and trailing blanks.
std::string trimmed(std::string_view text);

} // namespace ardel::rinex
