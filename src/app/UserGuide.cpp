#include "app/UserGuide.h"

#include "ui/Platform.h"
#include "ui/Text.h"

namespace ardel {

namespace {
constexpr const char* kInstalledGuide = "share/doc/ardel/user-guide.html";
constexpr const char* kBuiltGuide = "docs/user-guide.html";
constexpr int kFoldersUp = 2;
} // namespace

std::string findUserGuide(const std::string& programFile) {
    std::string folder = ui::parentFolder(programFile);
    for (int up = 0; up <= kFoldersUp && !folder.empty(); ++up) {
        for (const char* guide : {kInstalledGuide, kBuiltGuide}) {
            if (ui::fileExists(ui::joinPath(folder, guide))) {
                return ui::joinPath(folder, guide);
            }
        }
        const std::string parent = ui::parentFolder(folder);
        folder = parent == folder ? std::string() : parent;
    }
    return {};
}

void showUserGuide(ui::Toolkit& toolkit) {
    const std::string guide = findUserGuide(ui::programPath());
    if (guide.empty()) {
        const std::string expected = "/usr/" + std::string(kInstalledGuide);
        toolkit.messageBox(kUserGuideCaption, ui::format(kUserGuideMissing, expected.c_str()), ui::Icon::Warning,
                           ui::Buttons::OK);
        return;
    }
    toolkit.showHelp(guide);
}

} // namespace ardel
