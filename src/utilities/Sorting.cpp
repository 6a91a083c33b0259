#include "utilities/Sorting.h"

#include "model/Lines.h"

#include <algorithm>
#include <vector>

namespace ardel {

namespace {

// The length of the key at the start of a scratch text. A line of length L carries
// k = clamp(L - position, 0, length) key characters, so the text is L + k long, and k
// follows from the text's length alone: a line shorter than its key's end comes back
// whole, not cut.
std::size_t keyLengthIn(const std::string& text, SortKey key) {
    if (text.size() < key.position) {
        return 0;
    }
    return std::min((text.size() - key.position) / 2, key.length);
}

} // namespace

// The scratch store takes all lines at once and places them as adding them one by one
// would (equal texts keep the order they came in), without moving the lines already
// placed for each new one.
void sortByKey(TextStore& list, TextStore& scratch, SortKey key) {
    std::vector<std::string> keyed;
    keyed.reserve(list.lines().size());
    for (const std::string& line : list.lines()) {
        keyed.push_back(slice(line, key.position, key.length) + line);
    }
    scratch.assign(std::move(keyed));
    std::vector<std::string> sorted;
    sorted.reserve(scratch.lines().size());
    for (const std::string& text : scratch.lines()) {
        sorted.push_back(text.substr(keyLengthIn(text, key)));
    }
    list.assign(std::move(sorted));
}

} // namespace ardel
