// The project being edited: the ten stores, the header record, the document
// variables (file name, modified flag, new-header flag, window title) and the undo
// history of the six stores a B-file is written from.
#pragma once

#include "model/FileStamp.h"
#include "model/HeaderRecord.h"
#include "model/Lines.h"
#include "model/TextStore.h"
#include "model/UndoHistory.h"

#include <functional>
#include <optional>
#include <string>

namespace ardel {

inline constexpr const char* kStartupTitle = "Ardel - Create B- File [unnamed file][unmodified]";

// The window title for a file name and modified state.
std::string windowTitle(const std::string& fileName, bool modified);

class Project {
public:
    Project();
    Project(const Project&) = delete; // the stores tell their changes to this project's history
    Project& operator=(const Project&) = delete;

    // Visible stores.
    TextStore lb_Stations{kSsnWidth};
    TextStore lb_Instruments{kJsinWidth};
    TextStore lb_Antennas{kJsanWidth};
    TextStore lb_Sessions{kSsnWidth};
    // Hidden stores.
    TextStore lb_86{kSsnWidth};
    TextStore lb_90{kSsnWidth};
    TextStore lb_SERFIL{kSsnWidth};
    TextStore lb_J2M{16};
    TextStore lb_Defaults;
    TextStore lb_sort{0, TextStore::Order::Sorted};

    FormHeaderInfoFDXStruct header;

    std::string fileName;   // the current B-file; empty for a new project
    std::string outputName; // the path last chosen in the Save As prompt
    std::optional<FileStamp> fileStamp; // the file as last read or written; nothing when unknown
    bool newHeader = true;  // the header has come neither from a file nor from the header editor

    // The steps of the commands; New, Open and clear() empty it.
    UndoHistory history{header, newHeader};

    // A command's changes become one undo step named `name`; a step that changed
    // something marks the project modified. UndoStep below calls these.
    void beginStep(std::string name);
    void endStep();
    // Undo and redo the steps; the project is modified unless the history is back at
    // the position of the last save.
    void undo();
    void redo();
    // Starts an empty history from the present state (after a file was read in).
    void restartHistory() { history.clear(!modified_); }

    bool isModified() const { return modified_; }
    const std::string& title() const { return title_; }
    // Sets the modified flag and the title with "][modified]".
    void markModified();
    // Clears the flag and sets the title with "][unmodified]".
    void markWritten();
    // Sets the title from the file name and the flag as they are.
    void refreshTitle();
    // Empties the header, the four visible stores, lb_86 and lb_90, the file name and its
    // stamp; sets the
    // new-header flag, clears the modified flag and sets the title. The SERFIL, conversion,
    // defaults and sort stores keep their lines.
    void clear();

    // Told whenever the title changes.
    std::function<void(const std::string&)> titleChanged;
    // Told whenever the header record has been cleared, read or saved (job code and title shown).
    std::function<void()> headerChanged;
    // Told whenever the project is marked modified or written, and after an undo or a redo.
    std::function<void()> changed;

private:
    void setTitle(std::string title);
    void afterHistoryMove();

    bool modified_ = false;
    std::string title_ = kStartupTitle;
};

// The changes of one command, from construction to destruction, as one undo step.
class UndoStep {
public:
    UndoStep(Project& project, std::string name) : project_(project) { project_.beginStep(std::move(name)); }
    ~UndoStep() { project_.endStep(); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;
    // Names the step once the command knows what it changed ("Add Station 0007").
    void rename(std::string name) { project_.history.rename(std::move(name)); }

private:
    Project& project_;
};

} // namespace ardel
