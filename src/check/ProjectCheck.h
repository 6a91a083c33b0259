// The check of a whole project before submission: every record of the project held
// in memory is tested against the rules of the format that the editors and the
// writer know (field layouts, list codes, dates, references between records), and
// every place that breaks one is reported with its B-file line and column, the way a
// compiler reports errors. Nothing is shown and nothing is changed.
#pragma once

#include "model/Project.h"

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
};

// The lines as the writer lays the project out.
RecordLines writtenLines(const Project& project);

// Every problem of the project, sorted by line, then column.
std::vector<Problem> checkProject(const Project& project, const RecordLines& lines);

// Sorts by line, then column, keeping the order of problems at the same place.
void sortProblems(std::vector<Problem>& problems);

// "error", "warning", "note".
const char* severityName(Severity severity);

// "FILE:LINE:COLUMN: severity: text", without a line break.
std::string diagnosticLine(const std::string& file, const Problem& problem);

// "3 errors, 1 warning, 0 notes" (singular for one); "no problems found" when there are none.
std::string summaryLine(const std::vector<Problem>& problems);

} // namespace ardel::check
