// Importing RINEX observation files into a project: each file is read once into a
// plan row (station, instrument, antenna, occupation times, antenna height and the
// problems found), the rows can be edited (session letter, initials, cable length,
// ANTEX file) and planned again without reading the files, and an applied plan adds
// the records as the editors would have laid them out.
#pragma once

#include "rinex/ObservationHeader.h"

#include <functional>
#include <string>
#include <vector>

namespace ardel {

class Project;

namespace rinex_import {

// What the user chooses for the whole import.
struct Options {
    std::string initials;  // observer initials for every row; blank unless given
    std::string cable;     // cable length for every row; blank unless given
    std::string antexPath; // the ANTEX file whose L1 offsets are added; empty for none
};

enum class Severity { Note, Warning, Error };

struct Problem {
    Severity severity = Severity::Note;
    std::string text; // without the file name and the "note: " prefix
};

// A minute in UTC.
struct UtcMinute {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    bool operator==(const UtcMinute&) const = default;
    auto operator<=>(const UtcMinute&) const = default;
};

// What becomes of one file.
struct Row {
    enum class Status {
        Import,  // the file gives a new session
        Skipped, // its session is already in the project (or in an earlier row)
        Refused, // not readable, not an observation file, no end of header
    };

    std::string path;     // as given
    std::string fileName; // without its folder, with its compression suffix
    Status status = Status::Import;
    std::vector<Problem> problems;

    // What the file says (read once; planning again uses it).
    rinex::Observation observation;

    // Station: SSN, 4-character ID and name; new or existing.
    std::string ssn, stationId, stationName;
    bool newStation = false;
    // Instrument (JSIN) and antenna (JSAN); new or existing.
    std::string jsin, jsan;
    bool newInstrument = false, newAntenna = false;
    std::string antennaCode; // columns 21-40 of ANT # / TYPE, NONE radome blanked

    UtcMinute start, end;
    std::string antennaHeight; // laid out as the occupation editor lays out a typed height (" 1.567")
    std::string mediaIdentifier;

    // Editable by the user; planning again keeps them.
    std::string sessionLetter; // one letter (A-X from a RINEX 2 name)
    bool letterChosen = false; // true once the user has set the letter: planning keeps it
    std::string initials;      // up to 3 characters
    std::string cable;         // up to 2 characters

    // What applying the row adds (planning fills them): the new station line, the ID
    // an existing station gets, the new *70* and *72* bodies, the session line.
    std::string stationLine, instrumentBody, antennaBody, sessionLine;
    bool givesStationId = false;

    // How the end was found when the header has no TIME OF LAST OBS.
    bool endFromName = false, endUnknown = false;

    bool imported() const { return status == Status::Import; }
};

struct Plan {
    Options options;
    std::vector<Row> rows;
    // The project was empty and its header untouched: applying sets its start and end months.
    bool newProject = false;
};

// Told of each file read (done of total); returns false to stop reading.
using Progress = std::function<bool(int done, int total)>;

// Reads every file and plans it against `project`; an empty plan (no rows) when the
// progress told to stop. Files are planned in the order given: a later row sees the
// stations, instruments, antennas and sessions of the earlier ones.
Plan planImport(const Project& project, const std::vector<std::string>& files, const Options& options,
                const Progress& progress = {});

// Plans the rows again after the user has edited a letter, initials or cable length
// or chosen another ANTEX file (plan.options.antexPath); the files are not read again.
void replan(const Project& project, Plan& plan);

// Adds the records of every imported row to the project (no undo step of its own: the
// caller wraps it in one). A new project (plan.newProject) also gets its start and end
// months. Returns the number of sessions added.
int applyImport(Project& project, const Plan& plan);

// The line the command line prints for a row ("FILE: session ..." or "FILE: skipped: ..."),
// empty for a refused row, and its problem lines ("FILE: warning: ...").
std::string summaryLine(const Row& row);
std::vector<std::string> problemLines(const Row& row);

} // namespace rinex_import
} // namespace ardel
