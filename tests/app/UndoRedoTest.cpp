#include "app/Form1.h"
#include "app/MainMenu.h"
#include "bfile/BFileWriter.h"
#include "support/HeadlessTest.h"

#include <filesystem>
#include <functional>
#include <random>
#include <sstream>

namespace ardel {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;
using ui::Answer;
using ui::HeadlessForm;

const std::string kHarbour = ARDEL_TEST_DATA "/../../examples/harbour_survey.bfl";
const char* const kMergeQuestion =
    "The selected input file will be merged with the data \nalready in the program's memory. Duplicate "
    "*70*,*71*,*72*,*80*, \n*86*, and *90* records will be ignored. See the program \ndocumentation for further "
    "details.";
const std::string kStationUpdated = " Session (*25*/*27*) records and one station (*25*) record updated";

std::string changeIdQuestion(const std::string& ssn, const std::string& current, const std::string& offered) {
    return "The current 4-character ID for station " + ssn + " is " + current +
           ".  \n                The SERFIL contains the value " + offered +
           ". \n                Would you like to change the current value to the one in the SERFIL?\n"
           "                (Caution - any existing sessions records for this station\n"
           "                may need to be changed as well).";
}

// Everything undo must give back: the B-file, the lines of every store (the IDs of
// stations without sessions among them), the header and the new-header flag.
struct State {
    std::string bfile;
    std::vector<std::vector<std::string>> lines;
    FormHeaderInfoFDXStruct header;
    bool newHeader;
    bool operator==(const State&) const = default;
};

class UndoRedoTest : public testing::HeadlessTest {
protected:
    UndoRedoTest() : window(toolkit) {
        window.form().show();
        std::filesystem::copy_file(ui::nativePath(kHarbour), ui::nativePath(path("harbour.bfl")));
        window.openAtStartup(path("harbour.bfl"));
    }

    HeadlessForm& form() { return *toolkit.form("Form1"); }
    Project& project() { return window.project(); }
    std::string path(const std::string& name) const { return dir.path(name); }

    State state() {
        Project& p = project();
        std::ostringstream out;
        EXPECT_TRUE(writeBFile(p, out));
        return {out.str(),
                {p.lb_Stations.lines(), p.lb_Instruments.lines(), p.lb_Antennas.lines(), p.lb_Sessions.lines(),
                 p.lb_86.lines(), p.lb_90.lines()},
                p.header,
                p.newHeader};
    }

    // The command changes the project as the step `name`; undo gives back the state
    // before it and redo the state after it, the entries naming the step each time.
    void checkUndoRedo(const std::string& name, const std::function<void()>& command) {
        SCOPED_TRACE(name);
        const State before = state();
        command();
        const State after = state();
        EXPECT_NE(after, before);
        EXPECT_EQ(form().menuText(menu::kUndo), "&Undo " + name);
        EXPECT_FALSE(form().isMenuEnabled(menu::kRedo));
        form().triggerMenu(menu::kUndo);
        EXPECT_EQ(state(), before);
        EXPECT_EQ(form().menuText(menu::kRedo), "&Redo " + name);
        form().triggerMenu(menu::kRedo);
        EXPECT_EQ(state(), after);
        EXPECT_FALSE(form().isMenuEnabled(menu::kRedo));
    }

    void expectStationEditor(const std::function<void(HeadlessForm&)>& edit) {
        toolkit.expectDialog("Form_Station", [edit](HeadlessForm& f) {
            edit(f);
            f.click("cb_OK");
        });
    }

    void expectEditor(const char* formName, const char* field, const std::string& text, const char* ok = "cb_OK") {
        toolkit.expectDialog(formName, [field, text, ok](HeadlessForm& f) {
            f.type(field, text);
            f.click(ok);
        });
    }

    void expectSessionEditor() {
        toolkit.expectDialog("Form_Session", [](HeadlessForm& f) { f.click("cb_OK"); });
    }

    std::string writeMergeFile(const std::string& name) {
        Project extra;
        extra.header.JobCode = "AB";
        extra.lb_Stations.append(buildStationLine(fit("0009QUAY WALL", 70), "    "));
        extra.lb_Instruments.append(fit("009GPS      OTHER MAKER", 70));
        std::ostringstream out;
        EXPECT_TRUE(writeBFile(extra, out));
        writeFile(path(name), out.str());
        return path(name);
    }

    void merge(const std::string& file) {
        toolkit.expectOpenFile("Select File to be Merged With Current Contents", file);
        toolkit.expectMessage("Merge Files", kMergeQuestion, Answer::OK);
        form().triggerMenu(menu::kMerge);
    }

    void expectBaseAndIncrement(const std::string& base, const std::string& increment) {
        toolkit.expectDialog("Form_RenumberAll", [=](HeadlessForm& f) {
            f.type("textb_base", base);
            f.type("textb_increment", increment);
            f.click("cb_OK");
        });
    }

    TempDir dir;
    Form1 window;
};

TEST_F(UndoRedoTest, EveryCommandUndoneAndRedoneGivesTheSameProjectBack) {
    checkUndoRedo("Edit Header Info", [this] {
        expectEditor("FormHeaderInfo", "mtextb_JobCode", "GP", "cb_1");
        form().triggerMenu(menu::kHeaderInfo);
    });
    checkUndoRedo("Add Station 0042", [this] {
        expectStationEditor([](HeadlessForm& f) {
            f.type("textb_SSN", "0042");
            f.type("textb_4CharacterID", "HBR1");
            f.type("textb_StationName", "NEW MARK");
        });
        form().triggerMenu(menu::kAddStation);
    });
    checkUndoRedo("Modify Station 0042", [this] {
        expectStationEditor([](HeadlessForm& f) { f.type("textb_StationName", "MOVED MARK"); });
        form().doubleClick("lb_Stations", 3);
    });
    checkUndoRedo("Renumber Station 0001", [this] {
        form().choose("lb_Stations", 0);
        expectEditor("Form_RenumberOne", "textb_numbertext", "50");
        toolkit.expectMessage("Sessions Updated", "1" + kStationUpdated);
        form().triggerMenu(menu::kRenumberOneStation);
    });
    checkUndoRedo("Delete Station 0042", [this] {
        form().choose("lb_Stations", 3);
        form().triggerMenu(menu::kDeleteStation);
    });
    checkUndoRedo("Add Equipment 003", [this] {
        expectEditor("FormEquipment", "textb_JSIN", "003");
        form().triggerMenu(menu::kAddEquipment);
    });
    checkUndoRedo("Modify Equipment 003", [this] {
        expectEditor("FormEquipment", "textb_SerialNumber", "SN-9");
        form().doubleClick("lb_Instruments", 2);
    });
    checkUndoRedo("Delete Equipment 003", [this] {
        form().choose("lb_Instruments", 2);
        form().triggerMenu(menu::kDeleteEquipment);
    });
    checkUndoRedo("Add Antenna 005", [this] {
        expectEditor("Form_Antenna", "textb_JSAN", "005");
        form().triggerMenu(menu::kAddAntenna);
    });
    checkUndoRedo("Modify Antenna 005", [this] {
        expectEditor("Form_Antenna", "textb_SerialNumber", "A-77");
        form().doubleClick("lb_Antennas", 2);
    });
    checkUndoRedo("Delete Antenna 005", [this] {
        form().choose("lb_Antennas", 2);
        form().triggerMenu(menu::kDeleteAntenna);
    });
    checkUndoRedo("Add Session 0002", [this] {
        form().choose("lb_Stations", 1);
        form().choose("lb_Instruments", 0);
        form().choose("lb_Antennas", 0);
        toolkit.expectDialog("Form_Session", [](HeadlessForm& f) {
            f.choose("combo_manufacturer", 14);
            f.type("textb_sessionID", "B");
            f.click("cb_OK");
        });
        form().triggerMenu(menu::kAddSession);
    });
    checkUndoRedo("Modify Session 0050", [this] {
        expectSessionEditor();
        form().doubleClick("lb_Sessions", 0);
    });
    checkUndoRedo("Delete Session 0003", [this] {
        form().choose("lb_Sessions", 1);
        form().triggerMenu(menu::kDeleteSession);
    });
    checkUndoRedo("Renumber All Stations", [this] {
        expectBaseAndIncrement("10", "10");
        form().triggerMenu(menu::kRenumberAllStations);
    });
    checkUndoRedo("Sort Stations by Name", [this] { form().triggerMenu(menu::kSortStationsByName); });
    checkUndoRedo("Merge extra.bfl", [this] { merge(writeMergeFile("extra.bfl")); });
    checkUndoRedo("Import SERFIL ids.ser", [this] {
        writeFile(path("ids.ser"), "ZZZZ   0010\r\n");
        toolkit.expectOpenFile("Select SER File to be Imported", path("ids.ser"));
        toolkit.expectMessage("SERFIL", changeIdQuestion("0010", "MERC", "ZZZZ"), Answer::Yes);
        toolkit.expectMessage("SERFIL Imported", "1 SERFIL records imported\n    from " + path("ids.ser") + ".");
        form().triggerMenu(menu::kSerfilImport);
    });
}

// Fifty commands picked at random, each a step; undone to the start they give back the
// bytes of the file opened and the unmodified title, redone the state they made.
TEST_F(UndoRedoTest, FiftyRandomCommandsUndoneToTheStartGiveTheOpenedFilesBytes) {
    const char* const sorts[] = {menu::kSortStationsBySsn,        menu::kSortStationsByName,
                                 menu::kSortInstrumentsByCode,    menu::kSortSessionsByStart,
                                 menu::kSortSessionsByInstrument, menu::kSortAntennasByCode};
    const char* const renumberAll[] = {menu::kRenumberAllStations, menu::kRenumberAllInstruments,
                                       menu::kRenumberAllAntennas};
    std::mt19937 random(20261207);
    const auto pick = [&random](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    int added = 0;
    for (int command = 0; command < 50; ++command) {
        const std::size_t steps = project().history.stepCount();
        switch (pick(5)) {
        case 0:
            form().triggerMenu(sorts[pick(6)]);
            break;
        case 1:
            expectBaseAndIncrement(std::to_string(1 + pick(40)), std::to_string(1 + pick(5)));
            form().triggerMenu(renumberAll[pick(3)]);
            break;
        case 2:
            expectEditor("FormEquipment", "textb_JSIN", std::to_string(500 + added++));
            form().triggerMenu(menu::kAddEquipment);
            break;
        case 3:
            expectSessionEditor();
            form().doubleClick("lb_Sessions", pick(project().lb_Sessions.count()));
            break;
        default:
            expectEditor("FormHeaderInfo", "mtextb_JobCode", std::string(1, static_cast<char>('A' + pick(26))) + "Q",
                         "cb_1");
            form().triggerMenu(menu::kHeaderInfo);
            break;
        }
        if (project().history.stepCount() == steps) {
            // A sort of an already sorted list or a renumber to the same numbers changes nothing.
            form().triggerMenu(menu::kSortStationsByName);
            form().triggerMenu(menu::kSortStationsBySsn);
        }
    }
    const State changed = state();
    const std::size_t steps = project().history.stepCount();
    ASSERT_GE(steps, 50u);
    for (std::size_t i = 0; i < steps; ++i) {
        form().triggerMenu(menu::kUndo);
    }
    EXPECT_FALSE(form().isMenuEnabled(menu::kUndo));
    EXPECT_EQ(state().bfile, readFile(kHarbour));
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [" + path("harbour.bfl") + "][unmodified]");
    for (std::size_t i = 0; i < steps; ++i) {
        form().triggerMenu(menu::kRedo);
    }
    EXPECT_EQ(state(), changed);
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [" + path("harbour.bfl") + "][modified]");
}

// Station 0001 has heights and a fixed record: they go and come back with it.
TEST_F(UndoRedoTest, AStationComesBackWithItsHeightsAndFixedRecord) {
    form().choose("lb_Sessions", 0);
    form().triggerMenu(menu::kDeleteSession);
    ASSERT_EQ(project().lb_86.count(), 2);
    ASSERT_EQ(project().lb_90.count(), 1);
    checkUndoRedo("Delete Station 0001", [this] {
        form().choose("lb_Stations", 0);
        form().triggerMenu(menu::kDeleteStation);
        EXPECT_EQ(project().lb_86.count(), 1);
        EXPECT_TRUE(project().lb_90.empty());
    });
    form().triggerMenu(menu::kUndo);
    form().triggerMenu(menu::kUndo);
    EXPECT_EQ(state().bfile, readFile(kHarbour));
}

TEST_F(UndoRedoTest, ANewCommandTakesTheRedoStepsAway) {
    form().triggerMenu(menu::kSortStationsByName);
    form().triggerMenu(menu::kUndo);
    EXPECT_TRUE(form().isMenuEnabled(menu::kRedo));
    EXPECT_EQ(form().menuText(menu::kRedo), "&Redo Sort Stations by Name");
    form().triggerMenu(menu::kSortSessionsByInstrument);
    EXPECT_FALSE(form().isMenuEnabled(menu::kRedo));
    EXPECT_EQ(form().menuText(menu::kRedo), "&Redo");
    EXPECT_EQ(form().menuText(menu::kUndo), "&Undo Sort Sessions by Instrument");
    form().triggerMenu(menu::kUndo);
    EXPECT_FALSE(form().isMenuEnabled(menu::kUndo));
    EXPECT_EQ(form().menuText(menu::kUndo), "&Undo");
}

// The title follows the history position of the last save; New and Open start an empty
// history, a save keeps it; a command that changes nothing is no step.
TEST_F(UndoRedoTest, TheModifiedFlagFollowsThePositionOfTheLastSave) {
    const std::string file = path("harbour.bfl");
    const std::string unmodified = "Ardel - Create B-File [" + file + "][unmodified]";
    const std::string modified = "Ardel - Create B-File [" + file + "][modified]";
    EXPECT_FALSE(form().isMenuEnabled(menu::kUndo));
    EXPECT_FALSE(form().isMenuEnabled(menu::kRedo));

    form().triggerMenu(menu::kSortStationsBySsn); // already in SSN order
    EXPECT_FALSE(form().isMenuEnabled(menu::kUndo));
    EXPECT_EQ(form().caption(), unmodified);

    form().triggerMenu(menu::kSortSessionsByInstrument);
    EXPECT_EQ(form().menuText(menu::kUndo), "&Undo Sort Sessions by Instrument");
    EXPECT_EQ(form().caption(), modified);
    form().triggerMenu(menu::kUndo);
    EXPECT_EQ(form().caption(), unmodified);
    form().triggerMenu(menu::kRedo);
    EXPECT_EQ(form().caption(), modified);

    form().triggerMenu(menu::kSave);
    EXPECT_EQ(form().caption(), unmodified);
    EXPECT_EQ(form().menuText(menu::kUndo), "&Undo Sort Sessions by Instrument");
    form().triggerMenu(menu::kUndo);
    EXPECT_EQ(form().caption(), modified);
    EXPECT_EQ(state().bfile, readFile(kHarbour));
    form().triggerMenu(menu::kRedo);
    EXPECT_EQ(form().caption(), unmodified);
    EXPECT_EQ(state().bfile, readFile(file));

    // Undone past the save and changed otherwise, no state is the saved one any more.
    form().triggerMenu(menu::kUndo);
    form().triggerMenu(menu::kSortStationsByName);
    form().triggerMenu(menu::kUndo);
    EXPECT_EQ(form().caption(), modified);

    toolkit.expectMessage("Exit Ardel", "Do you want to save the current data?", Answer::No);
    form().triggerMenu(menu::kNew);
    EXPECT_FALSE(form().isMenuEnabled(menu::kUndo));
    EXPECT_FALSE(form().isMenuEnabled(menu::kRedo));
}

TEST_F(UndoRedoTest, AnAmpersandInAStepNameIsShownAsOne) {
    merge(writeMergeFile("north&south.bfl"));
    EXPECT_EQ(form().menuText(menu::kUndo), "&Undo Merge north&&south.bfl");
    EXPECT_EQ(project().history.undoName(), "Merge north&south.bfl");
}

TEST_F(UndoRedoTest, TwoHundredStepsAreKept) {
    for (int i = 0; i < 300; ++i) {
        form().triggerMenu(i % 2 ? menu::kSortStationsBySsn : menu::kSortStationsByName);
    }
    int undone = 0;
    while (form().isMenuEnabled(menu::kUndo)) {
        form().triggerMenu(menu::kUndo);
        ++undone;
    }
    EXPECT_GE(undone, 200);
    EXPECT_EQ(undone, static_cast<int>(UndoHistory::kMostSteps));
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [" + path("harbour.bfl") + "][modified]");
}

} // namespace
} // namespace ardel
