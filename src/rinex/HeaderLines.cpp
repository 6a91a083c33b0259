#include "rinex/HeaderLines.h"

namespace ardel::rinex {

std::string labelOf(std::string_view line) {
    std::string label = field(line, kLabelColumn, kLabelWidth);
    while (!label.empty() && (label.back() == ' ' || label.back() == '\r')) {
        label.pop_back();
    }
    return label;
}

std::string field(std::string_view line, std::size_t offset, std::size_t width) {
    return offset < line.size() ? std::string(line.substr(offset, width)) : std::string();
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

} // namespace ardel::rinex
