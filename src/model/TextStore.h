// An ordered store of text lines: one per kind of record (stations, sessions, ...).
// Lines keep the order in which they were added or inserted, except in a sorted
// store, which keeps ascending order, letter case ignored. The visible lists are
// views on a store.
//
// Lookups follow the toolkit's prefix rule: the first line from the top that begins
// with the given text, letter case ignored. A store keyed at the start of its lines
// (the SSN's 4 characters, a JSIN's 3, ...) keeps an index of those keys so that a
// lookup of a full key does not scan the whole store; any other lookup scans.
#pragma once

#include "ui/ListSource.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ardel {

class TextStore : public ui::ListSource {
public:
    enum class Order { AsAdded, Sorted };

    // `keyWidth`: the width of the key at the start of every line; 0 for none.
    explicit TextStore(std::size_t keyWidth = 0, Order order = Order::AsAdded);

    int count() const override { return static_cast<int>(lines_.size()); }
    const std::string& at(int index) const override { return lines_.at(static_cast<std::size_t>(index)); }
    bool empty() const { return lines_.empty(); }
    const std::vector<std::string>& lines() const { return lines_; }

    // Adds a line at the end (a sorted store: at its ascending place); returns its index.
    int append(std::string line);
    void insert(int index, std::string line); // a sorted store puts it at its place instead
    void remove(int index);
    // Changes a line in place: the same as removing it and inserting the new text at its index.
    void replace(int index, std::string line);
    void clear();
    // Replaces the whole content at once.
    void assign(std::vector<std::string> lines);

    // The first index from the top whose line begins with `prefix`, case ignored; -1 when none.
    int find(std::string_view prefix) const override;

private:
    std::string keyOf(std::string_view line) const;
    int sortedPlace(const std::string& line) const;
    void indexAppended(int index);
    void ensureIndex() const;

    std::size_t keyWidth_;
    Order order_;
    std::vector<std::string> lines_;
    // For keyed stores: folded key -> ascending line indexes. Rebuilt lazily after an
    // insertion or removal that shifts indexes.
    mutable std::unordered_map<std::string, std::vector<int>> index_;
    mutable bool indexValid_ = true;
};

} // namespace ardel
