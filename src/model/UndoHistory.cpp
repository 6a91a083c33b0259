#include "model/UndoHistory.h"

#include <algorithm>
#include <map>
#include <utility>

namespace ardel {

namespace {
// More edits of one store than this are replayed on a copy of its lines, put back at
// once: the lists then redraw once, not once a line.
constexpr std::size_t kEditsReplayedInPlace = 32;
} // namespace

UndoHistory::UndoHistory(FormHeaderInfoFDXStruct& header, bool& newHeader) : header_(header), newHeader_(newHeader) {}

void UndoHistory::watch(TextStore& store) {
    store.setJournal(this);
}

void UndoHistory::begin(std::string name) {
    if (depth_++ > 0) {
        return;
    }
    open_ = Step{std::move(name), {}, std::nullopt};
    headerAtBegin_ = header_;
    newHeaderAtBegin_ = newHeader_;
}

void UndoHistory::rename(std::string name) {
    open_.name = std::move(name);
}

bool UndoHistory::end() {
    if (depth_ == 0 || --depth_ > 0) {
        return false;
    }
    if (header_ != headerAtBegin_ || newHeader_ != newHeaderAtBegin_) {
        open_.header = HeaderChange{headerAtBegin_, header_, newHeaderAtBegin_, newHeader_};
    }
    Step step = std::exchange(open_, Step{});
    if (step.edits.empty() && !step.header) {
        return false;
    }
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
    if (saved_ && *saved_ > position_) {
        saved_.reset();
    }
    steps_.push_back(std::move(step));
    ++position_;
    if (steps_.size() > kMostSteps) {
        steps_.pop_front();
        --position_;
        saved_ = saved_ && *saved_ > 0 ? std::optional<std::size_t>(*saved_ - 1) : std::nullopt;
    }
    tell();
    return true;
}

std::string UndoHistory::undoName() const {
    return canUndo() ? steps_[position_ - 1].name : std::string();
}

std::string UndoHistory::redoName() const {
    return canRedo() ? steps_[position_].name : std::string();
}

std::size_t UndoHistory::linesHeld() const {
    std::size_t lines = 0;
    for (const Step& step : steps_) {
        for (const Edit& edit : step.edits) {
            lines += edit.kind == Kind::Replace  ? 2
                     : edit.kind == Kind::Assign ? edit.linesBefore.size() + edit.linesAfter.size()
                                                 : 1;
        }
    }
    return lines;
}

void UndoHistory::undo() {
    if (!canUndo() || depth_ > 0) {
        return;
    }
    --position_;
    apply(steps_[position_], true);
    tell();
}

void UndoHistory::redo() {
    if (!canRedo() || depth_ > 0) {
        return;
    }
    apply(steps_[position_], false);
    ++position_;
    tell();
}

void UndoHistory::clear(bool saved) {
    steps_.clear();
    position_ = 0;
    saved_ = saved ? std::optional<std::size_t>(0) : std::nullopt;
    tell();
}

void UndoHistory::tell() {
    if (changed) {
        changed();
    }
}

// Each store's edits are replayed in their order (backwards when undoing); the stores
// do not depend on one another, so their edits need not interleave as they were made.
void UndoHistory::apply(const Step& step, bool backwards) {
    applying_ = true;
    std::map<TextStore*, std::vector<const Edit*>> byStore;
    for (const Edit& edit : step.edits) {
        byStore[edit.store].push_back(&edit);
    }
    for (auto& entry : byStore) {
        TextStore& store = *entry.first;
        std::vector<const Edit*>& edits = entry.second;
        if (backwards) {
            std::reverse(edits.begin(), edits.end());
        }
        if (edits.size() <= kEditsReplayedInPlace) {
            for (const Edit* edit : edits) {
                applyTo(store, *edit, backwards);
            }
            continue;
        }
        std::vector<std::string> lines = store.lines();
        for (const Edit* edit : edits) {
            applyTo(lines, *edit, backwards);
        }
        store.assign(std::move(lines));
    }
    if (step.header) {
        header_ = backwards ? step.header->before : step.header->after;
        newHeader_ = backwards ? step.header->newHeaderBefore : step.header->newHeaderAfter;
    }
    applying_ = false;
}

void UndoHistory::applyTo(TextStore& store, const Edit& edit, bool backwards) {
    switch (edit.kind) {
    case Kind::Insert:
        if (backwards) {
            store.remove(edit.index);
        } else {
            store.insert(edit.index, edit.after);
        }
        break;
    case Kind::Remove:
        if (backwards) {
            store.insert(edit.index, edit.before);
        } else {
            store.remove(edit.index);
        }
        break;
    case Kind::Replace:
        store.replace(edit.index, backwards ? edit.before : edit.after);
        break;
    case Kind::Assign:
        store.assign(backwards ? edit.linesBefore : edit.linesAfter);
        break;
    }
}

void UndoHistory::applyTo(std::vector<std::string>& lines, const Edit& edit, bool backwards) {
    const auto at = lines.begin() + edit.index;
    switch (edit.kind) {
    case Kind::Insert:
        if (backwards) {
            lines.erase(at);
        } else {
            lines.insert(at, edit.after);
        }
        break;
    case Kind::Remove:
        if (backwards) {
            lines.insert(at, edit.before);
        } else {
            lines.erase(at);
        }
        break;
    case Kind::Replace:
        *at = backwards ? edit.before : edit.after;
        break;
    case Kind::Assign:
        lines = backwards ? edit.linesBefore : edit.linesAfter;
        break;
    }
}

// --- StoreJournal ---

bool UndoHistory::recording() {
    if (applying_) {
        return false;
    }
    if (depth_ == 0) {
        if (!steps_.empty() || saved_) {
            clear(false);
        }
        return false;
    }
    return true;
}

void UndoHistory::record(Edit edit) {
    open_.edits.push_back(std::move(edit));
}

void UndoHistory::inserted(TextStore& store, int index, const std::string& line) {
    if (recording()) {
        record({&store, Kind::Insert, index, {}, line, {}, {}});
    }
}

void UndoHistory::removed(TextStore& store, int index, std::string line) {
    if (recording()) {
        record({&store, Kind::Remove, index, std::move(line), {}, {}, {}});
    }
}

void UndoHistory::replaced(TextStore& store, int index, std::string before, const std::string& after) {
    if (recording()) {
        record({&store, Kind::Replace, index, std::move(before), after, {}, {}});
    }
}

void UndoHistory::assigned(TextStore& store, std::vector<std::string> before, const std::vector<std::string>& after) {
    if (recording()) {
        record({&store, Kind::Assign, 0, {}, {}, std::move(before), after});
    }
}

} // namespace ardel
