// Files a hostile world hands the program: special files in every reading command,
// sessions beyond the packed counts, old Macintosh line ends, files that drown
// --validate in problems.
#include "app/Batch.h"
#include "app/UtilityTestProject.h"
#include "bfile/ReaderMessages.h"

#include "support/SystemForTests.h"
#include <algorithm>
#include <sstream>

namespace ardel {
namespace {

using testing::occupation;
using testing::part25;
using testing::record;
using testing::stationBody;
using testing::writeFile;

constexpr const char* kMergeQuestion =
    "The selected input file will be merged with the data \nalready in the program's memory. Duplicate "
    "*70*,*71*,*72*,*80*, \n*86*, and *90* records will be ignored. See the program \ndocumentation for further "
    "details.";
constexpr const char* kUnreadable = "The Input File Cannot Be Read";

struct BatchRun {
    std::optional<int> status;
    std::string out;
};

BatchRun batch(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> status = runBatch(args, out, err);
    return {status, out.str()};
}

std::string joined(const std::vector<std::string>& lines, const char* lineEnd) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + lineEnd;
    }
    return text;
}

class HostileFilesTest : public testing::UtilityTest {
protected:
    // A device that never ends, a FIFO nobody writes to and a folder.
    std::vector<std::string> specialFiles() {
        const std::string fifo = dir.path("fifo");
        EXPECT_TRUE(testing::makeFifo(fifo));
        const std::string folder = dir.path("folder");
        std::filesystem::create_directory(ui::nativePath(folder));
        return {"/dev/zero", fifo, folder};
    }
};

TEST_F(HostileFilesTest, SpecialFilesAreRefusedByEveryReadingCommandWithoutBlocking) {
    const std::vector<std::string> paths = specialFiles();
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        toolkit.expectOpenFile("Select Input File", path);
        toolkit.expectMessage("Error", kUnreadable);
        form().triggerMenu(menu::kOpen);
        EXPECT_EQ(project().fileName, "");

        for (const auto& [entry, title] : {std::pair{menu::kSerfilImport, "Select SER File to be Imported"},
                                           std::pair{menu::kDefaultsImport, "Select Defaults File to be Imported"}}) {
            toolkit.expectOpenFile(title, path);
            toolkit.expectMessage("Error", "Cannot read file " + path + ".");
            form().triggerMenu(entry);
        }

        const BatchRun check = batch({"--check", path});
        EXPECT_EQ(check.status, batch_status::kUnreadable);
        EXPECT_EQ(check.out, "Error: The Input File Cannot Be Read\n");
        const BatchRun convert = batch({"--convert", path, dir.path("out.bfl")});
        EXPECT_EQ(convert.status, batch_status::kUnreadable);
        EXPECT_FALSE(std::filesystem::exists(ui::nativePath(dir.path("out.bfl"))));
        const BatchRun validate = batch({"--validate", path});
        EXPECT_EQ(validate.status, batch_status::kUnreadable);
        EXPECT_EQ(validate.out, path + ": error: The Input File Cannot Be Read\n");
    }
    for (const std::string& path : paths) {
        toolkit.expectOpenFile("Select File to be Merged With Current Contents", path);
        toolkit.expectMessage("Merge Files", kMergeQuestion, ui::Answer::OK);
        toolkit.expectMessage("Error", kUnreadable);
        form().triggerMenu(menu::kMerge);
    }
}

// 12,000 comment lines: the session keeps 9,999 of them and all of its *27* records,
// and the records after it are read; --validate names the *27* records' own lines.
TEST_F(HostileFilesTest, ASessionBeyondTheFourDigitCountsKeepsItsOccupations) {
    const std::string session = record("25", part25("0005", "ABCD"));
    std::vector<std::string> lines{record("AB", "HZTLOBS TOVGEO"), session};
    lines.insert(lines.end(), 12000, record("26", "A COMMENT"));
    for (const char* time : {"2401311200", "2401311300", "2401311400"}) {
        lines.push_back(record("27", "0005" + occupation(time)));
    }
    lines.insert(lines.end(),
                 {record("70", "001GPS"), record("72", "001   ANT"), record("80", stationBody("0005", "STATION"))});
    const std::string path = dir.path("long.bfl");
    writeFile(path, joined(lines, "\r\n"));

    const std::string message = ui::format(messages::kSessionTooLong, session.c_str());
    toolkit.expectOpenFile("Select Input File", path);
    toolkit.expectMessage("Error", message);
    form().triggerMenu(menu::kOpen);
    ASSERT_EQ(project().lb_Sessions.count(), 1);
    const SessionWorkArea read = unpackSession(project().lb_Sessions.at(0).substr(session_line::kPrefixWidth));
    EXPECT_EQ(read.commentCount, 9999);
    EXPECT_EQ(read.occupationCount, 3);
    EXPECT_EQ(project().lb_Antennas.count(), 1);

    const BatchRun check = batch({"--check", path});
    EXPECT_EQ(check.status, batch_status::kMessages);
    EXPECT_EQ(check.out, "Error: " + message + "\n");
    const BatchRun validate = batch({"--validate", path});
    EXPECT_EQ(validate.status, batch_status::kUnreadable);
    EXPECT_NE(validate.out.find(path + ":2:11: error: session with more than 9999 *26* comment lines or *27* records: "
                                       "the lines beyond the 9999th of each kind are dropped\n"),
              std::string::npos);
    // The *27* records are reported at their own lines, after all 12,000 comment lines.
    EXPECT_NE(validate.out.find(path + ":12003:"), std::string::npos);
    EXPECT_EQ(validate.out.find(path + ":10002:"), std::string::npos);
}

// Old Macintosh line ends: every record is read, and a line too long is reported at its line.
TEST_F(HostileFilesTest, AFileWithCarriageReturnsOnlyIsReadLineByLine) {
    const std::vector<std::string> lines{record("AB", "HZTLOBS TOVGEO"), record("80", stationBody("0005", "FIRST")),
                                         record("80", stationBody("0006", "SECOND")) + "TOO LONG",
                                         record("80", stationBody("0007", "THIRD"))};
    const std::string path = dir.path("macintosh.bfl");
    writeFile(path, joined(lines, "\r"));
    toolkit.expectOpenFile("Select Input File", path);
    form().triggerMenu(menu::kOpen);
    EXPECT_EQ(project().lb_Stations.count(), 3);

    const BatchRun validate = batch({"--validate", path});
    EXPECT_NE(validate.out.find(path + ":3:81: warning: line of 88 columns: the columns after the 80th are not read\n"),
              std::string::npos);
}

// Ten thousand repeated stations: the first problems are listed, the others counted.
TEST_F(HostileFilesTest, ValidateListsTheFirstTenThousandProblemsAndCountsTheRest) {
    std::vector<std::string> lines{record("AB", "HZTLOBS TOVGEO")};
    lines.insert(lines.end(), 10002, record("80", stationBody("0005", "STATION")));
    const std::string path = dir.path("repeated.bfl");
    writeFile(path, joined(lines, "\r\n"));

    const BatchRun validate = batch({"--validate", path});
    EXPECT_EQ(validate.status, batch_status::kUnreadable);
    std::istringstream out(validate.out);
    std::vector<std::string> printed;
    for (std::string line; std::getline(out, line);) {
        printed.push_back(line);
    }
    ASSERT_EQ(printed.size(), check::kMostProblemsListed + 2);
    // The header's and the kept station's problems, found last, come first; the
    // repetitions after them fill the list, and the last ones are counted.
    const auto first = static_cast<long>(std::count_if(printed.begin(), printed.end(), [&](const std::string& line) {
        return line.starts_with(path + ":1:") || line.starts_with(path + ":2:");
    }));
    EXPECT_TRUE(printed.front().starts_with(path + ":1:"));
    EXPECT_EQ(printed[check::kMostProblemsListed - 1],
              path + ":" + std::to_string(10002 - first) + ":11: error: repeated SSN: this *80* record is dropped");
    EXPECT_EQ(printed[check::kMostProblemsListed],
              ui::format("%ld more problems were found and are not listed: %ld errors, 0 warnings, 0 notes", first + 1,
                         first + 1));
}

} // namespace
} // namespace ardel
