// Word wrap of a multi-line box at a fixed number of columns: the lines as the box
// displays them. Shared by both realizations so that a title is saved as shown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ardel::ui {

// Splits `text` at its line breaks (LF, with a CR before it dropped) and wraps each
// paragraph at `columns`: a line breaks after the last blank that lets it fit; a word
// longer than a line is broken at the column. The blanks at a wrap stay at the end
// of the line before it, so joining the lines gives the text back. The blanks that
// open a paragraph are no place to wrap: they stay with the first word, or stand on
// a line of their own when there are at least `columns` of them.
std::vector<std::string> wrapLines(std::string_view text, int columns);

} // namespace ardel::ui
