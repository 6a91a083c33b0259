#include "app/Batch.h"

#include "app/Console.h"
#include "app/FileCheck.h"
#include "app/LostIdCheck.h"
#include "bfile/BFileReader.h"
#include "bfile/BFileWriter.h"
#include "bfile/ReaderMessages.h"
#include "ui/Text.h"
#include "utilities/AtomicFile.h"

#include <algorithm>

namespace ardel {

namespace {

using namespace batch_status;

bool isOption(const std::string& word) {
    return word.starts_with("-");
}

// Reads the file as Open does: an empty project, the built-in conversion table, an empty
// SERFIL store, not merging. False when the file is missing or the reading stopped.
bool readAsOpen(Project& project, const std::string& path, ConsoleToolkit& console) {
    loadConversionTable(project.lb_J2M);
    project.fileName = path;
    ConsoleWarning warning(console);
    return readBFile(project, console, warning, false) == ReadOutcome::Completed;
}

int checkRead(const std::string& path, std::ostream& out) {
    ConsoleToolkit console(out);
    Project project;
    if (!readAsOpen(project, path, console)) {
        return kUnreadable;
    }
    return console.printedAny() ? kMessages : kClean;
}

// Every station whose ID the file will lose is reported, and the conversion goes on.
void warnOfLostIds(const Project& project, ConsoleToolkit& console) {
    for (const auto& [ssn, id] : stationsLosingIds(project)) {
        console.print("Warning", ui::format(kLostIdQuestion, ssn.c_str(), id.c_str()));
    }
}

int convert(const std::string& in, const std::string& outPath, std::ostream& out) {
    ConsoleToolkit console(out);
    Project project;
    if (!readAsOpen(project, in, console)) {
        return kUnreadable;
    }
    warnOfLostIds(project, console);
    const long records = countRecords(project);
    if (records > kMostRecords) {
        console.print(kCannotWriteCaption, tooManyRecordsMessage(records));
        return kUnwritable;
    }
    if (!saveAtomically(outPath, [&](std::ostream& file) { return writeBFile(project, file); })) {
        console.print(kCannotWriteCaption, ui::format(kCannotWriteMessage, outPath.c_str()));
        return kUnwritable;
    }
    return console.printedAny() ? kMessages : kClean;
}

// Every problem of the file in the diagnostic format, then the count.
int validateFile(const std::string& path, std::ostream& out) {
    const FileCheck result = checkFile(path);
    if (result.outcome == FileCheckOutcome::Missing) {
        out << path << ": error: " << messages::kFileMissing << '\n';
        return kUnreadable;
    }
    bool errors = result.outcome == FileCheckOutcome::Stopped;
    for (const check::Problem& problem : result.problems) {
        out << check::diagnosticLine(path, problem) << '\n';
        errors = errors || problem.severity == check::Severity::Error;
    }
    out << check::summaryLine(result.problems) << '\n';
    if (errors) {
        return kUnreadable;
    }
    return result.problems.empty() ? kClean : kMessages;
}

} // namespace

const std::string& batchUsage() {
    static const std::string usage =
        "Usage: ardel [FILE]              start the program, opening FILE when given\n"
        "       ardel --check FILE        read FILE as Open does and print its messages\n"
        "       ardel --convert IN OUT    read IN as Open does and write it to OUT as Save As does\n"
        "       ardel --validate FILE     check every record of FILE; one line per problem:\n"
        "                                 FILE:LINE:COLUMN: error|warning|note: text\n"
        "       ardel -h, --help          show this text\n"
        "       ardel -V, --version       show the program's version\n"
        "Exit status of --check and --convert: 0 no message, 1 messages printed,\n"
        "2 input missing or unreadable, 3 OUT not written; 64 wrong usage.\n"
        "Exit status of --validate: 0 nothing found, 1 warnings or notes only,\n"
        "2 errors, input missing or its reading stopped; 64 wrong usage.\n";
    return usage;
}

std::optional<int> runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (std::none_of(args.begin(), args.end(), isOption)) {
        return std::nullopt;
    }
    const std::string& option = args.front();
    const std::size_t operands = args.size() - 1;
    if ((option == "--help" || option == "-h") && operands == 0) {
        out << batchUsage();
        return kClean;
    }
    if ((option == "--version" || option == "-V") && operands == 0) {
        out << "Ardel " << ARDEL_VERSION << '\n';
        return kClean;
    }
    if (option == "--check" && operands == 1) {
        return checkRead(args[1], out);
    }
    if (option == "--validate" && operands == 1) {
        return validateFile(args[1], out);
    }
    if (option == "--convert" && operands == 2) {
        return convert(args[1], args[2], out);
    }
    err << batchUsage();
    return kUsage;
}

} // namespace ardel
