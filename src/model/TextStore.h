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

class TextStore;

// Told of every change a store makes to its lines, with the lines it took away and put
// in; the undo history keeps them.
class StoreJournal {
public:
    virtual ~StoreJournal() = default;
    virtual void inserted(TextStore& store, int index, const std::string& line) = 0;
    virtual void removed(TextStore& store, int index, std::string line) = 0;
    virtual void replaced(TextStore& store, int index, std::string before, const std::string& after) = 0;
    virtual void assigned(TextStore& store, std::vector<std::string> before, const std::vector<std::string>& after) = 0;
};

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

    // The journal told of each change from now on; nullptr for none. A change that
    // leaves the lines as they were is not told.
    void setJournal(StoreJournal* journal) { journal_ = journal; }

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
    StoreJournal* journal_ = nullptr;
};

} // namespace ardel
