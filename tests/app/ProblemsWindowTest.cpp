// The Problems window through the headless toolkit: F7 in the main window checks the
// project in memory, the window lists what it finds, a double-click opens the record's
// editor, F7 in the window refreshes the list, and a clean project says so in the
// status bar.
#include "app/FileCheck.h"
#include "app/Form1.h"
#include "app/MainMenu.h"
#include "app/problems/Form_ProblemsDecl.h"
#include "support/HeadlessTest.h"

namespace ardel {
namespace {

using ui::HeadlessForm;

const std::string kExample = ARDEL_SOURCE_DIR "/examples/harbour_survey.bfl";

class ProblemsWindowTest : public testing::HeadlessTest {
protected:
    ProblemsWindowTest() : window(toolkit) {
        window.form().show();
        window.openAtStartup(kExample);
    }

    HeadlessForm& main() { return *toolkit.form("Form1"); }
    HeadlessForm* problems() { return toolkit.form("Form_Problems"); }
    Project& project() { return window.project(); }

    std::vector<std::string> listed() {
        std::vector<std::string> lines;
        const ui::ListSource* source = problems()->listView(kProblemsList).source();
        for (int i = 0; i < source->count(); ++i) {
            lines.push_back(source->at(i));
        }
        return lines;
    }

    // Writes `text` over the station body of station line `row` from body offset `at` on.
    void changeStation(int row, std::size_t at, const std::string& text) {
        std::string line = project().lb_Stations.at(row);
        line.replace(station_line::kBody + at, text.size(), text);
        project().lb_Stations.replace(row, line);
    }

    Form1 window;
};

TEST_F(ProblemsWindowTest, CleanProjectSaysSoInTheStatusBar) {
    EXPECT_TRUE(main().isMenuEnabled(menu::kCheckProject));
    main().pressShortcut("F7");
    EXPECT_EQ(main().statusText(), kNoProblems);
    ASSERT_NE(problems(), nullptr);
    EXPECT_FALSE(problems()->isVisible());
}

TEST_F(ProblemsWindowTest, ListsTheProblemsOpensTheirEditorsAndRefreshes) {
    changeStation(2, 34, "476031"); // station 0003: latitude minutes 60
    std::string instrument = project().lb_Instruments.at(1);
    project().lb_Instruments.replace(1, instrument.replace(3, 3, "999"));
    main().triggerMenu(menu::kCheckProject);
    ASSERT_TRUE(problems()->isVisible());
    EXPECT_EQ(main().statusText(), "");
    EXPECT_EQ(listed(), (std::vector<std::string>{
                            "error       19 *70*   002  equipment code         equipment code \"999\" is not among "
                            "its list's codes",
                            "error       25 *80*   0003 latitude               latitude: Illegal minutes subfield in "
                            "476031.91230",
                        }));

    // A double-click opens the station editor on station 0003, as its Modify command does.
    toolkit.expectDialog("Form_Station", [](HeadlessForm& f) {
        EXPECT_EQ(f.textBox("textb_SSN").text(), "0003");
        f.type("textb_Latitude", "474559.91230");
        f.click("cb_OK");
    });
    problems()->doubleClick(kProblemsList, 1);
    EXPECT_EQ(project().lb_Stations.at(2).substr(station_line::kBody + 34, 11), "47455991230");

    // The list stays as it was until F7, pressed in the Problems window itself.
    EXPECT_EQ(listed().size(), 2u);
    problems()->pressShortcut("F7");
    ASSERT_EQ(listed().size(), 1u);

    toolkit.expectDialog("FormEquipment", [](HeadlessForm& f) {
        EXPECT_EQ(f.textBox("textb_JSIN").text(), "002");
        f.choose("combo_EquipmentCode", 0);
        f.click("cb_OK");
    });
    problems()->doubleClick(kProblemsList, 0);
    main().pressShortcut("F7");
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(main().statusText(), kNoProblems);

    // Closed, it opens again with the next problem found.
    problems()->click(kProblemsClose);
    EXPECT_FALSE(problems()->isVisible());
    project().header.JobCode = "ab";
    main().pressShortcut("F7");
    EXPECT_TRUE(problems()->isVisible());
    ASSERT_EQ(window.problemsWindow().problems().size(), 1u);
    EXPECT_EQ(window.problemsWindow().problems()[0].line, 1);
}

// Every record passed through its editor and saved: what the editors lay out and the
// writer writes passes the check.
TEST_F(ProblemsWindowTest, FileWrittenThroughTheEditorsHasNoProblem) {
    toolkit.expectDialog("FormHeaderInfo", [](HeadlessForm& f) { f.click("cb_1"); });
    main().triggerMenu(menu::kHeaderInfo);
    const std::pair<const char*, const char*> lists[] = {{"lb_Sessions", "Form_Session"},
                                                         {"lb_Instruments", "FormEquipment"},
                                                         {"lb_Antennas", "Form_Antenna"},
                                                         {"lb_Stations", "Form_Station"}};
    for (const auto& [list, editor] : lists) {
        for (int row = 0; row < main().listView(list).source()->count(); ++row) {
            toolkit.expectDialog(editor, [](HeadlessForm& f) { f.click("cb_OK"); });
            main().doubleClick(list, row);
        }
    }
    ASSERT_TRUE(project().isModified());
    testing::TempDir dir;
    const std::string path = dir.path("edited.bfl");
    toolkit.expectSaveFile("Select Output B-File Name", path);
    main().triggerMenu(menu::kSaveAs);
    const FileCheck result = checkFile(path);
    EXPECT_EQ(result.outcome, FileCheckOutcome::Read);
    EXPECT_TRUE(result.problems.empty()) << check::diagnosticLine(path, result.problems.front());
    main().pressShortcut("F7");
    EXPECT_EQ(main().statusText(), kNoProblems);
}

} // namespace
} // namespace ardel
