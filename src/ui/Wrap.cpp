#include "ui/Wrap.h"

namespace ardel::ui {

namespace {
void wrapParagraph(std::string_view paragraph, std::size_t columns, std::vector<std::string>& lines) {
    // The blanks that open a paragraph stick to its first word: no wrap falls among
    // them, and when they fill the line they stand on it alone.
    std::size_t firstWord = paragraph.find_first_not_of(' ');
    if (paragraph.size() > columns && firstWord != std::string_view::npos && firstWord >= columns) {
        lines.emplace_back(paragraph.substr(0, firstWord));
        paragraph.remove_prefix(firstWord);
        firstWord = 0;
    }
    while (paragraph.size() > columns && firstWord != std::string_view::npos) {
        std::size_t cut = paragraph.find_last_of(' ', columns);
        if (cut == std::string_view::npos || cut < firstWord) {
            cut = columns;
        } else {
            cut = paragraph.find_first_not_of(' ', cut);
            if (cut == std::string_view::npos) {
                break;
            }
        }
        lines.emplace_back(paragraph.substr(0, cut));
        paragraph.remove_prefix(cut);
        firstWord = 0;
    }
    lines.emplace_back(paragraph);
}
} // namespace

std::vector<std::string> wrapLines(std::string_view text, int columns) {
    std::vector<std::string> lines;
    const std::size_t width = columns > 0 ? static_cast<std::size_t>(columns) : std::string_view::npos;
    for (;;) {
        const std::size_t lf = text.find('\n');
        std::string_view paragraph = text.substr(0, lf);
        if (!paragraph.empty() && paragraph.back() == '\r') {
            paragraph.remove_suffix(1);
        }
        wrapParagraph(paragraph, width, lines);
        if (lf == std::string_view::npos) {
            return lines;
        }
        text.remove_prefix(lf + 1);
    }
}

} // namespace ardel::ui
