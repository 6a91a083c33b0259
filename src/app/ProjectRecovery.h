// Keeps the recovery copy of the project while it holds unsaved changes: written a
// while after the first change not yet copied (never more often), removed once the project is saved,
// emptied or closed normally. At start-up it offers the copies a crash left behind and
// removes the temporary files of killed saves from the data folder. The first copy of
// a run that cannot be written is said in a message box and in the status bar.
#pragma once

#include "app/RecoveryCopy.h"
#include "model/Project.h"
#include "ui/Toolkit.h"
#include "utilities/WarningPrompts.h"

#include <functional>
#include <memory>
#include <string>

namespace ardel {

class ProjectRecovery {
public:
    // How long after the first change not yet copied the copy is written.
    static constexpr int kDelayMilliseconds = 30000;

    ProjectRecovery(ui::Toolkit& toolkit, Project& project, Form_Warning& readWarning);
    // A normal end: the copy goes.
    ~ProjectRecovery();
    ProjectRecovery(const ProjectRecovery&) = delete;
    ProjectRecovery& operator=(const ProjectRecovery&) = delete;

    // The project was changed, written or emptied.
    void projectChanged();
    // Asks about each copy left behind, newest first: Yes restores it (and no more is
    // asked), No removes it. True when a copy was restored.
    bool offerLeftBehind();

    // Shows a line in the status bar.
    std::function<void(const std::string&)> showStatus;

private:
    void writeCopy();
    void tellFailure();

    ui::Toolkit& toolkit_;
    Project& project_;
    Form_Warning& readWarning_;
    RecoveryCopy copy_;
    std::unique_ptr<ui::Timer> timer_;
    int delay_;
    bool failureTold_ = false;
};

} // namespace ardel
