#include "app/RinexImportCommand.h"

#include "editors/rinexImport/ImportRows.h"
#include "ui/Platform.h"

#include <algorithm>

namespace ardel {

namespace {
constexpr const char* kFolderSetting = "RinexFolder";
constexpr const char* kFilesCaption = "Select RINEX Observation Files";

// Observation files by their usual names (RINEX 2 "ssssdddf.yyo", Compact "yyd", the
// long names' ".rnx" and ".crx"), plain or compressed.
std::vector<ui::FileFilter> rinexFilters() {
    std::string patterns;
    for (const char* name : {"*.??o", "*.??O", "*.??d", "*.??D", "*.rnx", "*.crx"}) {
        for (const char* suffix : {"", ".gz", ".Z", ".bz2", ".zip"}) {
            patterns += (patterns.empty() ? "" : ";") + std::string(name) + suffix;
        }
    }
    return {{"RINEX Observation Files", patterns}, {"All Files (*)", "*"}};
}
} // namespace

RinexImportCommand::RinexImportCommand(ui::Toolkit& toolkit, Project& project, Form_RinexImport& preview)
    : toolkit_(toolkit), project_(project), preview_(preview) {}

// The step is named after the files that give a session; a plan without one is no step.
void RinexImportCommand::run() {
    const std::vector<std::string> files = chooseFiles();
    if (files.empty()) {
        return;
    }
    std::optional<rinex_import::Plan> plan = readFiles(files);
    if (!plan || preview_.run(project_, *plan) != ui::kAccepted) {
        return;
    }
    const auto sessions = std::count_if(plan->rows.begin(), plan->rows.end(),
                                        [](const rinex_import::Row& row) { return row.imported(); });
    const UndoStep step(project_, rinex_rows::undoName(static_cast<int>(sessions)));
    rinex_import::applyImport(project_, *plan);
}

// The folder of the files chosen last, else the program's own, is where the prompt starts.
std::vector<std::string> RinexImportCommand::chooseFiles() {
    const auto remembered = toolkit_.settings().value(kFolderSetting);
    std::vector<std::string> files =
        toolkit_.openFilesDialog({kFilesCaption, remembered.value_or(ui::programPath()), rinexFilters()});
    if (!files.empty()) {
        toolkit_.settings().setValue(kFolderSetting, ui::parentFolder(files.front()));
    }
    return files;
}

std::optional<rinex_import::Plan> RinexImportCommand::readFiles(const std::vector<std::string>& files) {
    const ui::BusyCursor busy(toolkit_);
    const auto progress =
        toolkit_.createProgress("Import RINEX", "Reading the RINEX files...", static_cast<int>(files.size()));
    rinex_import::Plan plan = rinex_import::planImport(project_, files, {}, [&progress](int done, int) {
        progress->setDone(done);
        return !progress->wasCancelled();
    });
    if (progress->wasCancelled() || plan.rows.empty()) {
        return std::nullopt;
    }
    return plan;
}

} // namespace ardel
