#include "editors/rinexImport/Form_RinexImport.h"
#include "editors/rinexImport/Form_RinexImportDecl.h"
#include "editors/rinexImport/ImportRows.h"
#include "rinex/RinexFiles.h"
#include "support/HeadlessTest.h"

#include <filesystem>

namespace ardel {
namespace {

using ui::HeadlessForm;
using namespace rinex_dialog;

// A day of RINEX 2.11 observations at Algonquin Park, March 2026.
testing::ObservationContent algo(int day, const std::string& antenna) {
    testing::ObservationContent content;
    content.version = 2.11;
    content.marker = "ALGO";
    content.antennaCode = antenna;
    content.x = 918129.375, content.y = -4346071.25, content.z = 4561977.875;
    content.first = {2026, 3, day, 0, 0, 0};
    content.epochs = {content.first, {2026, 3, day, 23, 59, 30}};
    return content;
}

class Form_RinexImportTest : public testing::HeadlessTest {
protected:
    Form_RinexImportTest() {
        testing::writeMaybeCompressed(dir.path("algo0800.26o"), observationText(algo(21, "TRM59800.00     SCIS")));
        testing::writeMaybeCompressed(dir.path("algo0810.26o"), observationText(algo(22, "LEIAR25.R4      NONE")));
        testing::writeMaybeCompressed(dir.path("brdc0800.26n"), testing::navigationText());
        plan = rinex_import::planImport(
            project, {dir.path("algo0800.26o"), dir.path("algo0810.26o"), dir.path("brdc0800.26n")}, {});
    }

    static std::vector<std::string> lines(HeadlessForm& form) {
        std::vector<std::string> shown;
        const ui::ListSource* rows = form.listView(kFiles).source();
        for (int i = 0; i < rows->count(); ++i) {
            shown.push_back(rows->at(i));
        }
        return shown;
    }

    testing::TempDir dir;
    Form_RinexImport dialog{toolkit};
    Project project;
    rinex_import::Plan plan;
};

// The rows stand under their heading column for column; the details name what a line
// cannot show. A refused file has nothing to edit; Cancel returns 0.
TEST_F(Form_RinexImportTest, ShowsOneLinePerFileUnderTheHeading) {
    const std::string folder = ui::parentFolder(dir.path("x"));
    toolkit.expectDialog("Form_RinexImport", [&folder](HeadlessForm& form) {
        EXPECT_EQ(form.focused(), kFiles);
        EXPECT_EQ(rinex_rows::heading(), "File             Station       Instr.  Antenna Start (UTC)      "
                                         "End (UTC)         Height S Obs Cb Problems");
        EXPECT_EQ(lines(form), (std::vector<std::string>{
                                   "algo0800.26o     0001 ALGO new 001 new 001 new 2026-03-20 23:59 2026-03-21 "
                                   "23:59   1.500 A        1 warning, 1 note",
                                   "algo0810.26o     0001 ALGO     001     002 new 2026-03-21 23:59 2026-03-22 "
                                   "23:59   1.500 A        1 warning, 1 note",
                                   "brdc0800.26n     refused: not an observation file (navigation)",
                               }));
        EXPECT_EQ(form.textBox(kDetails).text(),
                  "algo0800.26o  in  " + folder +
                      "\nStation 0001 ALGO (new): ALGO"
                      "\nInstrument 001 (new): TRIMBLE NETR9  5832K01234"
                      "\nAntenna 001 (new): TRM59800.00     SCIS  1441112233"
                      "\nMedia identifier R0796AALGO"
                      "\nnote: antenna code TRM59800.00     SCIS is not in the antenna code list"
                      "\nwarning: no ANTEX file: the L1 phase-centre offset was not added to the antenna height");
        form.choose(kFiles, 2);
        EXPECT_FALSE(form.control(kLetter).isEnabled());
        form.click(kCancel);
    });
    EXPECT_EQ(dialog.run(project, plan), ui::kCancelled);
}

// A row's letter, initials and cable length go into its plan row, the boxes for all
// files into every row; an emptied letter is left to the planner; an ANTEX file chosen
// adds its L1 offset to the heights and is remembered.
TEST_F(Form_RinexImportTest, EditsRowsAndPlansThemAgain) {
    const std::string antex = dir.path("igs20.atx");
    testing::writeMaybeCompressed(antex, testing::antexText("TRM59800.00     SCIS", 66.2, "9999999999", 0));
    toolkit.settingsStore.values["AntexFile"] = "/models/old.atx";
    toolkit.expectDialog("Form_RinexImport", [this, &antex](HeadlessForm& form) {
        form.type(kAllInitials, "jsm");
        form.type(kAllCable, "5x7");
        form.click(kSetAll);
        form.choose(kFiles, 1);
        EXPECT_EQ(form.textBox(kInitials).text(), "JSM");
        form.type(kLetter, "b");
        form.type(kInitials, "KL");
        form.type(kCable, "12");
        EXPECT_EQ(lines(form)[1].substr(83, 14), "1.500 B KL  12");
        form.choose(kFiles, 0);
        form.type(kLetter, "");
        toolkit.expectOpenFile("Select ANTEX File", antex);
        form.click(kAntex);
        EXPECT_EQ(toolkit.lastFileRequest().startPath, "/models/old.atx");
        EXPECT_EQ(form.label(kAntexLabel).text(),
                  "ANTEX file: " + antex + " (its L1 phase-centre offsets are added to the heights)");
        EXPECT_EQ(lines(form)[0].substr(83, 14), "1.566 A JSM 57");
        form.click(kImport);
    });
    ASSERT_EQ(dialog.run(project, plan), ui::kAccepted);
    EXPECT_EQ(toolkit.settingsStore.values["AntexFile"], antex);
    EXPECT_EQ(plan.options.antexPath, antex);
    EXPECT_FALSE(plan.rows[0].letterChosen);
    EXPECT_EQ(plan.rows[0].initials + plan.rows[0].cable, "JSM57");
    EXPECT_TRUE(plan.rows[1].letterChosen);
    EXPECT_EQ(plan.rows[1].sessionLetter + plan.rows[1].initials + plan.rows[1].cable, "BKL12");
    EXPECT_EQ(rinex_rows::undoName(1), "Import RINEX (1 file)");
}

} // namespace
} // namespace ardel
