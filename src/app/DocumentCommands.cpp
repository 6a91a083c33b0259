#include "app/DocumentCommands.h"

#include "app/LostIdCheck.h"
#include "bfile/BFileReader.h"
#include "bfile/BFileWriter.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "utilities/AtomicFile.h"

namespace ardel {

namespace {
constexpr const char* kInputFileSetting = "InputFile";
constexpr const char* kRecentFilesCaption = "Recent Files";
constexpr const char* kRecentFileGone = "%s cannot be found. It is taken off the list of recent files.";
constexpr const char* kMergeQuestion =
    "The selected input file will be merged with the data \nalready in the program's memory. Duplicate "
    "*70*,*71*,*72*,*80*, \n*86*, and *90* records will be ignored. See the program \ndocumentation for further "
    "details.";
constexpr const char* kChangedCaption = "File Changed";
constexpr const char* kChangedQuestion =
    "The file %s has been changed by another program since it was opened or last saved.\n\nSave and replace it?";
constexpr const char* kFolderRefused =
    "Cannot write to file %s.\n The folder %s does not allow new files to be written in it.";
constexpr const char* kPreviousKept = "\n The previous file has been kept as %s.";
constexpr const char* kWrittenInPlace =
    "The folder allows no new files, so the file was written in place; the previous file is kept as %s.";

std::string folderOf(const std::string& path) {
    return ui::parentFolder(path);
}

const std::vector<ui::FileFilter> kInputFilters = {
    {"Vantry Files (*.bfl;*.BFL;*.vry;*.VRY)", "*.bfl;*.BFL;*.vry;*.VRY"},
    {"TextFiles (*.txt)", "*.txt"},
    {"All Files (*.*)", "*.*"},
};
const std::vector<ui::FileFilter> kOutputFilters = {
    {"B-Files (*.bfl)", "*.bfl"},
    {"All Files (*.*)", "*.*"},
};
} // namespace

DocumentCommands::DocumentCommands(ui::Toolkit& toolkit, Project& project, Form_Warning& readWarning,
                                   Form_Warning_YesNo& lostIdQuestion, RecentFiles& recentFiles)
    : toolkit_(toolkit), project_(project), readWarning_(readWarning), lostIdQuestion_(lostIdQuestion),
      recentFiles_(recentFiles) {}

// The save question. Yes saves through Save As; when that writes nothing the command
// stops, so unsaved work is never thrown away.
DocumentCommands::Go DocumentCommands::askToSave() {
    if (!project_.isModified()) {
        return Go::On;
    }
    switch (toolkit_.messageBox("Exit Ardel", "Do you want to save the current data?", ui::Icon::Question,
                                ui::Buttons::YesNoCancel)) {
    case ui::Answer::Yes:
        return saveAs() ? Go::On : Go::Stop;
    case ui::Answer::No:
        return Go::On;
    default:
        return Go::Stop;
    }
}

void DocumentCommands::newProject() {
    if (askToSave() == Go::On) {
        project_.clear();
    }
}

// The project is cleared only once a file has been chosen, so a cancelled prompt loses nothing.
void DocumentCommands::open() {
    if (askToSave() == Go::Stop || !chooseInputFile("Select Input File")) {
        return;
    }
    const std::string path = project_.fileName;
    project_.clear();
    readInto(path);
}

void DocumentCommands::openAtStartup(const std::string& path) {
    readInto(ui::absolutePath(path));
}

void DocumentCommands::openFile(const std::string& path) {
    if (askToSave() == Go::Stop) {
        return;
    }
    project_.clear();
    readInto(ui::absolutePath(path));
}

void DocumentCommands::openRecent(const std::string& path) {
    if (!ui::isAbsolutePath(path) || !ui::fileExists(path)) {
        toolkit_.messageBox(kRecentFilesCaption, ui::format(kRecentFileGone, path.c_str()), ui::Icon::Warning,
                            ui::Buttons::OK);
        recentFiles_.remove(path);
        return;
    }
    openFile(path);
}

// The merged file's name is the project's only while it is read.
void DocumentCommands::merge() {
    const std::string projectFile = project_.fileName;
    if (!chooseInputFile("Select File to be Merged With Current Contents")) {
        return;
    }
    const bool confirmed =
        toolkit_.messageBox("Merge Files", kMergeQuestion, ui::Icon::None, ui::Buttons::OKCancel) == ui::Answer::OK;
    if (confirmed) {
        const UndoStep step(project_, "Merge " + ui::fileNameOf(project_.fileName));
        readBFile(project_, toolkit_, readWarning_, true);
    }
    project_.fileName = projectFile;
    if (confirmed) {
        project_.markModified();
    }
}

bool DocumentCommands::chooseInputFile(const char* caption) {
    const auto remembered = toolkit_.settings().value(kInputFileSetting);
    const auto chosen = toolkit_.openFileDialog({caption, remembered.value_or(ui::programPath()), kInputFilters});
    if (!chosen) {
        return false;
    }
    project_.fileName = ui::absolutePath(*chosen);
    return true;
}

// A read that stops on an error leaves the partly read project unbound to the file,
// so that a later Save cannot overwrite the original with the partial data; only a
// file read to its end becomes a recent file.
void DocumentCommands::readInto(const std::string& path) {
    project_.fileName = path;
    const ReadOutcome outcome = readBFile(project_, toolkit_, readWarning_, false);
    project_.fileStamp.reset();
    if (outcome == ReadOutcome::Stopped || outcome == ReadOutcome::Unreadable) {
        project_.fileName.clear();
    } else if (outcome == ReadOutcome::Completed) {
        project_.fileStamp = stampOf(path);
        recentFiles_.add(path);
    }
    project_.restartHistory();
    project_.refreshTitle();
}

bool DocumentCommands::lostIdCheckPasses() {
    for (const auto& [ssn, id] : stationsLosingIds(project_)) {
        if (lostIdQuestion_.isSuppressed()) {
            continue;
        }
        lostIdQuestion_.show(kLostIdQuestion, ssn.c_str(), id.c_str());
        if (lostIdQuestion_.answer() == 0) {
            return false;
        }
    }
    return true;
}

// A file that is gone, or whose contents were never known, is simply written.
bool DocumentCommands::replacingChangedFileAllowed() {
    const std::optional<FileStamp> now = stampOf(project_.fileName);
    if (!project_.fileStamp || !now || now->sameContents(*project_.fileStamp)) {
        return true;
    }
    return toolkit_.messageBox(kChangedCaption, ui::format(kChangedQuestion, project_.fileName.c_str()),
                               ui::Icon::Warning, ui::Buttons::YesNo) == ui::Answer::Yes;
}

bool DocumentCommands::write(const std::string& path, const char* failureCaption) {
    const long records = countRecords(project_);
    if (records > kLastSequenceNumber / 10) {
        toolkit_.messageBox(failureCaption, tooManyRecordsMessage(records), ui::Icon::Stop, ui::Buttons::OK);
        return false;
    }
    const SaveResult result = saveFile(
        path, [&](std::ostream& out) { return writeBFile(project_, out); }, toolkit_.dataFolder());
    if (!result.written()) {
        // A refusal by the file itself, or a failed write, has the usual message.
        std::string message = result.refusal == SaveRefusal::Folder
                                  ? ui::format(kFolderRefused, path.c_str(), folderOf(path).c_str())
                                  : ui::format(kCannotWriteMessage, path.c_str());
        if (!result.previousCopy.empty()) {
            message += ui::format(kPreviousKept, result.previousCopy.c_str());
        }
        toolkit_.messageBox(failureCaption, message, ui::Icon::Stop, ui::Buttons::OK);
        return false;
    }
    if (!result.previousCopy.empty() && showStatus) {
        showStatus(ui::format(kWrittenInPlace, result.previousCopy.c_str()));
    }
    project_.fileStamp = stampOf(path);
    project_.markWritten();
    recentFiles_.add(path);
    return true;
}

bool DocumentCommands::save() {
    if (!lostIdCheckPasses()) {
        toolkit_.messageBox("Abort", "Save Aborted.", ui::Icon::Information, ui::Buttons::OK);
        return false;
    }
    if (!ui::fileExists(project_.fileName)) {
        return saveAs();
    }
    return replacingChangedFileAllowed() && write(project_.fileName, "Error - Cannot write file");
}

bool DocumentCommands::saveAs() {
    const auto chosen = toolkit_.saveFileDialog({"Select Output B-File Name", project_.fileName, kOutputFilters});
    if (!chosen) {
        return false;
    }
    project_.outputName = ui::absolutePath(*chosen);
    if (!lostIdCheckPasses()) {
        toolkit_.messageBox("Abort", "Save Aborted.", ui::Icon::Information, ui::Buttons::OK);
        return false;
    }
    if (ui::fileExists(project_.outputName) &&
        toolkit_.messageBox("Save B-File",
                            ui::format("%s Exists. Do you wish to overwrite it?", project_.outputName.c_str()),
                            ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes) {
        return false;
    }
    project_.fileName = project_.outputName;
    project_.fileStamp.reset();
    return write(project_.fileName, kCannotWriteCaption);
}

bool DocumentCommands::mayClose() {
    return askToSave() == Go::On;
}

} // namespace ardel
