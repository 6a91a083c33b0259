// "Recent Files" in the File menu and B-files dropped onto the main window, through
// the headless toolkit: the list follows every file opened or saved, lives in the
// settings beside "InputFile", loses a file that is gone, and can be cleared.
#include "app/Form1.h"
#include "app/MainMenu.h"
#include "bfile/BFileWriter.h"
#include "support/HeadlessTest.h"

#include <filesystem>
#include <sstream>

namespace ardel {
namespace {

using testing::TempDir;
using testing::writeFile;
using ui::Answer;
using ui::HeadlessForm;

const char* const kSaveQuestion = "Do you want to save the current data?";

// A B-file whose header carries `jobCode`, so a test can tell which file was read.
std::string bfileWithJobCode(const std::string& jobCode) {
    Project project;
    project.header.JobCode = jobCode;
    project.lb_Stations.append(buildStationLine(fit("0001ONE", 70), ""));
    std::ostringstream out;
    EXPECT_TRUE(writeBFile(project, out));
    return out.str();
}

class RecentFilesTest : public testing::HeadlessTest {
protected:
    HeadlessForm& form() { return *toolkit.form("Form1"); }

    // The texts "Recent Files" shows, with "(gray)" after a grayed entry.
    std::vector<std::string> shown() {
        std::vector<std::string> texts;
        for (const ui::MenuEntryDecl& entry : form().menuEntries(menu::kRecentFiles)) {
            texts.push_back(entry.text + (form().isMenuEnabled(entry.id) ? "" : " (gray)"));
        }
        return texts;
    }

    std::string stored() { return toolkit.settingsStore.values["RecentFiles"]; }

    std::string bfile(const std::string& name, const std::string& jobCode) {
        const std::string path = dir.path(name);
        writeFile(path, bfileWithJobCode(jobCode));
        return path;
    }

    TempDir dir;
};

// One session of work: files opened by the prompt, on the command line and from the
// list itself, and saved under new names; the list keeps the newest six, each once.
TEST_F(RecentFilesTest, TheListFollowsEveryFileOpenedOrSavedAndKeepsTheNewestSix) {
    Form1 window(toolkit);
    window.form().show();
    EXPECT_EQ(shown(), (std::vector<std::string>{"&Clear (gray)"}));

    // A file named on the command line counts as opened.
    const std::string started = bfile("started.bfl", "S1");
    window.openAtStartup(started);
    EXPECT_EQ(shown(), (std::vector<std::string>{"&1 " + started, "-", "&Clear"}));

    const std::string first = bfile("first.bfl", "F1");
    toolkit.expectOpenFile("Select Input File", first);
    form().triggerMenu(menu::kOpen);
    EXPECT_EQ(shown(), (std::vector<std::string>{"&1 " + first, "&2 " + started, "-", "&Clear"}));
    EXPECT_EQ(stored(), first + "\n" + started);
    EXPECT_EQ(toolkit.settingsStore.values["InputFile"], first);

    std::vector<std::string> saved;
    for (int copy = 1; copy <= 6; ++copy) {
        saved.push_back(dir.path("copy&" + std::to_string(copy) + ".bfl"));
        toolkit.expectSaveFile("Select Output B-File Name", saved.back());
        form().triggerMenu(menu::kSaveAs);
    }
    EXPECT_EQ(shown(), (std::vector<std::string>{"&1 " + dir.path("copy&&6.bfl"), "&2 " + dir.path("copy&&5.bfl"),
                                                 "&3 " + dir.path("copy&&4.bfl"), "&4 " + dir.path("copy&&3.bfl"),
                                                 "&5 " + dir.path("copy&&2.bfl"), "&6 " + dir.path("copy&&1.bfl"), "-",
                                                 "&Clear"}));
    EXPECT_EQ(toolkit.settingsStore.values["InputFile"], first); // saving reads nothing

    // The fourth entry opens copy 3 (after the save question) and moves it to the top.
    window.project().markModified();
    toolkit.expectMessage("Exit Ardel", kSaveQuestion, Answer::No);
    form().triggerMenu(menu::recentFileId(3));
    EXPECT_EQ(window.project().fileName, saved[2]);
    EXPECT_FALSE(window.project().isModified());
    EXPECT_EQ(toolkit.settingsStore.values["InputFile"], saved[2]);
    EXPECT_EQ(stored(),
              saved[2] + "\n" + saved[5] + "\n" + saved[4] + "\n" + saved[3] + "\n" + saved[1] + "\n" + saved[0]);
}

// The list outlives the run: a new window shows what the settings hold (blank lines and
// repeats dropped, at most six). A file that is gone is taken off with a message, and
// Clear empties the list and grays itself.
TEST_F(RecentFilesTest, AMissingFileIsTakenOffWithAMessageAndClearEmptiesTheList) {
    const std::string kept = bfile("kept.bfl", "K1");
    const std::string gone = dir.path("gone.bfl");
    std::vector<std::string> others; // files that are never opened
    for (const char* name : {"2", "3", "4", "5", "6", "7"}) {
        others.push_back(dir.path(name));
    }
    std::string list = gone + "\n\n" + kept + "\n" + gone;
    for (const std::string& other : others) {
        list += "\n" + other;
    }
    toolkit.settingsStore.values["RecentFiles"] = list;
    toolkit.settingsStore.values["InputFile"] = "/somewhere/else.bfl";
    Form1 window(toolkit);
    window.form().show();
    EXPECT_EQ(shown(), (std::vector<std::string>{"&1 " + gone, "&2 " + kept, "&3 " + others[0], "&4 " + others[1],
                                                 "&5 " + others[2], "&6 " + others[3], "-", "&Clear"}));
    EXPECT_EQ(form().menuEntries(menu::kRecentFiles)[1].hint, "Open " + kept);

    window.project().markModified();
    toolkit.expectMessage("Recent Files", gone + " cannot be found. It is taken off the list of recent files.");
    form().triggerMenu(menu::recentFileId(0));
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Warning);
    EXPECT_TRUE(window.project().isModified()); // nothing was asked, nothing was read
    EXPECT_EQ(toolkit.settingsStore.values["InputFile"], "/somewhere/else.bfl");
    EXPECT_EQ(stored(), kept + "\n" + others[0] + "\n" + others[1] + "\n" + others[2] + "\n" + others[3]);
    EXPECT_EQ(shown().front(), "&1 " + kept);

    form().triggerMenu(menu::kClearRecentFiles);
    EXPECT_EQ(shown(), (std::vector<std::string>{"&Clear (gray)"}));
    EXPECT_EQ(stored(), "");
    EXPECT_FALSE(form().isMenuEnabled(menu::recentFileId(0)));
}

// Only a file read to its end joins the list: not one that is missing at start-up,
// nor one whose reading stopped on an error.
TEST_F(RecentFilesTest, AFileThatCouldNotBeReadDoesNotJoinTheList) {
    Form1 window(toolkit);
    window.form().show();
    toolkit.expectMessage("Error", "The Input File Does Not Exist");
    window.openAtStartup(dir.path("missing.bfl"));

    const std::string badOccupation = "000990*27*0002" + std::string(66, ' ');
    std::string text = bfileWithJobCode("B1");
    text.insert(text.find("000060"), "000980*25*0001" + std::string(56, ' ') + "\r\n" + badOccupation + "\r\n");
    const std::string broken = dir.path("broken.bfl");
    writeFile(broken, text);
    toolkit.expectOpenFile("Select Input File", broken);
    toolkit.expectMessage("Error", "Error retrieving old\n                    B-file. Station serial numbers in a set "
                                   "must match. \n                    " +
                                       badOccupation);
    form().triggerMenu(menu::kOpen);
    EXPECT_EQ(shown(), (std::vector<std::string>{"&Clear (gray)"}));
    EXPECT_EQ(stored(), "");
}

// A dropped B-file is opened as Open opens one: the save question first (Cancel keeps
// everything), then the file is read, named in the title and put on the list.
TEST_F(RecentFilesTest, ADroppedFileIsOpenedAfterTheSaveQuestion) {
    Form1 window(toolkit);
    window.form().show();
    const std::string dropped = bfile("dropped.vry", "DR");
    window.project().markModified();
    toolkit.expectMessage("Exit Ardel", kSaveQuestion, Answer::Cancel);
    form().dropFile(dropped);
    EXPECT_TRUE(window.project().isModified());
    EXPECT_EQ(window.project().fileName, "");

    toolkit.expectMessage("Exit Ardel", kSaveQuestion, Answer::No);
    form().dropFile(dropped);
    EXPECT_EQ(form().label("label_JobCode").text(), "Job Code: DR");
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [" + dropped + "][unmodified]");
    EXPECT_EQ(toolkit.settingsStore.values["InputFile"], dropped);
    EXPECT_EQ(stored(), dropped);

    // Without changes there is no question; a dropped file that is missing is reported as Open reports it.
    toolkit.expectMessage("Error", "The Input File Does Not Exist");
    form().dropFile(dir.path("nothing-here.bfl"));
    EXPECT_EQ(stored(), dropped);
}

} // namespace
} // namespace ardel
