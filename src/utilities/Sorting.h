// Sorting of a record list by a fixed-column key, by way of the sorted scratch store:
// each line goes in behind its key, so lines with equal keys are ordered by the whole
// line from its first character; letter case is ignored throughout.
#pragma once

#include "model/TextStore.h"

#include <cstddef>

namespace ardel {

// One sort command: a list, and its key's first position and length.
struct SortKey {
    std::size_t position;
    std::size_t length;
};

// Reorders `list` ascending by the key (fewer characters where a line is shorter).
// `scratch` is a sorted store; it is emptied first and left holding key + line.
void sortByKey(TextStore& list, TextStore& scratch, SortKey key);

} // namespace ardel
