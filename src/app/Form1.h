// The main window: the four record lists with their headings, the job code and
// project title, the menu bar, and the objects it owns for the whole run (the
// project, the warning prompts, the dialogs). Menu entries are bound to commands here.
#pragma once

#include "app/AboutBox.h"
#include "app/DocumentCommands.h"
#include "app/ListSelections.h"
#include "app/ProjectRecovery.h"
#include "app/RecentFiles.h"
#include "app/RecordCommands.h"
#include "app/RinexImportCommand.h"
#include "app/UtilityCommands.h"
#include "app/problems/Form_Problems.h"
#include "editors/antenna/Form_Antenna.h"
#include "editors/equipment/FormEquipment.h"
#include "editors/header/FormHeaderInfo.h"
#include "editors/session/Form_Session.h"
#include "editors/station/Form_Station.h"
#include "model/Project.h"
#include "ui/Toolkit.h"
#include "utilities/WarningPrompts.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ardel {

class Form1 {
public:
    explicit Form1(ui::Toolkit& toolkit);
    ~Form1();

    ui::Form& form() { return *form_; }
    Form_Problems& problemsWindow() { return problems_; }
    Project& project() { return project_; }

    // Reads the file named on the command line.
    void openAtStartup(const std::string& path);
    // Offers the recovery copies a crash left behind; true when one was restored.
    bool offerRecovery() { return recovery_.offerLeftBehind(); }

private:
    void bindStores();
    void bindLists();
    void bindMenus();
    void bindRecentFiles();
    void showRecentFiles();
    void showHeader();
    void showUndoEntries();
    void undoOrRedo(void (Project::*move)());
    void editHeader();
    void exitProgram();
    void checkProject();
    void openProblemRecord(const check::Problem& problem);

    ui::Toolkit& toolkit_;
    Project project_;
    std::unique_ptr<ui::Form> form_;
    Form_Warning warning_;
    Form_Warning_YesNo warningYesNo_;
    AboutBox aboutBox_;
    FormHeaderInfo headerEditor_;
    Form_Station stationEditor_;
    FormEquipment instrumentEditor_;
    Form_Antenna antennaEditor_;
    Form_Session sessionEditor_;
    RecentFiles recentFiles_;
    DocumentCommands commands_;
    ListSelections selections_;
    RecordCommands records_;
    UtilityCommands utilities_;
    ProjectRecovery recovery_;
    Form_Problems problems_;
    Form_RinexImport rinexPreview_;
    RinexImportCommand rinexImport_;
    std::map<std::string, std::function<void()>> menuCommands_;
    std::string serfilPath_; // set by each SERFIL import of this run; export starts from it
    bool closing_ = false;
};

// The declaration of the main window.
const ui::FormDecl& form1Decl();

} // namespace ardel
