#include "app/FileCheck.h"

#include "app/Console.h"
#include "bfile/BFileReader.h"
#include "bfile/ReaderMessages.h"
#include "ui/Text.h"

#include <ostream>
#include <string_view>

namespace ardel {

namespace {

using check::Place;
using check::Problem;
using check::Severity;

constexpr int kKeyColumn = 11;     // the SSN, JSIN or JSAN after the record prefix
constexpr int kOldCodeColumn = 14; // the antenna code of an old *71* record
constexpr int kFirstColumnCut = 81;

// A reader's report that becomes a problem: the record it concerns and the text.
struct ReaderReport {
    const char* format;
    const char* record;
    const char* text;
};

// The session checks of the reader (broken references, a disagreeing ID) are left to the
// project check, which finds them in the stores; so is the notice of converted antennas,
// which becomes a note at each *71* line.
// clang-format off
constexpr ReaderReport kReports[] = {
    {messages::kDuplicate70,       "*70*", "repeated JSIN: this *70* record is dropped"},
    {messages::kDuplicate71,       "*71*", "repeated JSAN: this *71* record is dropped"},
    {messages::kDuplicate72,       "*72*", "repeated JSAN: this *72* record is dropped"},
    {messages::kDuplicate80,       "*80*", "repeated SSN: this *80* record is dropped"},
    {messages::kDuplicate86,       "*86*", "repeated SSN: this *86* record is dropped"},
    {messages::kDuplicate90,       "*90*", "repeated SSN: this *90* record is dropped"},
    {messages::k86WithoutStation,  "*86*", "*86* record without the *80* record of its station before it; "
                                           "the read stops here"},
    {messages::k90WithoutStation,  "*90*", "*90* record without the *80* record of its station before it; "
                                           "the read stops here"},
    {messages::kSsnMismatch,       "*27*", "*27* record of another station than its *25* record; the read stops here"},
    {messages::kSessionTooLong,    "*25*", "session with more than 9999 *26* comment lines or *27* records: "
                                           "the lines beyond the 9999th of each kind are dropped"},
    {messages::kUnreadableFile,    "",     "the file cannot be read on; the read stops here"},
};
// clang-format on

// Takes in the lines of the records kept and the reports of the reader.
class Observer : public ReadObserver {
public:
    explicit Observer(check::ProblemList& problems) : problems(problems) {}

    check::RecordLines lines;
    check::ProblemList& problems;

    void kept(std::string_view code, int index, long line) override {
        if (code == "10") {
            lines.title = line;
        } else if (code == "12") {
            lines.project = line;
        } else if (code == "13") {
            lines.datum = line;
        } else if (code == "25") {
            at(lines.sessions, index) = line;
        } else if (code == "27") {
            at(lines.occupations, index) = line;
        } else if (code == "70") {
            at(lines.instruments, index) = line;
        } else if (code == "71" || code == "72") {
            at(lines.antennas, index) = line;
            if (code == "71") {
                problems.add({.severity = Severity::Note,
                              .line = line,
                              .column = kOldCodeColumn,
                              .record = "*71*",
                              .field = "antenna code",
                              .text = "old *71* antenna record converted to a *72* record",
                              .place = Place::Antenna,
                              .index = index});
            }
        } else if (code == "80") {
            at(lines.stations, index) = line;
        } else if (code == "86") {
            at(lines.heights, index) = line;
        } else if (code == "90") {
            at(lines.fixed, index) = line;
        }
    }

    void reporting(const char* format, long line) override {
        for (const ReaderReport& report : kReports) {
            if (std::string_view(format) == report.format) {
                const bool keyed = *report.record != '\0';
                problems.add({.severity = Severity::Error,
                              .line = line,
                              .column = keyed ? kKeyColumn : 1,
                              .record = report.record,
                              .text = report.text});
            }
        }
    }

    void cut(long line, std::size_t length) override {
        problems.add({.severity = Severity::Warning,
                      .line = line,
                      .column = kFirstColumnCut,
                      .text = ui::format("line of %zu columns: the columns after the 80th are not read", length)});
    }

private:
    static long& at(std::vector<long>& lines, int index) {
        const auto i = static_cast<std::size_t>(index);
        if (lines.size() <= i) {
            lines.resize(i + 1, 0);
        }
        return lines[i];
    }
};

} // namespace

FileCheck checkFile(const std::string& path) {
    std::ostream discarded(nullptr); // the reader's boxes: their texts are reported as problems instead
    ConsoleToolkit console(discarded);
    ConsoleWarning warning(console);
    Project project;
    loadConversionTable(project.lb_J2M);
    project.fileName = path;
    check::ProblemList problems(check::kMostProblemsListed);
    Observer observer(problems);
    FileCheck result;
    switch (readBFile(project, console, warning, false, &observer)) {
    case ReadOutcome::FileMissing:
        result.outcome = FileCheckOutcome::Missing;
        return result;
    case ReadOutcome::Unreadable:
        result.outcome = FileCheckOutcome::Unreadable;
        return result;
    case ReadOutcome::Stopped:
        result.outcome = FileCheckOutcome::Stopped;
        break;
    case ReadOutcome::Completed:
        break;
    }
    check::checkProject(project, observer.lines, problems);
    result.problems = problems.take();
    result.unlisted = problems.unlisted();
    return result;
}

} // namespace ardel
