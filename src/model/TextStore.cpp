#include "model/TextStore.h"

#include "ui/Text.h"

#include <algorithm>
#include <utility>

namespace ardel {

namespace {
int compareNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(ui::foldCase(a[i]));
        const auto y = static_cast<unsigned char>(ui::foldCase(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}
} // namespace

TextStore::TextStore(std::size_t keyWidth, Order order) : keyWidth_(keyWidth), order_(order) {}

std::string TextStore::keyOf(std::string_view line) const {
    std::string key(line.substr(0, keyWidth_));
    for (char& c : key) {
        c = ui::foldCase(c);
    }
    return key;
}

int TextStore::sortedPlace(const std::string& line) const {
    const auto place =
        std::upper_bound(lines_.begin(), lines_.end(), line,
                         [](const std::string& a, const std::string& b) { return compareNoCase(a, b) < 0; });
    return static_cast<int>(place - lines_.begin());
}

void TextStore::indexAppended(int index) {
    if (keyWidth_ > 0 && indexValid_) {
        index_[keyOf(lines_[static_cast<std::size_t>(index)])].push_back(index);
    }
}

int TextStore::append(std::string line) {
    if (order_ == Order::Sorted) {
        const int place = sortedPlace(line);
        insert(place, std::move(line));
        return place;
    }
    const int index = count();
    notify([&](ui::ListObserver& o) { o.beforeInsert(index); });
    lines_.push_back(std::move(line));
    indexAppended(index);
    if (journal_) {
        journal_->inserted(*this, index, lines_.back());
    }
    notify([](ui::ListObserver& o) { o.afterInsert(); });
    return index;
}

void TextStore::insert(int index, std::string line) {
    if (order_ == Order::Sorted) {
        index = sortedPlace(line);
    }
    index = std::clamp(index, 0, count());
    if (index == count()) {
        if (order_ == Order::AsAdded) {
            append(std::move(line));
            return;
        }
    }
    notify([&](ui::ListObserver& o) { o.beforeInsert(index); });
    lines_.insert(lines_.begin() + index, std::move(line));
    indexValid_ = false;
    if (journal_) {
        journal_->inserted(*this, index, lines_[static_cast<std::size_t>(index)]);
    }
    notify([](ui::ListObserver& o) { o.afterInsert(); });
}

void TextStore::remove(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    notify([&](ui::ListObserver& o) { o.beforeRemove(index); });
    std::string removed = std::move(lines_[static_cast<std::size_t>(index)]);
    lines_.erase(lines_.begin() + index);
    indexValid_ = false;
    if (journal_) {
        journal_->removed(*this, index, std::move(removed));
    }
    notify([](ui::ListObserver& o) { o.afterRemove(); });
}

void TextStore::replace(int index, std::string line) {
    if (index < 0 || index >= count()) {
        return;
    }
    if (order_ == Order::Sorted) {
        remove(index);
        append(std::move(line));
        return;
    }
    std::string& slot = lines_[static_cast<std::size_t>(index)];
    if (slot == line) {
        return;
    }
    if (keyWidth_ > 0 && indexValid_) {
        const std::string oldKey = keyOf(slot);
        const std::string newKey = keyOf(line);
        if (oldKey != newKey) {
            auto& oldList = index_[oldKey];
            oldList.erase(std::find(oldList.begin(), oldList.end(), index));
            if (oldList.empty()) {
                index_.erase(oldKey);
            }
            auto& newList = index_[newKey];
            newList.insert(std::lower_bound(newList.begin(), newList.end(), index), index);
        }
    }
    std::string before = std::exchange(slot, std::move(line));
    if (journal_) {
        journal_->replaced(*this, index, std::move(before), slot);
    }
    notify([&](ui::ListObserver& o) { o.changed(index); });
}

void TextStore::clear() {
    assign({});
}

void TextStore::assign(std::vector<std::string> lines) {
    if (order_ == Order::Sorted) {
        std::stable_sort(lines.begin(), lines.end(),
                         [](const std::string& a, const std::string& b) { return compareNoCase(a, b) < 0; });
    }
    if (journal_ && lines == lines_) {
        return;
    }
    notify([](ui::ListObserver& o) { o.beforeReset(); });
    std::vector<std::string> before = std::exchange(lines_, std::move(lines));
    index_.clear();
    indexValid_ = false;
    if (journal_) {
        journal_->assigned(*this, std::move(before), lines_);
    }
    notify([](ui::ListObserver& o) { o.afterReset(); });
}

void TextStore::ensureIndex() const {
    if (indexValid_) {
        return;
    }
    index_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        index_[keyOf(lines_[i])].push_back(static_cast<int>(i));
    }
    indexValid_ = true;
}

int TextStore::find(std::string_view prefix) const {
    if (keyWidth_ == 0 || prefix.size() < keyWidth_) {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (ui::startsWithNoCase(lines_[i], prefix)) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    ensureIndex();
    const auto found = index_.find(keyOf(prefix));
    if (found == index_.end()) {
        return -1;
    }
    for (int index : found->second) {
        if (ui::startsWithNoCase(lines_[static_cast<std::size_t>(index)], prefix)) {
            return index;
        }
    }
    return -1;
}

} // namespace ardel
