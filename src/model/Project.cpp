#include "model/Project.h"

namespace ardel {

std::string windowTitle(const std::string& fileName, bool modified) {
    return "Ardel - Create B-File [" + fileName + (modified ? "][modified]" : "][unmodified]");
}

Project::Project() = default;

void Project::setTitle(std::string title) {
    title_ = std::move(title);
    if (titleChanged) {
        titleChanged(title_);
    }
}

void Project::markModified() {
    modified_ = true;
    refreshTitle();
}

void Project::markWritten() {
    modified_ = false;
    refreshTitle();
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
    newHeader = true;
    markWritten();
}

} // namespace ardel
