// The File menu's document commands: New, Open, Merge, Save, Save As, Recent Files,
// Exit and the close box, with the save question, the file prompts, the lost-ID check
// and the messages for files that cannot be written; and the opening of a dropped file.
// Every path taken in (command line, file prompts, drop, recent file) is made absolute
// at once. Save asks before replacing a file that another program changed since it
// was read or written.
#pragma once

#include "app/RecentFiles.h"
#include "model/Project.h"
#include "ui/Toolkit.h"
#include "utilities/WarningPrompts.h"

#include <functional>
#include <string>

namespace ardel {

class DocumentCommands {
public:
    DocumentCommands(ui::Toolkit& toolkit, Project& project, Form_Warning& readWarning,
                     Form_Warning_YesNo& lostIdQuestion, RecentFiles& recentFiles);

    void newProject();
    void open();
    // Reads a second B-file into the project in the merging mode; the project keeps its
    // own file name and is marked modified, also after a read stopped by an error.
    void merge();
    // Reads a file named at start-up, as Open reads one.
    void openAtStartup(const std::string& path);
    // Open without the file prompt: the save question, then the file is read.
    void openFile(const std::string& path);
    // A recent file that is gone is taken off the list, with a message; else it is opened.
    void openRecent(const std::string& path);
    // Both return true when the project was written.
    bool save();
    bool saveAs();
    // Returns true when the program may end (the save question did not stop it).
    bool mayClose();

    // Shows a line in the status bar (the copy of the previous file made by a save in place).
    std::function<void(const std::string&)> showStatus;

private:
    enum class Go { On, Stop };
    Go askToSave();
    bool chooseInputFile(const char* caption);
    void readInto(const std::string& path);
    bool lostIdCheckPasses();
    bool replacingChangedFileAllowed();
    bool write(const std::string& path, const char* failureCaption);

    ui::Toolkit& toolkit_;
    Project& project_;
    Form_Warning& readWarning_;
    Form_Warning_YesNo& lostIdQuestion_;
    RecentFiles& recentFiles_;
};

} // namespace ardel
