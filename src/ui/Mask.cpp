#include "ui/Mask.h"

#include "ui/Text.h"

namespace ardel::ui {

namespace {
bool isMaskChar(char c) {
    return c == '#' || c == '*' || c == 'U' || c == '?';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return foldCase(c) != upperCase(c);
}
} // namespace

Mask::Mask(std::string pattern, bool digitsOnly) : pattern_(std::move(pattern)), digitsOnly_(digitsOnly) {
    for (char c : pattern_) {
        inputCount_ += isMaskChar(c) ? 1 : 0;
    }
}

bool Mask::isLiteral(std::size_t position) const {
    return position < pattern_.size() && !isMaskChar(pattern_[position]);
}

std::optional<char> Mask::accept(int index, char c) const {
    int seen = 0;
    for (char m : pattern_) {
        if (!isMaskChar(m)) {
            continue;
        }
        if (seen++ != index) {
            continue;
        }
        switch (m) {
        case '#':
            return isDigit(c) ? std::optional<char>(c) : std::nullopt;
        case '*':
            return (!digitsOnly_ || isDigit(c)) ? std::optional<char>(c) : std::nullopt;
        case 'U':
            return isLetter(c) ? std::optional<char>(upperCase(c)) : std::nullopt;
        default:
            return c;
        }
    }
    return std::nullopt;
}

std::string Mask::normalize(std::string_view value) const {
    std::string out;
    for (int i = 0; i < inputCount_ && i < static_cast<int>(value.size()); ++i) {
        out += accept(i, value[i]).value_or(' ');
    }
    return trimRight(out);
}

std::string Mask::display(std::string_view value) const {
    const std::string valid = normalize(value);
    std::string shown;
    std::size_t next = 0;
    for (char m : pattern_) {
        if (isMaskChar(m)) {
            shown += next < valid.size() ? valid[next] : ' ';
            ++next;
        } else {
            shown += m;
        }
    }
    return shown;
}

std::string Mask::valueOf(std::string_view shown) const {
    std::string value;
    for (std::size_t i = 0; i < pattern_.size(); ++i) {
        if (isMaskChar(pattern_[i])) {
            value += i < shown.size() ? shown[i] : ' ';
        }
    }
    return normalize(value);
}

} // namespace ardel::ui
