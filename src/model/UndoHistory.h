// The undo history of a project: one step per command that changed it, each holding
// only what the command changed (the lines it removed and inserted in each store, the
// header before and after), so that a step costs memory in proportion to its change,
// not to the size of the project. The history position of the last save tells whether
// the project differs from the file written.
#pragma once

#include "model/HeaderRecord.h"
#include "model/TextStore.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ardel {

class UndoHistory : public StoreJournal {
public:
    // The most steps kept; the oldest go first.
    static constexpr std::size_t kMostSteps = 256;

    // The header record and the new-header flag a step restores with the stores.
    UndoHistory(FormHeaderInfoFDXStruct& header, bool& newHeader);

    // Records the changes of the store from now on.
    void watch(TextStore& store);

    // Opens a step; a step opened while one is open belongs to the outer one. A change
    // made to a watched store while no step is open cannot be undone: it empties the
    // history, and no position is the saved one any more.
    void begin(std::string name);
    void rename(std::string name);
    // Closes the step. True when it changed something and was added (the steps that
    // could be redone are then gone).
    bool end();

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    // The name of the step undo or redo would replay; "" when none.
    std::string undoName() const;
    std::string redoName() const;
    void undo();
    void redo();
    std::size_t stepCount() const { return steps_.size(); }
    // The lines the steps hold, all steps together: what the history costs.
    std::size_t linesHeld() const;

    // Empties the history; the present state is the one last saved, or none is when
    // `saved` is false.
    void clear(bool saved = true);
    // The present state is the one last saved.
    void markSaved() { saved_ = position_; }
    bool atSaved() const { return saved_ == position_; }

    // Told whenever what undo or redo would do has changed.
    std::function<void()> changed;

    // --- StoreJournal ---
    void inserted(TextStore& store, int index, const std::string& line) override;
    void removed(TextStore& store, int index, std::string line) override;
    void replaced(TextStore& store, int index, std::string before, const std::string& after) override;
    void assigned(TextStore& store, std::vector<std::string> before, const std::vector<std::string>& after) override;

private:
    enum class Kind { Insert, Remove, Replace, Assign };
    struct Edit {
        TextStore* store;
        Kind kind;
        int index;
        std::string before;                               // Remove, Replace
        std::string after;                                // Insert, Replace
        std::vector<std::string> linesBefore, linesAfter; // Assign
    };
    struct HeaderChange {
        FormHeaderInfoFDXStruct before, after;
        bool newHeaderBefore, newHeaderAfter;
    };
    struct Step {
        std::string name;
        std::vector<Edit> edits;
        std::optional<HeaderChange> header;
    };

    bool recording();
    void record(Edit edit);
    void apply(const Step& step, bool backwards);
    static void applyTo(TextStore& store, const Edit& edit, bool backwards);
    static void applyTo(std::vector<std::string>& lines, const Edit& edit, bool backwards);
    void tell();

    FormHeaderInfoFDXStruct& header_;
    bool& newHeader_;
    std::deque<Step> steps_;
    std::size_t position_ = 0;            // steps_[0, position_) are done
    std::optional<std::size_t> saved_{0}; // the position of the last save, when still in the history
    Step open_;
    int depth_ = 0;
    FormHeaderInfoFDXStruct headerAtBegin_;
    bool newHeaderAtBegin_ = false;
    bool applying_ = false;
};

} // namespace ardel
