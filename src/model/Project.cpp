#include "model/Project.h"

namespace ardel {

std::string windowTitle(const std::string& fileName, bool modified) {
    return "Ardel - Create B-File [" + fileName + (modified ? "][modified]" : "][unmodified]");
}

Project::Project() {
    for (TextStore* store : {&lb_Stations, &lb_Instruments, &lb_Antennas, &lb_Sessions, &lb_86, &lb_90}) {
        history.watch(*store);
    }
}

void Project::beginStep(std::string name) {
    history.begin(std::move(name));
}

void Project::endStep() {
    if (history.end()) {
        markModified();
    }
}

void Project::undo() {
    history.undo();
    afterHistoryMove();
}

void Project::redo() {
    history.redo();
    afterHistoryMove();
}

void Project::afterHistoryMove() {
    modified_ = !history.atSaved();
    if (headerChanged) {
        headerChanged();
    }
    refreshTitle();
    if (changed) {
        changed();
    }
}

void Project::setTitle(std::string title) {
    title_ = std::move(title);
    if (titleChanged) {
        titleChanged(title_);
    }
}

void Project::markModified() {
    modified_ = true;
    refreshTitle();
    if (changed) {
        changed();
    }
}

void Project::markWritten() {
    modified_ = false;
    history.markSaved();
    refreshTitle();
    if (changed) {
        changed();
    }
}

void Project::refreshTitle() {
    setTitle(windowTitle(fileName, modified_));
}

void Project::clear() {
    header = FormHeaderInfoFDXStruct{};
    if (headerChanged) {
        headerChanged();
    }
    for (TextStore* store : {&lb_Sessions, &lb_Instruments, &lb_Stations, &lb_Antennas, &lb_86, &lb_90}) {
        store->clear();
    }
    fileName.clear();
    fileStamp.reset();
    newHeader = true;
    history.clear();
    markWritten();
}

} // namespace ardel
