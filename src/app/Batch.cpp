#include "app/Batch.h"

#include "app/Console.h"
#include "app/FileCheck.h"
#include "app/LostIdCheck.h"
#include "bfile/BFileReader.h"
#include "bfile/BFileWriter.h"
#include "bfile/ReaderMessages.h"
#include "import/RinexImport.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "utilities/AtomicFile.h"
#include "utilities/Defaults.h"

#include <filesystem>

#include <algorithm>

namespace ardel {

namespace {

using namespace batch_status;

constexpr char kUnlistedProblems[] = "%ld more problems were found and are not listed: %ld errors, %ld warnings, %ld "
                                     "notes";

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

// Writes the project as Save As does; false (with its message printed) when it cannot.
bool writeAsSave(Project& project, const std::string& outPath, ConsoleToolkit& console) {
    warnOfLostIds(project, console);
    const long records = countRecords(project);
    if (records > kMostRecords) {
        console.print(kCannotWriteCaption, tooManyRecordsMessage(records));
        return false;
    }
    if (!saveAtomically(outPath, [&](std::ostream& file) { return writeBFile(project, file); })) {
        console.print(kCannotWriteCaption, ui::format(kCannotWriteMessage, outPath.c_str()));
        return false;
    }
    return true;
}

int convert(const std::string& in, const std::string& outPath, std::ostream& out) {
    ConsoleToolkit console(out);
    Project project;
    if (!readAsOpen(project, in, console)) {
        return kUnreadable;
    }
    if (!writeAsSave(project, outPath, console)) {
        return kUnwritable;
    }
    return console.printedAny() ? kMessages : kClean;
}

// The words of --import-rinex: PROJECT FILE... and the options, in any order after PROJECT.
struct ImportRequest {
    std::string project;
    std::vector<std::string> files;
    rinex_import::Options options;
};

std::optional<ImportRequest> importRequestOf(const std::vector<std::string>& args) {
    ImportRequest request;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& word = args[i];
        std::string* value = word == "--initials" ? &request.options.initials
                             : word == "--cable"  ? &request.options.cable
                             : word == "--antex"  ? &request.options.antexPath
                                                  : nullptr;
        if (value != nullptr) {
            if (++i == args.size()) {
                return std::nullopt;
            }
            *value = args[i];
        } else if (word.starts_with("--")) {
            return std::nullopt;
        } else if (request.project.empty()) {
            request.project = word;
        } else {
            request.files.push_back(word);
        }
    }
    if (request.files.empty()) {
        return std::nullopt;
    }
    return request;
}

// The status of an import: a refused file, else a warning or a skipped file, else clean.
int importStatus(const rinex_import::Plan& plan, bool messages) {
    bool refused = false;
    bool warned = messages;
    for (const rinex_import::Row& row : plan.rows) {
        refused = refused || row.status == rinex_import::Row::Status::Refused;
        warned = warned || row.status == rinex_import::Row::Status::Skipped;
        for (const rinex_import::Problem& problem : row.problems) {
            warned = warned || problem.severity != rinex_import::Severity::Note;
        }
    }
    return refused ? kUnreadable : warned ? kMessages : kClean;
}

int importRinex(const ImportRequest& request, std::ostream& out) {
    ConsoleToolkit console(out);
    Project project;
    loadBuiltInDefaults(project.lb_Defaults);
    if (std::filesystem::exists(ui::nativePath(request.project)) && !readAsOpen(project, request.project, console)) {
        return kUnreadable;
    }
    const rinex_import::Plan plan = rinex_import::planImport(project, request.files, request.options);
    for (const rinex_import::Row& row : plan.rows) {
        if (const std::string line = rinex_import::summaryLine(row); !line.empty()) {
            out << line << '\n';
        }
        for (const std::string& line : rinex_import::problemLines(row)) {
            out << line << '\n';
        }
    }
    rinex_import::applyImport(project, plan);
    if (!writeAsSave(project, request.project, console)) {
        return kUnwritable;
    }
    return importStatus(plan, console.printedAny());
}

// Every problem of the file in the diagnostic format, then the count.
int validateFile(const std::string& path, std::ostream& out) {
    const FileCheck result = checkFile(path);
    if (result.outcome == FileCheckOutcome::Missing || result.outcome == FileCheckOutcome::Unreadable) {
        const bool missing = result.outcome == FileCheckOutcome::Missing;
        out << path << ": error: " << (missing ? messages::kFileMissing : messages::kUnreadableFile) << '\n';
        return kUnreadable;
    }
    bool errors = result.outcome == FileCheckOutcome::Stopped || result.unlisted.errors > 0;
    for (const check::Problem& problem : result.problems) {
        out << check::diagnosticLine(path, problem) << '\n';
        errors = errors || problem.severity == check::Severity::Error;
    }
    if (const check::ProblemCounts& more = result.unlisted; more.total() > 0) {
        out << ui::format(kUnlistedProblems, more.total(), more.errors, more.warnings, more.notes) << '\n';
    }
    out << check::summaryLine(result.problems, result.unlisted) << '\n';
    if (errors) {
        return kUnreadable;
    }
    return result.problems.empty() && result.unlisted.total() == 0 ? kClean : kMessages;
}

} // namespace

const std::string& batchUsage() {
    static const std::string usage =
        "Usage: ardel [FILE]              start the program, opening FILE when given\n"
        "       ardel --check FILE        read FILE as Open does and print its messages\n"
        "       ardel --convert IN OUT    read IN as Open does and write it to OUT as Save As does\n"
        "       ardel --validate FILE     check every record of FILE; one line per problem:\n"
        "                                 FILE:LINE:COLUMN: error|warning|note: text\n"
        "       ardel --import-rinex PROJECT FILE... [--initials III] [--cable NN] [--antex ANTEXFILE]\n"
        "                                 add a session for each RINEX observation file to PROJECT\n"
        "                                 (created when missing); one line per file and per problem\n"
                "       ardel -h, --help          show this text\n"
        "       ardel -V, --version       show the program's version\n"
        "Exit status of --check and --convert: 0 no message, 1 messages printed,\n"
        "2 input missing or unreadable, 3 OUT not written; 64 wrong usage.\n"
        "Exit status of --validate: 0 nothing found, 1 warnings or notes only,\n"
        "2 errors, input missing or its reading stopped; 64 wrong usage.\n"
        "Exit status of --import-rinex: 0 every file imported without a warning, 1 warnings\n"
        "or skipped files, 2 a file unreadable or no observation file (the others imported),\n"
        "3 PROJECT not written; 64 wrong usage.\n";
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
    if (option == "--import-rinex") {
        if (const auto request = importRequestOf(args)) {
            return importRinex(*request, out);
        }
    }
    err << batchUsage();
    return kUsage;
}

} // namespace ardel
