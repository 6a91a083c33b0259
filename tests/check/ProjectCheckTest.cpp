// The project check through `ardel --validate`: the example is clean, each seeded
// fault is reported once at its line, column and severity, a stopped read is still
// checked, the statuses, and the printed lines read back by a regular expression.
#include "check/ProjectCheck.h"
#include "app/Batch.h"
#include "app/FileCheck.h"
#include "bfile/BFileReader.h"

#include "support/HeadlessTest.h"

#include <regex>
#include <sstream>

namespace ardel {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;
using check::Problem;
using check::Severity;

const std::string kExample = ARDEL_SOURCE_DIR "/examples/harbour_survey.bfl";

// The example's records, one 80-column line each (line 1 first).
std::vector<std::string> exampleLines() {
    std::vector<std::string> lines;
    std::istringstream text(readFile(kExample));
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line.substr(0, 80));
    }
    return lines;
}

// One change to the example: `text` written over the line from the 1-based column on.
struct Edit {
    int line;
    int column;
    std::string text;
};

std::string withEdits(const std::vector<Edit>& edits) {
    std::vector<std::string> lines = exampleLines();
    for (const Edit& edit : edits) {
        lines.at(static_cast<std::size_t>(edit.line - 1))
            .replace(static_cast<std::size_t>(edit.column - 1), edit.text.size(), edit.text);
    }
    std::string file;
    for (const std::string& line : lines) {
        file += line + "\r\n";
    }
    return file;
}

std::string describe(const std::vector<Problem>& problems) {
    std::string out;
    for (const Problem& problem : problems) {
        out += "\n  " + check::diagnosticLine("f", problem);
    }
    return out;
}

struct Outcome {
    int status;
    std::string out;
};

Outcome validateFile(const std::string& path) {
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> status = runBatch({"--validate", path}, out, err);
    EXPECT_EQ(err.str(), "");
    return {status.value_or(-1), out.str()};
}

TEST(ProjectCheckTest, TheExampleHasNoProblem) {
    const FileCheck result = checkFile(kExample);
    EXPECT_EQ(result.outcome, FileCheckOutcome::Read);
    EXPECT_TRUE(result.problems.empty()) << describe(result.problems);
    const Outcome outcome = validateFile(kExample);
    EXPECT_EQ(outcome.status, batch_status::kClean);
    EXPECT_EQ(outcome.out, "no problems found\n");
}

// A seeded fault and the one problem it must give. `total` counts the problems that
// follow from the fault as well (a station whose SSN is broken loses its session).
struct Fault {
    const char* rule;
    std::vector<Edit> edits;
    Severity severity;
    long line;
    int column;
    std::size_t total = 1;
};

// The example's lines: 1 header, 4 *12*, 5 *13*, 6 *25* 0001 with *26* 7 and *27* 8-9,
// 10 *25* 0002 with *27* 11-12, 13 *25* 0003 with *26* 14-15 and *27* 16-17, *70* 18-19,
// *72* 20-21, *80* 22 (0001) with *86* 23, *80* 24 (0002), *80* 25 (0003) with *86* 26,
// *90* 27.
const std::vector<Fault>& faults() {
    using S = Severity;
    // clang-format off
    static const std::vector<Fault> table = {
        {"job code without a capital",     {{1, 8, "a"}},              S::Error,   1,  8},
        {"creation date of no day",        {{1, 73, "20240631"}},      S::Error,   1,  73},
        {"start month 13",                 {{4, 11, "202413"}},        S::Error,   4,  11},
        {"end before the start",           {{4, 17, "202405"}},        S::Error,   4,  17, 7}, // and six dates outside
        {"survey method off the list",     {{4, 76, "9"}},             S::Error,   4,  76},
        {"order and class off the list",   {{4, 79, "ZZ"}},            S::Error,   4,  79},
        {"datum without ellipsoid",        {{5, 35, std::string(16, ' ')}}, S::Error, 5, 35},
        {"SSN with a letter",              {{24, 11, "00X2"}},         S::Error,   24, 11, 3}, // its session, a note
        {"latitude minutes 60",            {{22, 45, "476031"}},       S::Error,   22, 45},
        {"latitude with a blank inside",   {{22, 45, "47 231"}},       S::Error,   22, 45},
        {"hemisphere X",                   {{22, 56, "X"}},            S::Error,   22, 56},
        {"longitude degrees 181",          {{22, 57, "1812015"}},      S::Error,   22, 57},
        {"direction of longitude Q",       {{22, 69, "Q"}},            S::Error,   22, 69},
        {"state or country blank",         {{22, 77, "  "}},           S::Error,   22, 77},
        {"station order off the list",     {{22, 79, "Z"}},            S::Error,   22, 79},
        {"station type off the list",      {{22, 80, "Z"}},            S::Error,   22, 80},
        {"orthometric height not laid out", {{23, 17, "4 2 "}},        S::Error,   23, 17},
        {"orthometric code off the list",  {{23, 24, "Q"}},            S::Error,   23, 24},
        {"orthometric datum off the list", {{23, 28, "77"}},           S::Error,   23, 28},
        {"ellipsoidal code typed",         {{23, 53, "Q"}},            S::Warning, 23, 53},
        {"ellipsoidal datum off the list", {{23, 56, "Q"}},            S::Error,   23, 56},
        {"equipment code off the list",    {{18, 14, "999"}},          S::Error,   18, 14},
        {"antenna code typed",             {{20, 17, "FOO" + std::string(17, ' ')}}, S::Warning, 20, 17},
        {"session of no station",          {{13, 11, "0009"}, {16, 11, "0009"}, {17, 11, "0009"}},
                                                                       S::Error,   13, 11, 2}, // 0003 left alone
        {"session of no instrument",       {{13, 28, "009"}},          S::Error,   13, 28},
        {"session of no antenna",          {{13, 33, "009"}},          S::Error,   13, 33},
        {"session of one occupation",      {{12, 8, "99"}},            S::Warning, 10, 1},
        {"manufacturer code off the list", {{6, 15, "Z"}},             S::Error,   6,  15},
        {"day of year of another date",    {{6, 16, "1684"}},          S::Error,   6,  16},
        {"another station's ID",           {{10, 11, "0001"}, {11, 11, "0001"}, {12, 11, "0001"}},
                                                                       S::Warning, 10, 21, 2}, // 0002 left alone
        {"cable length with a letter",     {{6, 31, "1X"}},            S::Error,   6,  31},
        {"occupation date of no day",      {{8, 15, "240631"}},        S::Error,   8,  15},
        {"occupation after the project",   {{9, 15, "240815"}},        S::Warning, 9,  15},
        {"time 24:60",                     {{8, 21, "2460"}},          S::Error,   8,  21},
        {"antenna height with a letter",   {{8, 25, "0X"}},            S::Error,   8,  25},
        {"dry bulb with a blank inside",   {{8, 30, "2 1"}},           S::Error,   8,  30},
        {"dry bulb code K",                {{8, 34, "K"}},             S::Error,   8,  34},
        {"wet bulb code K",                {{8, 39, "K"}},             S::Error,   8,  39},
        {"humidity not computed",          {{8, 40, "**"}},            S::Error,   8,  40},
        {"pressure with a letter",         {{8, 43, "10X3"}},          S::Error,   8,  43},
        {"pressure code XX",               {{8, 49, "XX"}},            S::Error,   8,  49},
        {"weather indicator 7",            {{8, 53, "7"}},             S::Error,   8,  53},
        {"instrument no session uses",     {{10, 28, "001"}},          S::Note,    19, 1},
        {"antenna no session uses",        {{10, 33, "001"}},          S::Note,    21, 1},
        {"repeated JSIN",                  {{19, 11, "001"}},          S::Error,   19, 11, 2}, // its session's instrument
        {"old antenna record",             {{20, 8, "71"}, {20, 14, "ASH 700936.D    CR15930" + std::string(28, ' ')}},
                                                                       S::Note,    20, 14},
    };
    // clang-format on
    return table;
}

TEST(ProjectCheckTest, EachSeededFaultIsReportedOnceAtItsLineAndColumn) {
    TempDir dir;
    for (const Fault& fault : faults()) {
        const std::string path = dir.path("seeded.bfl");
        writeFile(path, withEdits(fault.edits));
        const FileCheck result = checkFile(path);
        EXPECT_EQ(result.outcome, FileCheckOutcome::Read) << fault.rule;
        const auto matching = std::count_if(result.problems.begin(), result.problems.end(), [&](const Problem& p) {
            return p.severity == fault.severity && p.line == fault.line && p.column == fault.column;
        });
        EXPECT_EQ(matching, 1) << fault.rule << describe(result.problems);
        EXPECT_EQ(result.problems.size(), fault.total) << fault.rule << describe(result.problems);
    }
}

TEST(ProjectCheckTest, ProblemsNameTheirRecordKeyAndField) {
    TempDir dir;
    const std::string path = dir.path("latitude.bfl");
    writeFile(path, withEdits({{22, 45, "476031"}}));
    const FileCheck result = checkFile(path);
    ASSERT_EQ(result.problems.size(), 1u);
    const Problem& problem = result.problems.front();
    EXPECT_EQ(problem.record, "*80*");
    EXPECT_EQ(problem.key, "0001");
    EXPECT_EQ(problem.field, "latitude");
    EXPECT_EQ(problem.text, "latitude: Illegal minutes subfield in 476031.12345");
    EXPECT_EQ(problem.place, check::Place::Station);
    EXPECT_EQ(problem.index, 0);
}

// An *86* before its station stops the read there; the records read before it are
// still checked, so the sessions report the stations the read never reached.
TEST(ProjectCheckTest, StoppedReadIsAnErrorAndWhatWasReadIsChecked) {
    std::vector<std::string> lines = exampleLines();
    std::swap(lines[21], lines[22]); // *86* 0001 now comes before *80* 0001
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    TempDir dir;
    const std::string path = dir.path("stopped.bfl");
    writeFile(path, text);
    const FileCheck result = checkFile(path);
    EXPECT_EQ(result.outcome, FileCheckOutcome::Stopped);
    const auto stop = std::find_if(result.problems.begin(), result.problems.end(),
                                   [](const Problem& p) { return p.line == 22 && p.column == 11; });
    ASSERT_NE(stop, result.problems.end()) << describe(result.problems);
    EXPECT_EQ(stop->severity, Severity::Error);
    EXPECT_EQ(stop->text, "*86* record without the *80* record of its station before it; the read stops here");
    const auto noStation = std::count_if(result.problems.begin(), result.problems.end(),
                                         [](const Problem& p) { return p.field == "SSN" && p.record == "*25*"; });
    EXPECT_EQ(noStation, 3) << describe(result.problems);
    EXPECT_EQ(validateFile(path).status, batch_status::kUnreadable);
}

TEST(ProjectCheckTest, StatusTellsErrorsFromWarningsAndNotes) {
    TempDir dir;
    const std::string warnings = dir.path("warnings.bfl");
    writeFile(warnings, withEdits({{20, 17, "FOO" + std::string(17, ' ')}}));
    EXPECT_EQ(validateFile(warnings).status, batch_status::kMessages);
    const std::string notes = dir.path("notes.bfl");
    writeFile(notes, withEdits({{10, 28, "001"}}));
    EXPECT_EQ(validateFile(notes).status, batch_status::kMessages);
    const std::string errors = dir.path("errors.bfl");
    writeFile(errors, withEdits({{22, 45, "476031"}}));
    EXPECT_EQ(validateFile(errors).status, batch_status::kUnreadable);

    const Outcome missing = validateFile(dir.path("missing.bfl"));
    EXPECT_EQ(missing.status, batch_status::kUnreadable);
    EXPECT_EQ(missing.out, dir.path("missing.bfl") + ": error: The Input File Does Not Exist\n");

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runBatch({"--validate"}, out, err), batch_status::kUsage);
    EXPECT_EQ(runBatch({"--validate", "a", "b"}, out, err), batch_status::kUsage);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("--validate FILE"), std::string::npos);
}

// Every line but the last parses as FILE:LINE:COLUMN: severity: text, in file order;
// the last one counts them.
TEST(ProjectCheckTest, PrintedLinesParseBackInFileOrder) {
    TempDir dir;
    const std::string path = dir.path("several.bfl");
    writeFile(path, withEdits({{22, 45, "476031"}, {6, 15, "Z"}, {20, 17, "FOO"}, {10, 28, "001"}, {1, 8, "a"}}));
    const Outcome outcome = validateFile(path);
    EXPECT_EQ(outcome.status, batch_status::kUnreadable);
    const std::regex diagnostic(R"(^(.+):([0-9]+):([0-9]+): (error|warning|note): (.+)$)");
    std::istringstream lines(outcome.out);
    std::vector<std::string> printed;
    for (std::string line; std::getline(lines, line);) {
        printed.push_back(line);
    }
    ASSERT_EQ(printed.size(), 6u) << outcome.out;
    EXPECT_EQ(printed.back(), "3 errors, 1 warning, 1 note");
    std::vector<std::pair<long, int>> places;
    std::vector<std::string> severities;
    for (std::size_t i = 0; i + 1 < printed.size(); ++i) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(printed[i], match, diagnostic)) << printed[i];
        EXPECT_EQ(match[1], path);
        places.emplace_back(std::stol(match[2]), std::stoi(match[3]));
        severities.push_back(match[4]);
    }
    EXPECT_EQ(places, (std::vector<std::pair<long, int>>{{1, 8}, {6, 15}, {19, 1}, {20, 17}, {22, 45}}));
    EXPECT_EQ(severities, (std::vector<std::string>{"error", "error", "note", "warning", "error"}));
}

// A project in memory: the lines are those the writer would give, and a station with a
// 4-character ID and no session is warned about.
TEST(ProjectCheckTest, ProjectInMemoryIsReportedAtTheLinesTheWriterWouldWrite) {
    Project project;
    ui::HeadlessToolkit toolkit;
    Form_Warning warning(toolkit);
    project.fileName = kExample;
    loadConversionTable(project.lb_J2M);
    ASSERT_EQ(readBFile(project, toolkit, warning, false), ReadOutcome::Completed);
    const check::RecordLines read = check::writtenLines(project);
    EXPECT_EQ(read.title, 2);
    EXPECT_EQ(read.project, 4);
    EXPECT_EQ(read.sessions, (std::vector<long>{6, 10, 13}));
    EXPECT_EQ(read.instruments, (std::vector<long>{18, 19}));
    EXPECT_EQ(read.antennas, (std::vector<long>{20, 21}));
    EXPECT_EQ(read.stations, (std::vector<long>{22, 24, 25}));
    EXPECT_EQ(read.heights, (std::vector<long>{23, 26}));
    EXPECT_EQ(read.fixed, (std::vector<long>{27}));

    project.lb_Stations.append(
        buildStationLine(project.lb_Stations.at(1).substr(station_line::kBody).replace(0, 4, "0004"), "NEWS"));
    const std::vector<Problem> problems = check::checkProject(project, check::writtenLines(project));
    ASSERT_EQ(problems.size(), 1u) << describe(problems);
    EXPECT_EQ(problems[0].severity, Severity::Warning);
    EXPECT_EQ(problems[0].line, 27); // after 0003 and its *86*
    EXPECT_EQ(problems[0].text, "station 0004 has no session: its 4-character ID NEWS will be lost");
}

} // namespace
} // namespace ardel
