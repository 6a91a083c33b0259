#include "app/Form1.h"
#include "app/MainMenu.h"
#include "editors/rinexImport/Form_RinexImportDecl.h"
#include "rinex/RinexFiles.h"
#include "support/HeadlessTest.h"

#include <algorithm>
#include <filesystem>

namespace ardel {
namespace {

using ui::HeadlessForm;

constexpr const char* kFilesCaption = "Select RINEX Observation Files";

class RinexImportCommandTest : public testing::HeadlessTest {
protected:
    RinexImportCommandTest() : window(toolkit) {
        window.form().show();
        testing::ObservationContent content;
        for (const char* name : {"ceda0050.24o", "ceda0060.24o"}) {
            files.push_back(dir.path(name));
            testing::writeMaybeCompressed(files.back(), observationText(content));
            content.first.day = content.epochs.front().day = content.epochs.back().day = 6;
        }
    }

    HeadlessForm& form() { return *toolkit.form("Form1"); }
    Project& project() { return window.project(); }
    int records() { return project().lb_Sessions.count() + project().lb_Stations.count(); }

    testing::TempDir dir;
    Form1 window;
    std::vector<std::string> files;
};

// Import adds every file's session as one step, named after the files, that undo takes back.
TEST_F(RinexImportCommandTest, ImportIsOneUndoStep) {
    toolkit.expectOpenFiles(kFilesCaption, files);
    toolkit.expectDialog("Form_RinexImport", [](HeadlessForm& dialog) { dialog.click(rinex_dialog::kImport); });
    form().triggerMenu(menu::kImportRinex);
    const ui::FileDialogRequest& request = toolkit.lastFileRequest();
    ASSERT_EQ(request.filters.size(), 2U);
    EXPECT_EQ(request.filters[0].description, "RINEX Observation Files");
    EXPECT_NE(request.filters[0].pattern.find("*.??o;*.??o.gz;*.??o.Z;*.??o.bz2;*.??o.zip;*.??O"), std::string::npos);
    EXPECT_EQ(toolkit.settingsStore.values["RinexFolder"], ui::parentFolder(files[0]));
    EXPECT_EQ(project().lb_Sessions.count(), 2);
    EXPECT_TRUE(project().isModified());
    EXPECT_EQ(form().menuText(menu::kUndo), "&Undo Import RINEX (2 files)");

    form().triggerMenu(menu::kUndo);
    EXPECT_EQ(records(), 0);
    EXPECT_FALSE(project().isModified());
}

// A cancelled file prompt, a cancelled reading and a cancelled preview change nothing.
TEST_F(RinexImportCommandTest, CancelledAtAnyPointChangesNothing) {
    toolkit.expectOpenFiles(kFilesCaption, {});
    form().triggerMenu(menu::kImportRinex);

    toolkit.cancelProgressAt = 1;
    toolkit.expectOpenFiles(kFilesCaption, files);
    form().triggerMenu(menu::kImportRinex);
    const auto& shown = toolkit.transcript();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "progress cancelled at 1"), shown.end());

    toolkit.expectOpenFiles(kFilesCaption, files);
    toolkit.expectDialog("Form_RinexImport", [](HeadlessForm& dialog) { dialog.click(rinex_dialog::kCancel); });
    form().triggerMenu(menu::kImportRinex);

    EXPECT_EQ(records(), 0);
    EXPECT_FALSE(project().isModified());
    EXPECT_FALSE(form().isMenuEnabled(menu::kUndo));
}

} // namespace
} // namespace ardel
