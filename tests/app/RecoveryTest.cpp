#include "app/ApplicationClass.h"
#include "app/Form1.h"
#include "app/MainMenu.h"
#include "app/RecoveryCopy.h"
#include "bfile/BFileWriter.h"
#include "support/HeadlessTest.h"
#include "ui/Platform.h"

#include <filesystem>
#include <memory>
#include <set>
#include <sstream>

namespace ardel {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;
using ui::Answer;
using ui::HeadlessForm;

const std::string kHarbour = ARDEL_TEST_DATA "/../../examples/harbour_survey.bfl";
constexpr long kGoneProcess = 999999999; // no process has this id
constexpr int kDelay = ProjectRecovery::kDelayMilliseconds;

std::string bfileOf(const Project& project) {
    std::ostringstream out;
    EXPECT_TRUE(writeBFile(project, out));
    return out.str();
}

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(ui::nativePath(folder))) {
        names.insert(ui::utf8Path(entry.path().filename()));
    }
    return names;
}

std::string question(const std::string& file, const std::string& date) {
    return "Ardel ended without saving the project of " + file + ".\nDo you want to recover the unsaved project of " +
           file + " from " + date + "?";
}

class RecoveryTest : public testing::HeadlessTest {
protected:
    RecoveryTest() {
        fs::create_directories(ui::nativePath(dir.path("data")));
        toolkit.dataFolderPath = dir.path("data");
        fs::copy_file(ui::nativePath(kHarbour), ui::nativePath(dir.path("harbour.bfl")));
        window = std::make_unique<Form1>(toolkit);
        window->form().show();
        window->openAtStartup(dir.path("harbour.bfl"));
    }

    HeadlessForm& form() { return *toolkit.form("Form1"); }
    Project& project() { return window->project(); }
    std::string data() const { return dir.path("data"); }
    std::string crashed() const { return dir.path("crashed"); }
    std::string ownSide() const { return "recovery-" + std::to_string(ui::processId()) + ".txt"; }

    // A station without sessions: its ID is what a B-file cannot carry.
    void addStationWithoutSessions() {
        toolkit.expectDialog("Form_Station", [](HeadlessForm& f) {
            f.type("textb_SSN", "0042");
            f.type("textb_4CharacterID", "HBR1");
            f.type("textb_StationName", "NEW MARK");
            f.click("cb_OK");
        });
        form().triggerMenu(menu::kAddStation);
    }

    // The copy as a crashed program would have left it, in a folder of its own: its
    // side file named by a process that no longer runs.
    FoundCopy crash() {
        fs::create_directories(ui::nativePath(crashed()));
        for (const std::string& name : filesIn(data())) {
            const std::string copied = name == ownSide() ? "recovery-" + std::to_string(kGoneProcess) + ".txt" : name;
            fs::copy_file(ui::nativePath(ui::joinPath(data(), name)), ui::nativePath(ui::joinPath(crashed(), copied)));
        }
        const auto found = RecoveryCopy::leftBehind(crashed(), ui::programRunning);
        EXPECT_EQ(found.size(), 1u);
        return found.empty() ? FoundCopy{} : found.front();
    }

    TempDir dir;
    std::unique_ptr<Form1> window;
};

// Written the delay after the first change not yet copied (steady changes do not put
// it off), one copy at a time; restored exactly by a later program, which then keeps a
// copy of its own until the project is saved.
TEST_F(RecoveryTest, ACopyWrittenAfterTheDelayIsRestoredExactly) {
    addStationWithoutSessions();
    toolkit.advanceClock(kDelay - 1);
    EXPECT_TRUE(filesIn(data()).empty());
    form().triggerMenu(menu::kSortStationsByName);
    toolkit.advanceClock(1);
    const std::string pid = std::to_string(ui::processId());
    EXPECT_EQ(filesIn(data()), (std::set<std::string>{ownSide(), "recovery-" + pid + "-1.bfl"}));
    toolkit.expectDialog("FormHeaderInfo", [](HeadlessForm& f) {
        f.type("mtextb_JobCode", "GP");
        f.click("cb_1");
    });
    form().triggerMenu(menu::kHeaderInfo);
    toolkit.advanceClock(kDelay);
    EXPECT_EQ(filesIn(data()), (std::set<std::string>{ownSide(), "recovery-" + pid + "-2.bfl"}));

    const std::string bfile = bfileOf(project());
    const std::vector<std::string> stations = project().lb_Stations.lines();
    const FormHeaderInfoFDXStruct header = project().header;
    const FoundCopy found = crash();
    EXPECT_EQ(found.fileName, dir.path("harbour.bfl"));
    window.reset();
    EXPECT_TRUE(filesIn(data()).empty()) << "a normal end removes the copy";

    ui::HeadlessToolkit later;
    later.dataFolderPath = crashed();
    later.settingsStore.values["InputFile"] = "/somewhere/else.bfl";
    Form1 restarted(later);
    restarted.form().show();
    later.expectMessage("Recover Project", question(dir.path("harbour.bfl"), found.date), Answer::Yes);
    EXPECT_TRUE(restarted.offerRecovery());
    Project& back = restarted.project();
    EXPECT_EQ(bfileOf(back), bfile);
    EXPECT_EQ(back.lb_Stations.lines(), stations);
    EXPECT_EQ(back.header, header);
    EXPECT_EQ(back.fileName, dir.path("harbour.bfl"));
    EXPECT_EQ(restarted.form().caption(), "Ardel - Create B-File [" + dir.path("harbour.bfl") + "][modified]");
    EXPECT_FALSE(restarted.form().isMenuEnabled(menu::kUndo));
    EXPECT_EQ(later.settingsStore.values["InputFile"], "/somewhere/else.bfl");
    EXPECT_EQ(filesIn(crashed()), (std::set<std::string>{ownSide(), "recovery-" + pid + "-1.bfl"}))
        << "the old copy goes once the program has one of its own";

    later.expectDialog("Form_Warning_YesNo", [](HeadlessForm& f) { f.click("cb_Yes"); });
    later.form("Form1")->triggerMenu(menu::kSave);
    EXPECT_EQ(readFile(dir.path("harbour.bfl")), bfile);
    EXPECT_TRUE(filesIn(crashed()).empty());
    EXPECT_TRUE(later.unusedExpectations().empty());
}

TEST_F(RecoveryTest, NoRemovesTheCopyAndTheFileNamedAtStartIsOpened) {
    form().triggerMenu(menu::kSortStationsByName);
    toolkit.advanceClock(kDelay);
    const FoundCopy found = crash();
    window.reset();

    ui::HeadlessToolkit later;
    later.dataFolderPath = crashed();
    ApplicationClass application(later);
    later.expectMessage("Recover Project", question(dir.path("harbour.bfl"), found.date), Answer::No);
    ASSERT_TRUE(application.start({kHarbour}));
    EXPECT_EQ(later.form("Form1")->caption(), "Ardel - Create B-File [" + kHarbour + "][unmodified]");
    EXPECT_TRUE(filesIn(crashed()).empty());
    EXPECT_TRUE(later.unusedExpectations().empty());
}

// Back at the saved state, saved, emptied by New or closed normally: no copy is kept.
TEST_F(RecoveryTest, NoCopyIsKeptOfAProjectWithoutUnsavedChanges) {
    form().triggerMenu(menu::kSortStationsByName);
    toolkit.advanceClock(kDelay);
    EXPECT_FALSE(filesIn(data()).empty());
    form().triggerMenu(menu::kUndo);
    EXPECT_TRUE(filesIn(data()).empty());
    toolkit.advanceClock(kDelay);
    EXPECT_TRUE(filesIn(data()).empty());

    form().triggerMenu(menu::kRedo);
    toolkit.advanceClock(kDelay);
    form().triggerMenu(menu::kSave);
    EXPECT_TRUE(filesIn(data()).empty());

    form().triggerMenu(menu::kSortSessionsByInstrument);
    toolkit.advanceClock(kDelay);
    toolkit.expectMessage("Exit Ardel", "Do you want to save the current data?", Answer::No);
    form().triggerMenu(menu::kNew);
    EXPECT_TRUE(filesIn(data()).empty());

    form().triggerMenu(menu::kSortStationsByName); // an empty project: nothing to sort
    addStationWithoutSessions();
    toolkit.advanceClock(kDelay);
    EXPECT_FALSE(filesIn(data()).empty());
    window.reset();
    EXPECT_TRUE(filesIn(data()).empty());
}

// A project beyond the records a B-file holds still gets its copy, restored exactly.
TEST_F(RecoveryTest, AProjectBeyondTheRecordLimitIsCopiedAndRestoredExactly) {
    SessionWorkArea session = unpackSession(packedOf(project().lb_Sessions.at(0)));
    session.comments.clear();
    for (session.commentCount = 0; session.commentCount < 9999; ++session.commentCount) {
        session.comments +=
            (session.commentCount ? "\r\n" : "") + fit("NOTE " + std::to_string(session.commentCount), 70);
    }
    std::vector<std::string> sessions = project().lb_Sessions.lines();
    sessions.insert(sessions.end(), 10, buildSessionLine(session, packSession(session)));
    project().lb_Sessions.assign(sessions);
    project().markModified();
    ASSERT_GT(countRecords(project()), kMostRecords);
    toolkit.advanceClock(kDelay);
    const FoundCopy found = crash();
    window.reset();

    ui::HeadlessToolkit later;
    later.dataFolderPath = crashed();
    Form1 restarted(later);
    restarted.form().show();
    later.expectMessage("Recover Project", question(dir.path("harbour.bfl"), found.date), Answer::Yes);
    EXPECT_TRUE(restarted.offerRecovery());
    EXPECT_EQ(restarted.project().lb_Sessions.lines(), sessions);
    EXPECT_EQ(restarted.project().fileName, dir.path("harbour.bfl"));
}

// The data folder cannot be written: said once a run, in a message box and the status bar.
TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsToldOnce) {
    ui::HeadlessToolkit other;
    other.dataFolderPath = dir.path("harbour.bfl/data"); // under a file: never a folder
    Form1 second(other);
    second.form().show();
    second.openAtStartup(dir.path("harbour.bfl"));
    other.expectMessage("Recovery Copy", "The recovery copy of the unsaved changes cannot be written in " +
                                             other.dataFolderPath +
                                             ".\nUntil the project is saved, a crash would lose them.");
    other.form("Form1")->triggerMenu(menu::kSortStationsByName);
    other.advanceClock(kDelay);
    EXPECT_EQ(other.lastIcon(), ui::Icon::Warning);
    EXPECT_EQ(second.form().statusText(), "No recovery copy: save the project to keep the unsaved changes safe.");
    other.form("Form1")->triggerMenu(menu::kSortSessionsByInstrument);
    other.advanceClock(kDelay);
    EXPECT_TRUE(other.unusedExpectations().empty());
}

// Each program keeps its own copy; only those of programs no longer running are offered:
// this program's copy is not, that of a program that has ended is.
TEST(RecoveryCopyTest, TwoProgramsKeepSeparateCopies) {
    TempDir dir;
    Project first, second;
    first.fileName = "/survey/first.bfl";
    first.lb_Instruments.append(fit("001GPS", 70));
    second.lb_Antennas.append(fit("001   TRM22020.00+GP", 70));
    RecoveryCopy one(dir.path(""), kGoneProcess), other(dir.path(""), ui::processId());
    ASSERT_TRUE(one.write(first));
    ASSERT_TRUE(other.write(second));
    EXPECT_EQ(filesIn(dir.path("")).size(), 4u);

    const auto running = ui::programRunning;
    const std::vector<FoundCopy> found = RecoveryCopy::leftBehind(dir.path(""), running);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].processId, kGoneProcess);
    EXPECT_EQ(found[0].fileName, "/survey/first.bfl");
    testing::writeFile(dir.path("recovery-" + std::to_string(kGoneProcess) + "-7.bfl"),
                       "left by a kill between two writes");
    other.remove();
    EXPECT_EQ(filesIn(dir.path("")).size(), 3u);
    RecoveryCopy::discard(found[0]);
    EXPECT_TRUE(filesIn(dir.path("")).empty());

    // an older version kept a relative name: which folder it meant is unknown
    first.fileName = "w/first.bfl";
    ASSERT_TRUE(one.write(first));
    ui::HeadlessToolkit toolkit;
    Form_Warning warning(toolkit);
    Project restored;
    EXPECT_TRUE(
        RecoveryCopy::restore(RecoveryCopy::leftBehind(dir.path(""), running).at(0), restored, toolkit, warning));
    EXPECT_EQ(restored.lb_Instruments.lines(), first.lb_Instruments.lines());
    EXPECT_EQ(restored.fileName, "");
}

} // namespace
} // namespace ardel
