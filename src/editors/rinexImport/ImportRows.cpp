#include "editors/rinexImport/ImportRows.h"

#include "ui/Platform.h"
#include "ui/Text.h"

#include <array>
#include <cstddef>

namespace ardel::rinex_rows {

namespace {

using rinex_import::Row;
using rinex_import::Severity;

struct Column {
    const char* title;
    int width;
    bool rightAligned = false;
};

enum Field { File, Station, Instrument, Antenna, Start, End, Height, Letter, Initials, Cable, FieldCount };

// The columns of a row, in order, each followed by one blank; the problems close the line.
constexpr std::array<Column, FieldCount> kColumns = {{
    {"File", 16},
    {"Station", 13},
    {"Instr.", 7},
    {"Antenna", 7},
    {"Start (UTC)", 16},
    {"End (UTC)", 16},
    {"Height", 7, true},
    {"S", 1},
    {"Obs", 3},
    {"Cb", 2},
}};
constexpr const char* kProblemsTitle = "Problems";

std::string cell(Field field, const std::string& text) {
    const Column& column = kColumns[field];
    return ui::format(column.rightAligned ? "%*.*s " : "%-*.*s ", column.width, column.width, text.c_str());
}

std::string keyWithState(const std::string& key, bool isNew) {
    return key + (isNew ? " new" : "");
}

std::string minute(const rinex_import::UtcMinute& at) {
    return ui::format("%04d-%02d-%02d %02d:%02d", at.year, at.month, at.day, at.hour, at.minute);
}

const char* severityName(Severity severity) {
    switch (severity) {
    case Severity::Warning:
        return "warning";
    case Severity::Error:
        return "error";
    case Severity::Note:
        break;
    }
    return "note";
}

std::string counted(int count, const char* what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// "2 warnings, 1 note"; empty without problems.
std::string problemCount(const Row& row) {
    std::array<int, 3> counts{};
    for (const rinex_import::Problem& problem : row.problems) {
        ++counts[static_cast<std::size_t>(problem.severity)];
    }
    std::string text;
    for (const Severity severity : {Severity::Error, Severity::Warning, Severity::Note}) {
        if (const int count = counts[static_cast<std::size_t>(severity)]; count > 0) {
            text += (text.empty() ? "" : ", ") + counted(count, severityName(severity));
        }
    }
    return text;
}

std::string firstProblem(const Row& row) {
    return row.problems.empty() ? std::string() : row.problems.front().text;
}

} // namespace

std::string heading() {
    std::string line;
    for (const Column& column : kColumns) {
        line += ui::format(column.rightAligned ? "%*s " : "%-*s ", column.width, column.title);
    }
    return line + kProblemsTitle;
}

std::string rowLine(const Row& row) {
    std::string line = cell(File, row.fileName);
    switch (row.status) {
    case Row::Status::Refused:
        return line + "refused: " + firstProblem(row);
    case Row::Status::Skipped:
        return line + "skipped: " + firstProblem(row);
    case Row::Status::Import:
        break;
    }
    line += cell(Station, keyWithState(row.ssn + " " + row.stationId, row.newStation));
    line += cell(Instrument, keyWithState(row.jsin, row.newInstrument));
    line += cell(Antenna, keyWithState(row.jsan, row.newAntenna));
    line += cell(Start, minute(row.start)) + cell(End, minute(row.end));
    line += cell(Height, row.antennaHeight) + cell(Letter, row.sessionLetter);
    line += cell(Initials, row.initials) + cell(Cable, row.cable);
    return ui::trimRight(line + problemCount(row));
}

std::string details(const Row& row) {
    std::string text = row.fileName + "  in  " + ui::parentFolder(row.path);
    if (row.imported()) {
        const rinex::Observation& file = row.observation;
        const auto state = [](bool isNew) { return isNew ? " (new): " : " (existing): "; };
        text += "\nStation " + row.ssn + " " + row.stationId + state(row.newStation) + row.stationName;
        text += "\nInstrument " + row.jsin + state(row.newInstrument) + file.receiverType + "  " + file.receiverSerial;
        text += "\nAntenna " + row.jsan + state(row.newAntenna) + row.antennaCode + "  " + file.antennaSerial;
        text += "\nMedia identifier " + row.mediaIdentifier;
    }
    for (const rinex_import::Problem& problem : row.problems) {
        text += "\n" + std::string(severityName(problem.severity)) + ": " + problem.text;
    }
    return text;
}

std::string antexText(const std::string& antexPath) {
    if (antexPath.empty()) {
        return "No ANTEX file chosen: the heights are those of the antenna reference point.";
    }
    return "ANTEX file: " + antexPath + " (its L1 phase-centre offsets are added to the heights)";
}

std::string undoName(int files) {
    return "Import RINEX (" + counted(files, "file") + ")";
}

} // namespace ardel::rinex_rows
