#include "editors/rinexImport/Form_RinexImport.h"
#include "editors/rinexImport/Form_RinexImportDecl.h"
#include "editors/rinexImport/ImportRows.h"
#include "editors/rinexImport/RinexSamples.h"
#include "support/HeadlessTest.h"

#include <filesystem>

namespace ardel {
namespace {

using ui::HeadlessForm;
using namespace rinex_dialog;

class Form_RinexImportTest : public testing::HeadlessTest {
protected:
    Form_RinexImportTest() {
        testing::RinexSample nextDay;
        nextDay.day = 22;
        nextDay.antennaCode = "LEIAR25.R4      NONE";
        testing::writeRinex(dir.path("algo0800.26o"), {});
        testing::writeRinex(dir.path("algo0810.26o"), nextDay);
        testing::writeFile(dir.path("algo0800.26n"),
                           testing::rinexHeaderLine("     2.11           N: GPS NAV DATA", "RINEX VERSION / TYPE"));
        plan = rinex_import::planImport(
            project, {dir.path("algo0800.26o"), dir.path("algo0810.26o"), dir.path("algo0800.26n")}, {});
    }

    testing::TempDir dir;
    Form_RinexImport dialog{toolkit};
    Project project;
    rinex_import::Plan plan;

    static std::vector<std::string> lines(HeadlessForm& form) {
        std::vector<std::string> shown;
        const ui::ListSource* rows = form.listView(kFiles).source();
        for (int i = 0; i < rows->count(); ++i) {
            shown.push_back(rows->at(i));
        }
        return shown;
    }
};

// The rows stand under their heading column for column; the selected file's details
// name what the line cannot show.
TEST_F(Form_RinexImportTest, ShowsOneLinePerFileUnderTheHeading) {
    const std::string folder = std::filesystem::path(dir.path("x")).parent_path().string();
    toolkit.expectDialog("Form_RinexImport", [&folder](HeadlessForm& form) {
        EXPECT_EQ(form.focused(), kFiles);
        EXPECT_EQ(rinex_rows::heading(), "File             Station       Instr.  Antenna Start (UTC)      "
                                         "End (UTC)         Height S Obs Cb Problems");
        EXPECT_EQ(lines(form), (std::vector<std::string>{
                                   "algo0800.26o     0001 ALGO new 001 new 001 new 2026-03-20 23:59 2026-03-21 "
                                   "23:59   1.567 A        1 warning, 1 note",
                                   "algo0810.26o     0001 ALGO     001     002 new 2026-03-21 23:59 2026-03-22 "
                                   "23:59   1.567 A        1 warning, 1 note",
                                   "algo0800.26n     refused: not an observation file (navigation)",
                               }));
        EXPECT_EQ(form.textBox(kDetails).text(),
                  "algo0800.26o  in  " + folder +
                      "\n"
                      "Station 0001 ALGO (new): ALGO\n"
                      "Instrument 001 (new): TRIMBLE NETR9  5035K69749\n"
                      "Antenna 001 (new): TRM59800.00     SCIS  5000118223\n"
                      "Media identifier R0796AALGO\n"
                      "note: antenna code TRM59800.00     SCIS is not in the antenna code list\n"
                      "warning: no ANTEX file: the L1 phase-centre offset was not added to the antenna height");
        form.choose(kFiles, 2);
        EXPECT_EQ(form.textBox(kDetails).text(),
                  "algo0800.26n  in  " + folder + "\nerror: not an observation file (navigation)");
        EXPECT_FALSE(form.control(kLetter).isEnabled());
        form.click(kCancel);
    });
    EXPECT_EQ(dialog.run(project, plan), ui::kCancelled);
}

// A row's letter, initials and cable length go into its plan row; the boxes for all
// files set every row; an emptied letter is left to the planner again.
TEST_F(Form_RinexImportTest, EditsRowsOneByOneAndAllAtOnce) {
    toolkit.expectDialog("Form_RinexImport", [](HeadlessForm& form) {
        form.type(kAllInitials, "jsm");
        form.type(kAllCable, "5x7");
        form.click(kSetAll);
        form.choose(kFiles, 1);
        EXPECT_EQ(form.textBox(kInitials).text(), "JSM");
        form.type(kLetter, "b");
        form.type(kInitials, "KL");
        form.type(kCable, "12");
        EXPECT_EQ(lines(form)[1].substr(0, 98), "algo0810.26o     0001 ALGO     001     002 new 2026-03-21 23:59 "
                                                "2026-03-22 23:59   1.567 B KL  12 ");
        form.choose(kFiles, 0);
        EXPECT_EQ(form.textBox(kLetter).text(), "A");
        EXPECT_EQ(form.textBox(kCable).text(), "57");
        form.type(kLetter, "");
        form.click(kImport);
    });
    ASSERT_EQ(dialog.run(project, plan), ui::kAccepted);
    EXPECT_EQ(plan.options.initials, "JSM");
    EXPECT_EQ(plan.options.cable, "57");
    EXPECT_FALSE(plan.rows[0].letterChosen);
    EXPECT_EQ(plan.rows[0].initials, "JSM");
    EXPECT_TRUE(plan.rows[1].letterChosen);
    EXPECT_EQ(plan.rows[1].sessionLetter, "B");
    EXPECT_EQ(plan.rows[1].initials, "KL");
    EXPECT_EQ(plan.rows[1].cable, "12");
}

// The ANTEX file chosen is the plan's and the next prompt's starting path; a cancelled
// prompt keeps the plan as it was.
TEST_F(Form_RinexImportTest, AntexFileIsRememberedAndPlanned) {
    toolkit.settingsStore.values["AntexFile"] = "/models/old.atx";
    const std::string antex = dir.path("igs20.atx");
    testing::writeFile(antex, testing::rinexHeaderLine("     1.4            M", "ANTEX VERSION / SYST") +
                                  testing::rinexHeaderLine("", "END OF HEADER") +
                                  testing::rinexHeaderLine("", "START OF ANTENNA") +
                                  testing::rinexHeaderLine("TRM59800.00     SCIS", "TYPE / SERIAL NO") +
                                  testing::rinexHeaderLine("   G01", "START OF FREQUENCY") +
                                  testing::rinexHeaderLine("      1.23      0.45     66.20", "NORTH / EAST / UP") +
                                  testing::rinexHeaderLine("   G01", "END OF FREQUENCY") +
                                  testing::rinexHeaderLine("", "END OF ANTENNA"));
    toolkit.expectDialog("Form_RinexImport", [this, &antex](HeadlessForm& form) {
        EXPECT_EQ(form.label(kAntexLabel).text(), rinex_rows::antexText(""));
        toolkit.expectOpenFile("Select ANTEX File", std::nullopt);
        form.click(kAntex);
        EXPECT_EQ(toolkit.lastFileRequest().startPath, "/models/old.atx");
        toolkit.expectOpenFile("Select ANTEX File", antex);
        form.click(kAntex);
        EXPECT_EQ(form.label(kAntexLabel).text(),
                  "ANTEX file: " + antex + " (its L1 phase-centre offsets are added to the heights)");
        EXPECT_EQ(lines(form)[0].substr(83), "1.633 A        1 note");
        form.closeBox();
    });
    EXPECT_EQ(dialog.run(project, plan), ui::kCancelled);
    EXPECT_EQ(plan.options.antexPath, antex);
    EXPECT_EQ(toolkit.settingsStore.values["AntexFile"], antex);
    EXPECT_EQ(rinex_rows::undoName(1), "Import RINEX (1 file)");
    EXPECT_EQ(rinex_rows::undoName(12), "Import RINEX (12 files)");
}

} // namespace
} // namespace ardel
