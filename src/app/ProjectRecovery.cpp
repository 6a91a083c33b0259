#include "app/ProjectRecovery.h"

#include "ui/Platform.h"
#include "ui/Text.h"
#include "utilities/AtomicFile.h"

#include <cstdlib>

namespace ardel {

namespace {
constexpr const char* kQuestionCaption = "Recover Project";
constexpr const char* kQuestion = "Ardel ended without saving the project of %s.\n"
                                  "Do you want to recover the unsaved project of %s from %s?";
constexpr const char* kFailureCaption = "Recovery Copy";
constexpr const char* kFailureText = "The recovery copy of the unsaved changes cannot be written in %s.\n"
                                     "Until the project is saved, a crash would lose them.";
constexpr const char* kFailureStatus = "No recovery copy: save the project to keep the unsaved changes safe.";

// ARDEL_RECOVERY_DELAY=MILLISECONDS shortens the delay for the end-to-end test.
int delayFromEnvironment() {
    const char* given = std::getenv("ARDEL_RECOVERY_DELAY");
    const int delay = given ? std::atoi(given) : 0;
    return delay > 0 ? delay : ProjectRecovery::kDelayMilliseconds;
}

std::string shownName(const std::string& fileName) {
    return fileName.empty() ? "[unnamed file]" : fileName;
}
} // namespace

ProjectRecovery::ProjectRecovery(ui::Toolkit& toolkit, Project& project, Form_Warning& readWarning)
    : toolkit_(toolkit), project_(project), readWarning_(readWarning), copy_(toolkit.dataFolder(), ui::processId()),
      timer_(toolkit.createTimer([this] { writeCopy(); })), delay_(delayFromEnvironment()) {}

ProjectRecovery::~ProjectRecovery() {
    copy_.remove();
}

// The delay runs from the first change not yet in a copy: later changes do not start
// it again, so steady work is copied too and a crash loses at most the delay's worth;
// two copies are at least the delay apart.
void ProjectRecovery::projectChanged() {
    if (project_.isModified()) {
        if (!timer_->isActive()) {
            timer_->start(delay_);
        }
    } else {
        timer_->stop();
        copy_.remove();
    }
}

void ProjectRecovery::writeCopy() {
    if (project_.isModified() && !copy_.write(project_)) {
        tellFailure();
    }
}

void ProjectRecovery::tellFailure() {
    if (failureTold_) {
        return;
    }
    failureTold_ = true;
    const std::string folder = toolkit_.dataFolder();
    toolkit_.messageBox(kFailureCaption, ui::format(kFailureText, folder.empty() ? "[no data folder]" : folder.c_str()),
                        ui::Icon::Warning, ui::Buttons::OK);
    if (showStatus) {
        showStatus(kFailureStatus);
    }
}

bool ProjectRecovery::offerLeftBehind() {
    removeLeftoverTemporaries(toolkit_.dataFolder());
    for (const FoundCopy& found : RecoveryCopy::leftBehind(toolkit_.dataFolder(), ui::programRunning)) {
        const std::string name = shownName(found.fileName);
        const ui::Answer answer =
            toolkit_.messageBox(kQuestionCaption, ui::format(kQuestion, name.c_str(), name.c_str(), found.date.c_str()),
                                ui::Icon::Question, ui::Buttons::YesNo);
        if (answer == ui::Answer::Yes) {
            RecoveryCopy::restore(found, project_, toolkit_, readWarning_);
            RecoveryCopy::discard(found);
            timer_->stop();
            writeCopy();
            return true;
        }
        RecoveryCopy::discard(found);
    }
    return false;
}

} // namespace ardel
