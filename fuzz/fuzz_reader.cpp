// Feeds arbitrary bytes, held in memory, to the readers of the program: the B-file
// reader, the SERFIL and defaults imports, and the RINEX observation and ANTEX readers.
//
// The B-file reader reads them in the Open mode and then merges the same bytes into
// what was read, and writing what was read must be stable: the file written from a
// project and the file written after reading that file back are the same bytes.
//
// Whatever was read, the project check runs on it and every problem it reports stands
// at a line of the written file.
//
// The check needs a job code that begins with a capital letter, as the header editor
// demands: the last record carries the job code in the place of a record code, and the
// reader takes any blank record whose code is the job code for it, so with a job code
// such as "26" a blank comment line would not read back.
//
// The SERFIL and defaults imports read the same bytes as a file's lines: every line
// is at most 81 characters without a line feed, every SERFIL pair has the store's
// layout, and no defaults line is empty or begins with "=". Questions are answered
// Yes, so a station whose ID a pair changes gets it.
#include "app/Console.h"
#include "bfile/BFileReader.h"
#include "bfile/BFileWriter.h"
#include "model/Lines.h"
#include "utilities/Defaults.h"
#include "utilities/Serfil.h"
#include "utilities/SerfilAndDefaultsFiles.h"
#include "check/ProjectCheck.h"
#include "rinex/Antex.h"
#include "rinex/ObservationHeader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using namespace ardel;

constexpr const char* kInputName = "fuzz.bfl";

void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// Reads the bytes into a fresh project as Open does.
ReadOutcome readAsOpen(std::string_view bytes, Project& project, ConsoleToolkit& console, Form_Warning& warning) {
    loadConversionTable(project.lb_J2M);
    project.fileName = kInputName;
    return readBFileBytes(project, bytes, console, warning, false);
}

bool jobCodeIsNoRecordCode(const Project& project) {
    const std::string& code = project.header.JobCode;
    return !code.empty() && code[0] >= 'A' && code[0] <= 'Z';
}

std::string written(const Project& project) {
    std::ostringstream out;
    return writeBFile(project, out) ? out.str() : std::string();
}

void checkAsWritten(const Project& project, const std::string& file) {
    const auto lines = static_cast<long>(std::count(file.begin(), file.end(), '\n'));
    for (const check::Problem& problem : check::checkProject(project, check::writtenLines(project))) {
        if (problem.line < 0 || problem.line > lines) {
            fail("the project check reports a problem beyond the written file");
        }
    }
}

void readAsBFile(std::string_view bytes, ConsoleToolkit& console, Form_Warning& warning) {
    Project project;
    readAsOpen(bytes, project, console, warning);
    readBFileBytes(project, bytes, console, warning, true);

    const std::string first = written(project);
    if (!first.empty()) {
        checkAsWritten(project, first);
    }
    if (first.empty() || !jobCodeIsNoRecordCode(project)) {
        return;
    }
    Project again;
    if (readAsOpen(first, again, console, warning) != ReadOutcome::Completed || written(again) != first) {
        fail("reading back a written B-file does not give it again");
    }
}

// A station line of the store, as the station editor writes it.
std::string stationLine(const std::string& ssn, const std::string& id) {
    return ssn + "  " + std::string(station_line::kNameWidth, 'N') + "  " + id +
           std::string(station_line::kBodyWidth, ' ');
}

void readAsImportFiles(std::string_view bytes, ConsoleToolkit& console) {
    std::istringstream in{std::string(bytes)};
    const std::optional<std::vector<std::string>> lines = readImportLines(in);
    if (!lines) {
        fail("a stream in memory could not be read");
    }
    for (const std::string& line : *lines) {
        if (line.size() > kImportLineWidth || line.find('\n') != std::string::npos) {
            fail("an imported line is too long or holds a line feed");
        }
    }
    Project project;
    project.lb_Stations.assign({stationLine("0001", "ONE "), stationLine("0002", "    ")});
    takeSerfilLines(console, project, *lines);
    for (const std::string& line : project.lb_Stations.lines()) {
        if (line.size() != station_line::kBody + station_line::kBodyWidth) {
            fail("a station ID taken from a SERFIL shifted the station line");
        }
    }
    for (const std::string& pair : project.lb_SERFIL.lines()) {
        if (pair.size() != serfil_line::kId + serfil_line::kIdWidth) {
            fail("a SERFIL pair does not have the store's layout");
        }
    }
    TextStore defaults;
    takeDefaultsLines(defaults, *lines);
    for (const std::string& line : defaults.lines()) {
        if (line.empty() || line.front() == '=') {
            fail("a defaults line that should have been skipped was taken");
        }
    }
    lookupDefault(defaults, "Receiver Manufacturer");
}

// The RINEX observation reader: a header is read with its first epoch or refused with a reason.
void readAsObservationFile(const std::string& bytes) {
    std::istringstream in(bytes);
    const ardel::rinex::HeaderResult result = ardel::rinex::readObservation(in);
    if (result.observation.has_value() == !result.error.empty()) {
        fail("a header is either read or refused with a reason");
    }
    if (result.observation && !result.observation->firstObs) {
        fail("a header read without its first epoch");
    }
}

// The ANTEX reader: a code and its normal form (NONE radome as blanks) find the same offset.
void readAsAntexFile(const std::string& bytes) {
    std::istringstream in(bytes);
    const auto offsets = ardel::rinex::readAntex(in);
    if (offsets && bytes.size() >= 20) {
        const std::string code = bytes.substr(0, 20);
        if (offsets->upOf(code, "") != offsets->upOf(ardel::rinex::AntennaOffsets::normalCode(code), "")) {
            fail("a code and its normal form find different offsets");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ostream nowhere(nullptr);
    ConsoleToolkit console(nowhere);
    ConsoleWarning warning(console);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readAsBFile(bytes, console, warning);
    readAsImportFiles(bytes, console);
    readAsObservationFile(std::string(bytes));
    readAsAntexFile(std::string(bytes));
    return 0;
}
