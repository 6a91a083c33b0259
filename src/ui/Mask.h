// The input masks of masked text boxes, shared by both realizations so that a
// half-filled box has the same value in each.
//
// Mask characters: "#" a digit; "*" any character (a digit only when the box is
// digits-only); "U" a letter, turned to a capital; "?" any character. Every other
// character is a literal that the box shows but its value leaves out.
// Masks in use: "##/##/##", "##:##", "****/**/**", "****/**", "U?".
//
// The value holds one character per input position, an unfilled position being a
// blank, with trailing blanks removed: "****/**/**" showing "2000/1 /  " has the
// value "20001".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ardel::ui {

class Mask {
public:
    explicit Mask(std::string pattern, bool digitsOnly = false);

    const std::string& pattern() const { return pattern_; }
    int inputCount() const { return inputCount_; }
    bool isLiteral(std::size_t position) const;

    // The character stored when `c` is typed at input position `index`, or nothing when refused.
    std::optional<char> accept(int index, char c) const;
    // A value set from code, made valid: a refused character becomes an unfilled position.
    std::string normalize(std::string_view value) const;
    // The text the box shows for a value: the whole pattern with literals and blanks.
    std::string display(std::string_view value) const;
    // The value of a shown text (the inverse of display).
    std::string valueOf(std::string_view shown) const;

private:
    std::string pattern_;
    bool digitsOnly_;
    int inputCount_ = 0;
};

} // namespace ardel::ui
