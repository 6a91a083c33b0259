// The check of a whole project before submission: every record of the project held
// in memory is tested against the rules of the format that the editors and the
// writer know (field layouts, list codes, dates, references between records), and
// every place that breaks one is reported with its B-file line and column, the way a
// compiler reports errors. Nothing is shown and nothing is changed.
#pragma once

#include "model/Project.h"

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace ardel::check {

enum class Severity { Error, Warning, Note };

// The store of the record a problem concerns, so that its editor can be opened.
enum class Place { Header, Session, Instrument, Antenna, Station };

struct Problem {
    Severity severity = Severity::Error;
    long line = 0;      // 1-based line of the record in the B-file
    int column = 1;     // 1-based B-file column of the first character of the field
    std::string record; // "header", "*12*", "*25*", "*27*", "*80*", ...
    std::string key;    // SSN, JSIN or JSAN; empty for the header records
    std::string field;  // "latitude", "media identifier", ...; empty for the whole record
    std::string text;
    Place place = Place::Header;
    int index = -1; // the line of the place's store; an *86* or *90* gives its station's (-1: none)

    bool operator==(const Problem&) const = default;
};

// The line of each record in a B-file: the first record is line 1. For a session the
// line of its *25* record; its *26* and *27* records follow it. 0: not in the file.
struct RecordLines {
    long title = 0;                                                              // *10*
    long project = 0;                                                            // *12*
    long datum = 0;                                                              // *13*
    std::vector<long> sessions, instruments, antennas, stations, heights, fixed; // by store index
    // The first *27* line of each session as read, by store index (the reader may have
    // dropped comment lines before it); without one it follows the comment lines.
    std::vector<long> occupations;
};

// The most problems a check of a file lists; like a compiler's errors, the ones after
// them are only counted.
inline constexpr std::size_t kMostProblemsListed = 10000;

struct ProblemCounts {
    long errors = 0, warnings = 0, notes = 0;
    long total() const { return errors + warnings + notes; }
};

// Problems gathered up to a limit, in any order: the first ones by line and column are
// kept, however many are added, and the others are only counted.
class ProblemList {
public:
    explicit ProblemList(std::size_t limit = std::numeric_limits<std::size_t>::max()) : limit_(limit) {}

    void add(Problem problem);
    // The problems kept, sorted as sortProblems sorts them; the list is left empty.
    std::vector<Problem> take();
    // The problems added beyond the limit.
    const ProblemCounts& unlisted() const { return unlisted_; }

private:
    struct Entry {
        Problem problem;
        std::size_t order; // problems at one place stay in the order they were added
    };
    static bool before(const Entry& a, const Entry& b);
    void count(Severity severity);

    std::size_t limit_;
    std::size_t added_ = 0;
    std::vector<Entry> kept_; // once full, a heap whose top is the last problem kept
    ProblemCounts unlisted_;
};

// The lines as the writer lays the project out.
RecordLines writtenLines(const Project& project);

// Every problem of the project, sorted by line, then column.
std::vector<Problem> checkProject(const Project& project, const RecordLines& lines);
// The same problems added to `problems`.
void checkProject(const Project& project, const RecordLines& lines, ProblemList& problems);

// Sorts by line, then column, keeping the order of problems at the same place.
void sortProblems(std::vector<Problem>& problems);

// "error", "warning", "note".
const char* severityName(Severity severity);

// "FILE:LINE:COLUMN: severity: text", without a line break.
std::string diagnosticLine(const std::string& file, const Problem& problem);

// "3 errors, 1 warning, 0 notes" (singular for one), the listed problems and the unlisted
// counts together; "no problems found" when there are none.
std::string summaryLine(const std::vector<Problem>& problems, const ProblemCounts& unlisted = {});

} // namespace ardel::check
