#include "app/Form1.h"
#include "app/MainMenu.h"
#include "app/UserGuide.h"
#include "bfile/BFileWriter.h"
#include "support/HeadlessTest.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "utilities/AtomicFile.h"

#include <chrono>
#include <filesystem>
#include <sstream>

namespace ardel {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;
using ui::Answer;
using ui::HeadlessForm;

const char* const kSaveQuestion = "Do you want to save the current data?";
const char* const kLostIdFormat =
    "There are no sessions for SSN %s.\n              The four character ID %s for this station will be lost. \n"
    "              See the explanation under SERFIL for more information.\n\n              Continue?";

std::string stationBody(const std::string& ssn, const std::string& name) {
    return fit(ssn + name, 70);
}

std::string bfileOf(const Project& project) {
    std::ostringstream out;
    EXPECT_TRUE(writeBFile(project, out));
    return out.str();
}

class DocumentCommandsTest : public testing::HeadlessTest {
protected:
    DocumentCommandsTest() : window(toolkit) { window.form().show(); }

    HeadlessForm& form() { return *toolkit.form("Form1"); }
    Project& project() { return window.project(); }

    void addStation(const std::string& ssn, const std::string& id) {
        project().lb_Stations.append(buildStationLine(stationBody(ssn, "STATION " + ssn), id));
        project().markModified();
    }

    void expectLostIdQuestion(const std::string& ssn, const std::string& id, bool yes, bool tick = false) {
        toolkit.expectDialog("Form_Warning_YesNo", [=](HeadlessForm& dialog) {
            EXPECT_EQ(dialog.label("label_1").text(), ui::format(kLostIdFormat, ssn.c_str(), id.c_str()));
            if (tick) {
                dialog.click("checkbox_warning");
            }
            dialog.click(yes ? "cb_Yes" : "cb_No");
        });
    }

    TempDir dir;
    Form1 window;
};

TEST_F(DocumentCommandsTest, StartsEmptyWithTheStartUpTitleAndGrayEntries) {
    EXPECT_EQ(form().caption(), "Ardel - Create B- File [unnamed file][unmodified]");
    EXPECT_EQ(form().label("label_JobCode").text(), "Job Code: ");
    EXPECT_TRUE(form().isMenuEnabled(menu::kNew));
    EXPECT_TRUE(form().isMenuEnabled(menu::kSaveAs));
    EXPECT_FALSE(form().isMenuEnabled(menu::kModifyStation));
    EXPECT_FALSE(form().isMenuEnabled(menu::kPopupDeleteSession));
    EXPECT_EQ(project().lb_J2M.count(), 76);
}

TEST_F(DocumentCommandsTest, SaveOfANeverSavedProjectAsksAboutLostIdsTwiceThenWrites) {
    addStation("0001", "ABCD");
    const std::string path = dir.path("new.bfl");
    expectLostIdQuestion("0001", "ABCD", true);
    toolkit.expectSaveFile("Select Output B-File Name", path);
    expectLostIdQuestion("0001", "ABCD", true);
    form().triggerMenu(menu::kSave);

    EXPECT_EQ(readFile(path), bfileOf(project()));
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [" + path + "][unmodified]");
    EXPECT_FALSE(project().isModified());
    const auto& request = toolkit.lastFileRequest();
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filters[0].description, "B-Files (*.bfl)");
    EXPECT_EQ(request.filters[1].pattern, "*.*");
}

TEST_F(DocumentCommandsTest, LostIdAnsweredNoAbortsTheSaveAndASuppressedQuestionIsNotAskedAgain) {
    addStation("0001", "ABCD");
    const std::string path = dir.path("out.bfl");
    toolkit.expectSaveFile("Select Output B-File Name", path);
    expectLostIdQuestion("0001", "ABCD", false, true);
    toolkit.expectMessage("Abort", "Save Aborted.");
    form().triggerMenu(menu::kSaveAs);
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Information);
    EXPECT_FALSE(std::filesystem::exists(ui::nativePath(path)));
    EXPECT_TRUE(project().isModified());

    toolkit.expectSaveFile("Select Output B-File Name", path);
    form().triggerMenu(menu::kSaveAs);
    EXPECT_EQ(readFile(path).find("ABCD"), std::string::npos);
    EXPECT_FALSE(project().isModified());
}

TEST_F(DocumentCommandsTest, SaveAsOntoAnExistingFileAnsweredNoLeavesItAndTheName) {
    const std::string path = dir.path("old.bfl");
    writeFile(path, "precious");
    project().markModified();
    toolkit.expectSaveFile("Select Output B-File Name", path);
    toolkit.expectMessage("Save B-File", path + " Exists. Do you wish to overwrite it?", Answer::No);
    form().triggerMenu(menu::kSaveAs);
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Question);
    EXPECT_EQ(toolkit.lastButtons(), ui::Buttons::YesNo);
    EXPECT_EQ(readFile(path), "precious");
    EXPECT_EQ(project().fileName, "");
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [][modified]");
}

TEST_F(DocumentCommandsTest, SaveAsOntoAReadOnlyFileNamesItAndSaveTriesItAgain) {
    const std::string path = dir.path("locked.bfl");
    writeFile(path, "locked");
    std::filesystem::permissions(ui::nativePath(path), std::filesystem::perms::owner_read);
    project().markModified();
    const std::string cannot =
        "Cannot write to file " + path + ".\n File may be marked read-only or may be in use by another program.";
    toolkit.expectSaveFile("Select Output B-File Name", path);
    toolkit.expectMessage("Save B-File", path + " Exists. Do you wish to overwrite it?", Answer::Yes);
    toolkit.expectMessage("Cannot Write File", cannot);
    form().triggerMenu(menu::kSaveAs);
    EXPECT_EQ(project().fileName, path);
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [][modified]");
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Stop);

    toolkit.expectMessage("Error - Cannot write file", cannot);
    form().triggerMenu(menu::kSave);
    EXPECT_EQ(readFile(path), "locked");
    EXPECT_TRUE(project().isModified());
}

TEST_F(DocumentCommandsTest, NewAnsweredCancelKeepsEverythingAndNoEmptiesWithoutWriting) {
    addStation("0001", "");
    toolkit.expectMessage("Exit Ardel", kSaveQuestion, Answer::Cancel);
    form().triggerMenu(menu::kNew);
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Question);
    EXPECT_EQ(toolkit.lastButtons(), ui::Buttons::YesNoCancel);
    EXPECT_EQ(project().lb_Stations.count(), 1);
    EXPECT_TRUE(project().isModified());

    toolkit.expectMessage("Exit Ardel", kSaveQuestion, Answer::No);
    form().triggerMenu(menu::kNew);
    EXPECT_EQ(project().lb_Stations.count(), 0);
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [][unmodified]");
    EXPECT_TRUE(project().newHeader);
}

TEST_F(DocumentCommandsTest, SaveQuestionAnsweredYesButNotSavedStopsTheCommand) {
    addStation("0001", "");
    toolkit.expectMessage("Exit Ardel", kSaveQuestion, Answer::Yes);
    toolkit.expectSaveFile("Select Output B-File Name", std::nullopt);
    form().triggerMenu(menu::kNew);
    EXPECT_EQ(project().lb_Stations.count(), 1);

    toolkit.expectMessage("Exit Ardel", kSaveQuestion, Answer::Yes);
    toolkit.expectSaveFile("Select Output B-File Name", std::nullopt);
    form().closeBox();
    EXPECT_TRUE(form().isVisible());
    EXPECT_FALSE(toolkit.exitCode);
}

TEST_F(DocumentCommandsTest, ExitWithNothingModifiedEndsAtOnceWithStatusZero) {
    form().triggerMenu(menu::kExit);
    EXPECT_EQ(toolkit.exitCode, 0);
    EXPECT_FALSE(form().isVisible());
}

TEST_F(DocumentCommandsTest, CloseBoxAnsweredCancelKeepsTheWindowAndNoCloses) {
    project().markModified();
    toolkit.expectMessage("Exit Ardel", kSaveQuestion, Answer::Cancel);
    form().closeBox();
    EXPECT_TRUE(form().isVisible());

    toolkit.expectMessage("Exit Ardel", kSaveQuestion, Answer::No);
    form().closeBox();
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(toolkit.exitCode, 0);
}

TEST_F(DocumentCommandsTest, OpenReadsTheChosenFileAndRemembersIt) {
    Project source;
    source.header.JobCode = "AB";
    source.header.ProjectTitle = "SURVEY";
    source.lb_Stations.append(buildStationLine(stationBody("0007", "SEVEN"), ""));
    const std::string path = dir.path("in.bfl");
    writeFile(path, bfileOf(source));

    toolkit.settingsStore.values["InputFile"] = dir.path("earlier.bfl");
    toolkit.expectOpenFile("Select Input File", path);
    form().triggerMenu(menu::kOpen);

    EXPECT_EQ(toolkit.lastFileRequest().startPath, dir.path("earlier.bfl"));
    ASSERT_EQ(toolkit.lastFileRequest().filters.size(), 3u);
    EXPECT_EQ(toolkit.lastFileRequest().filters[0].description, "Vantry Files (*.bfl;*.BFL;*.vry;*.VRY)");
    EXPECT_EQ(toolkit.lastFileRequest().filters[1].description, "TextFiles (*.txt)");
    EXPECT_EQ(toolkit.settingsStore.values["InputFile"], path);
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [" + path + "][unmodified]");
    EXPECT_EQ(form().label("label_JobCode").text(), "Job Code: AB");
    EXPECT_EQ(form().label("label_Project").text().substr(0, 15), "Project: SURVEY");
    EXPECT_EQ(project().lb_Stations.lines(), source.lb_Stations.lines());
}

TEST_F(DocumentCommandsTest, OpenCancelledAtTheSaveQuestionOrThePromptChangesNothing) {
    addStation("0001", "");
    toolkit.expectMessage("Exit Ardel", kSaveQuestion, Answer::Cancel);
    form().triggerMenu(menu::kOpen);
    toolkit.expectMessage("Exit Ardel", kSaveQuestion, Answer::No);
    toolkit.expectOpenFile("Select Input File", std::nullopt);
    form().triggerMenu(menu::kOpen);
    EXPECT_EQ(project().lb_Stations.count(), 1);
    EXPECT_TRUE(project().isModified());
}

TEST_F(DocumentCommandsTest, AFileThatDoesNotExistIsReportedAndStartUpKeepsItsName) {
    const std::string path = dir.path("missing.bfl");
    toolkit.expectMessage("Error", "The Input File Does Not Exist");
    window.openAtStartup(path);
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [" + path + "][unmodified]");
}

TEST_F(DocumentCommandsTest, SaveRewritesTheOpenFileInPlace) {
    Project source;
    source.header.JobCode = "AB";
    const std::string path = dir.path("in.bfl");
    writeFile(path, bfileOf(source));
    window.openAtStartup(path);
    addStation("0002", "");
    form().triggerMenu(menu::kSave);
    EXPECT_EQ(readFile(path), bfileOf(project()));
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [" + path + "][unmodified]");
}

// A user's folder and file named with letters beyond ASCII and with blanks: the file (CR
// LF line ends, a Ctrl-Z in a comment) is opened, saved over itself and reopened byte
// for byte, and no temporary file stays.
TEST_F(DocumentCommandsTest, AFileNamedBeyondAsciiIsReadAndReplacedByteForByte) {
    const std::string folder = dir.path("Zo\xc3\xab Surveys");
    const std::string path = folder + "/H\xc3\xb6he 2024.bfl";
    std::filesystem::create_directory(ui::nativePath(folder));
    std::string harbour = readFile(ARDEL_SOURCE_DIR "/examples/harbour_survey.bfl");
    harbour[harbour.find("*26*") + 8] = '\x1a';
    writeFile(path, harbour);
    toolkit.expectOpenFile("Select Input File", path);
    form().triggerMenu(menu::kOpen);
    EXPECT_EQ(bfileOf(project()), harbour);

    addStation("0099", "");
    form().triggerMenu(menu::kSave);
    const std::string saved = bfileOf(project());
    EXPECT_EQ(readFile(path), saved);
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [" + path + "][unmodified]");
    toolkit.expectOpenFile("Select Input File", path);
    form().triggerMenu(menu::kOpen);
    EXPECT_EQ(bfileOf(project()), saved);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(ui::nativePath(folder))) {
        names.push_back(ui::utf8Path(entry.path().filename()));
    }
    EXPECT_EQ(names, std::vector<std::string>{"H\xc3\xb6he 2024.bfl"});
}

// A save that fails while writing, or a project with more records than sequence numbers,
// leaves the file as it was and the project modified.
TEST_F(DocumentCommandsTest, AFailedSaveKeepsThePreviousFileAndTheModifiedFlag) {
    struct ResetFaults {
        ~ResetFaults() { writeFaults() = {}; }
    } resetFaults;
    Project source;
    source.header.JobCode = "AB";
    const std::string path = dir.path("in.bfl");
    const std::string previous = bfileOf(source);
    writeFile(path, previous);
    window.openAtStartup(path);
    addStation("0002", "");
    const std::string modifiedTitle = "Ardel - Create B-File [" + path + "][modified]";

    writeFaults().failAfterBytes = 100;
    toolkit.expectMessage("Error - Cannot write file", "Cannot write to file " + path +
                                                           ".\n File may be marked read-only or may be in use by "
                                                           "another program.");
    form().triggerMenu(menu::kSave);
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Stop);
    EXPECT_EQ(readFile(path), previous);
    EXPECT_TRUE(project().isModified());
    EXPECT_EQ(form().caption(), modifiedTitle);

    writeFaults() = {};
    project().lb_Instruments.assign(std::vector<std::string>(99994, "001"));
    toolkit.expectMessage("Error - Cannot write file",
                          "This project needs 100000 records, but a B-file holds at most 99999\n"
                          "(sequence numbers end at 999990). Nothing was written.");
    form().triggerMenu(menu::kSave);
    EXPECT_EQ(readFile(path), previous);
    EXPECT_EQ(form().caption(), modifiedTitle);

    project().lb_Instruments.remove(0);
    form().triggerMenu(menu::kSave);
    EXPECT_EQ(readFile(path), bfileOf(project()));
    EXPECT_FALSE(project().isModified());
}

// Another program changed the file after it was opened: Save asks; No writes nothing
// and keeps the project modified, Yes replaces it. A file only touched is the same file.
TEST_F(DocumentCommandsTest, SaveAsksBeforeReplacingAFileChangedByAnotherProgram) {
    const std::string path = dir.path("in.bfl");
    writeFile(path, bfileOf(project()));
    window.openAtStartup(path);
    addStation("0002", "");
    std::filesystem::last_write_time(ui::nativePath(path),
                                     std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
    form().triggerMenu(menu::kSave);
    EXPECT_EQ(readFile(path), bfileOf(project()));

    addStation("0003", "");
    writeFile(path, "another program's work\r\n");
    const std::string question = "The file " + path +
                                 " has been changed by another program since it was opened or last saved.\n\n"
                                 "Save and replace it?";
    toolkit.expectMessage("File Changed", question, Answer::No);
    form().triggerMenu(menu::kSave);
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Warning);
    EXPECT_EQ(toolkit.lastButtons(), ui::Buttons::YesNo);
    EXPECT_EQ(readFile(path), "another program's work\r\n");
    EXPECT_TRUE(project().isModified());

    toolkit.expectMessage("File Changed", question, Answer::Yes);
    form().triggerMenu(menu::kSave);
    EXPECT_EQ(readFile(path), bfileOf(project()));
    EXPECT_FALSE(project().isModified());
}

// In a folder that allows no new file the open file is written in place, the status
// bar naming the copy of the previous file; a new file there is refused naming the folder.
TEST_F(DocumentCommandsTest, AFolderThatAllowsNoNewFileIsWrittenInPlaceOrNamedAsTheRefusal) {
    toolkit.dataFolderPath = dir.path("data");
    std::filesystem::create_directories(ui::nativePath(dir.path("data")));
    std::filesystem::create_directories(ui::nativePath(dir.path("locked")));
    const std::string path = dir.path("locked/in.bfl"), previous = bfileOf(project());
    writeFile(path, previous);
    window.openAtStartup(path);
    addStation("0002", "");
    std::filesystem::permissions(ui::nativePath(dir.path("locked")), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    form().triggerMenu(menu::kSave);
    EXPECT_EQ(readFile(path), bfileOf(project()));
    const std::string copy = dir.path("data/previous-in.bfl");
    EXPECT_EQ(form().statusText(),
              "The folder allows no new files, so the file was written in place; the previous file is kept as " + copy +
                  ".");
    EXPECT_EQ(readFile(copy), previous);

    project().markModified();
    toolkit.expectSaveFile("Select Output B-File Name", dir.path("locked/new.bfl"));
    toolkit.expectMessage("Cannot Write File", "Cannot write to file " + dir.path("locked/new.bfl") +
                                                   ".\n The folder " + dir.path("locked") +
                                                   " does not allow new files to be written in it.");
    form().triggerMenu(menu::kSaveAs);
    std::filesystem::permissions(ui::nativePath(dir.path("locked")), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_FALSE(std::filesystem::exists(ui::nativePath(dir.path("locked/new.bfl"))));
}

TEST_F(DocumentCommandsTest, AReadStoppedByAnErrorKeepsThePartialProjectUnboundToTheFile) {
    Project source;
    source.lb_Stations.append(buildStationLine(stationBody("0001", "ONE"), ""));
    std::string text = bfileOf(source);
    const std::string badOccupation = "000990*27*0002" + std::string(66, ' ');
    text.insert(text.find("000060"), "000980*25*0001" + std::string(56, ' ') + "\r\n" + badOccupation + "\r\n");
    const std::string path = dir.path("broken.bfl");
    writeFile(path, text);

    toolkit.expectOpenFile("Select Input File", path);
    toolkit.expectMessage("Error",
                          "Error retrieving old\n                    B-file. Station serial numbers in a set must "
                          "match. \n                    " +
                              badOccupation);
    form().triggerMenu(menu::kOpen);
    EXPECT_EQ(project().fileName, "");
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [][unmodified]");

    project().markModified();
    toolkit.expectSaveFile("Select Output B-File Name", std::nullopt);
    form().triggerMenu(menu::kSave);
    EXPECT_EQ(readFile(path), text);
}

TEST_F(DocumentCommandsTest, HeaderInfoShowsTheNewJobCodeAndMarksTheProjectModified) {
    toolkit.expectDialog("FormHeaderInfo", [](HeadlessForm& editor) {
        editor.type("mtextb_JobCode", "gp");
        editor.click("cb_1");
    });
    form().triggerMenu(menu::kHeaderInfo);
    EXPECT_EQ(form().label("label_JobCode").text(), "Job Code: GP");
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [][modified]");
    EXPECT_FALSE(project().newHeader);

    toolkit.expectDialog("FormHeaderInfo", [](HeadlessForm& editor) { editor.click("cb_2"); });
    project().markWritten();
    form().triggerMenu(menu::kHeaderInfo);
    EXPECT_FALSE(project().isModified());
}

TEST_F(DocumentCommandsTest, HelpShowsTheAboutBoxAndTheDisclaimer) {
    toolkit.expectDialog("AboutBox", [](HeadlessForm& about) {
        EXPECT_EQ(about.label("label_Version").text(), "Version 5.5.5");
        EXPECT_EQ(about.label("label_Licence").text(),
                  "Copyright 2026 The Ardel developers. Released under the MIT licence.");
        about.click("cb_OK");
    });
    form().triggerMenu(menu::kAbout);
    toolkit.expectMessage("Disclaimer", disclaimerText());
    form().triggerMenu(menu::kDisclaimer);
}

// The installed guide is found from PREFIX/bin, the built one from a folder of the build.
TEST_F(DocumentCommandsTest, UserGuideIsFoundBesideTheProgram) {
    TempDir dir;
    std::filesystem::create_directories(ui::nativePath(dir.path("usr/bin")));
    std::filesystem::create_directories(ui::nativePath(dir.path("usr/share/doc/ardel")));
    writeFile(dir.path("usr/share/doc/ardel/user-guide.html"), "<html></html>");
    EXPECT_EQ(findUserGuide(dir.path("usr/bin/ardel")), dir.path("usr/share/doc/ardel/user-guide.html"));
    std::filesystem::create_directories(ui::nativePath(dir.path("build/tests/qt")));
    std::filesystem::create_directories(ui::nativePath(dir.path("build/docs")));
    writeFile(dir.path("build/docs/user-guide.html"), "<html></html>");
    EXPECT_EQ(findUserGuide(dir.path("build/tests/qt/tst_help")), dir.path("build/docs/user-guide.html"));
    EXPECT_EQ(findUserGuide(dir.path("elsewhere/ardel")), "");

    const std::string guide = findUserGuide(ui::programPath());
    if (guide.empty()) {
        toolkit.expectMessage(kUserGuideCaption, ui::format(kUserGuideMissing, "/usr/share/doc/ardel/user-guide.html"));
    }
    form().triggerMenu(menu::kUserGuide);
    EXPECT_EQ(toolkit.helpShown, guide.empty() ? std::vector<std::string>{} : std::vector<std::string>{guide});
}

} // namespace
} // namespace ardel
