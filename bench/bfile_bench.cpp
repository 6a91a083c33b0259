// Times writing and reading a B-file near the record limit against a plain
// line-by-line copy of the same file, and the commands that walk a whole project
// (renumbering, sorting, merging, the lost-ID check, undoing a renumber or a merge, the
// project check) against that read, all measured in the same run; and the recovery
// copy's write, which must stay well under 100 ms. Prints the best of several
// repetitions of each and their ratios.
#include "app/Console.h"
#include "app/FileCheck.h"
#include "app/LostIdCheck.h"
#include "app/RecoveryCopy.h"
#include "bfile/BFileReader.h"
#include "bfile/BFileWriter.h"
#include "ui/Text.h"
#include "utilities/Renumbering.h"
#include "utilities/Sorting.h"
#include "check/ProjectCheck.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using namespace ardel;

// The size of the generated project: about 92,000 records.
constexpr int kStations = 6000;
constexpr int kSessionsPerStation = 3;
constexpr int kInstruments = 600;
constexpr int kAntennas = 600;
constexpr int kRepetitions = 9;
constexpr double kReadTarget = 5.0;
constexpr double kWriteTarget = 3.0;
constexpr double kCommandTarget = 1.0;  // to the read
constexpr double kMergeTarget = 2.0;    // to the read
constexpr double kUndoTarget = 1.0;     // to the read
constexpr double kCheckTarget = 2.0;    // to the read
constexpr double kValidateTarget = 3.0; // to the read: the read itself, then the check
constexpr double kRecoveryMilliseconds = 100.0;
constexpr int kManySessions = 3000; // the sessions of the station renumbered alone

std::string body(const std::string& start) {
    return fit(start, 70);
}

std::string stationId(int station) {
    return ui::format("S%03d", station % 1000);
}

void addSession(Project& project, int station, int index) {
    SessionWorkArea session;
    const int day = 10 + index % 18; // of June 2024: the year's day 152 + day
    session.part25 = ui::format("%04dR%03d4A%s%s%03d05%03d", station, 152 + day, stationId(station).c_str(), "JKL",
                                (station + index) % kInstruments + 1, (station * 7 + index) % kAntennas + 1);
    session.commentCount = 1 + (station + index) % 2;
    for (int line = 0; line < session.commentCount; ++line) {
        session.comments +=
            (line ? "\r\n" : "") + body(ui::format("COMMENT %d OF SESSION %d AT %04d", line, index, station));
    }
    session.occupationCount = 2;
    for (int occupation = 0; occupation < session.occupationCount; ++occupation) {
        session.occupations +=
            fit(ui::format("2406%02d%02d3001523 215C 163C520101325MB00000", day, 10 + occupation), 41);
    }
    const std::string packed = packSession(session);
    project.lb_Sessions.append(buildSessionLine(unpackSession(packed), packed));
}

void generate(Project& project) {
    project.header.JobCode = "AB";
    project.header.SubmittingAgencyAbbreviation = "TOVGEO";
    project.header.ProjectTitle = "BENCHMARK PROJECT\r\nNEAR THE RECORD LIMIT";
    project.header.CreationDate = "20240701";
    project.header.ProjectStartDate = "202406";
    project.header.ProjectEndDate = "202406";
    project.header.TypeOfSurvey = "4";
    project.header.PrimaryStateOrCountry = "WA";
    project.header.OrderAndClass = "B0";
    project.header.DatumName = "NORTH AMERICAN DATUM-83 ";
    project.header.EllipsoidName = "GRS-80";
    for (int station = 1; station <= kStations; ++station) {
        for (int index = 0; index < kSessionsPerStation; ++index) {
            addSession(project, station, index);
        }
    }
    for (int jsin = 1; jsin <= kInstruments; ++jsin) {
        project.lb_Instruments.append(
            body(ui::format("%03d050      ORBITAL INSTRUMENTSURVEYOR GNSS RECEIVERSG-10   %d", jsin, jsin)));
    }
    for (int jsan = 1; jsan <= kAntennas; ++jsan) {
        project.lb_Antennas.append(body(ui::format("%03d   TRM22020.00+GP              %d", jsan, jsan)));
    }
    for (int station = 1; station <= kStations; ++station) {
        const std::string stationBody =
            body(ui::format("%04dSTATION %-22d47423112345N122201567890W       WAA1", station, station));
        project.lb_Stations.append(buildStationLine(stationBody, stationId(station)));
        if (station % 2 == 0) {
            project.lb_86.append(body(ui::format("%04d    42153L21N88                  -1234A11A", station)));
        }
    }
}

double seconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A measured task and what it needs done before each run, outside the time taken.
struct Task {
    std::function<void()> run;
    std::function<void()> prepare = [] {};
};

// The best time of each task; the tasks take turns, so that a busy machine slows all alike.
std::vector<double> bestSeconds(const std::vector<Task>& tasks) {
    std::vector<double> best(tasks.size(), 1e30);
    for (int i = 0; i < kRepetitions; ++i) {
        for (std::size_t task = 0; task < tasks.size(); ++task) {
            tasks[task].prepare();
            best[task] = std::min(best[task], seconds(tasks[task].run));
        }
    }
    return best;
}

void copyProject(const Project& from, Project& to) {
    for (TextStore Project::*store : {&Project::lb_Stations, &Project::lb_Instruments, &Project::lb_Antennas,
                                      &Project::lb_Sessions, &Project::lb_86, &Project::lb_90}) {
        (to.*store).assign((from.*store).lines());
    }
    to.lb_sort.clear();
}

// Station 0001 takes the sessions of the first stations, so that it has many.
void giveFirstStationManySessions(Project& project) {
    for (int i = 0; i < kManySessions; ++i) {
        const std::string packed = "0001" + packedOf(project.lb_Sessions.at(i)).substr(kSsnWidth);
        project.lb_Sessions.replace(i, buildSessionLine(unpackSession(packed), packed));
    }
}

void plainCopy(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    std::string line;
    while (std::getline(in, line)) {
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
        out.put('\n');
    }
}

void writeProject(const Project& project, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!writeBFile(project, out)) {
        std::cerr << "the project could not be written\n";
        std::exit(1);
    }
}

void readProject(const std::string& path, Project& project, bool merging = false) {
    std::ostream nowhere(nullptr);
    ConsoleToolkit console(nowhere);
    ConsoleWarning warning(console);
    warning.setSuppressed(true);
    loadConversionTable(project.lb_J2M);
    project.fileName = path;
    if (readBFile(project, console, warning, merging) != ReadOutcome::Completed || console.printedAny()) {
        std::cerr << "the generated file did not read cleanly\n";
        std::exit(1);
    }
}

void report(const char* what, double seconds, double base, const char* baseName, double target) {
    std::printf("%-38s %8.1f ms  %5.2fx the %s  (target %.0fx: %s)\n", what, seconds * 1e3, seconds / base, baseName,
                target, seconds / base <= target ? "met" : "MISSED");
}

} // namespace

int main() {
    Project project;
    generate(project);
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string file = (folder / ("ardel-bench-" + std::to_string(::getpid()) + ".bfl")).string();
    const std::string copy = file + ".copy";

    writeProject(project, file);
    Project work;
    Project unsorted;
    copyProject(project, unsorted);
    sortByKey(unsorted.lb_Stations, unsorted.lb_sort, {0, 4}); // names in the order STATION 1, 10, 100, ...
    const std::filesystem::path recoveryFolder = folder / ("ardel-bench-recovery-" + std::to_string(::getpid()));
    std::filesystem::create_directories(recoveryFolder);
    RecoveryCopy recovery(recoveryFolder.string(), ::getpid());
    const std::vector<double> best = bestSeconds({
        {[&] { plainCopy(file, copy); }},
        {[&] { writeProject(project, file); }},
        {[&] {
            Project read;
            readProject(file, read);
        }},
        {[&] { renumberAll(work, KeyKind::Station, 10, 1); }, [&] { copyProject(project, work); }},
        {[&] { renumberAll(work, KeyKind::Instrument, 2, 1); }, [&] { copyProject(project, work); }},
        {[&] { renumberStation(work, 0, "9999"); },
         [&] {
             copyProject(project, work);
             giveFirstStationManySessions(work);
         }},
        {[&] {
             sortByKey(work.lb_Sessions, work.lb_sort, {6, 12});
         },
         [&] { copyProject(project, work); }},
        {[&] {
             sortByKey(work.lb_Stations, work.lb_sort, {6, 30});
         },
         [&] { copyProject(unsorted, work); }},
        {[&] { readProject(file, work, true); },
         [&] {
             work.clear();
             readProject(file, work);
         }},
        {[&] { stationsLosingIds(project); }},
        {[&] { work.undo(); },
         [&] {
             copyProject(project, work);
             work.restartHistory();
             const UndoStep step(work, "Renumber All Stations");
             renumberAll(work, KeyKind::Station, 10, 1);
         }},
        {[&] { work.undo(); },
         [&] {
             work.clear();
             const UndoStep step(work, "Merge");
             readProject(file, work, true);
         }},
        {[&] { recovery.write(project); }},
        {[&] { check::checkProject(project, check::writtenLines(project)); }},
        {[&] { checkFile(file); }},
    });
    const std::size_t problems = check::checkProject(project, check::writtenLines(project)).size();
    const double copySeconds = best[0], writeSeconds = best[1], readSeconds = best[2];

    Project check;
    readProject(file, check);
    const bool same = check.lb_Sessions.lines() == project.lb_Sessions.lines() &&
                      check.lb_Stations.lines() == project.lb_Stations.lines() &&
                      check.lb_86.lines() == project.lb_86.lines();

    std::printf("%ld records, %ju bytes, best of %d runs\n", countRecords(project),
                static_cast<std::uintmax_t>(std::filesystem::file_size(file)), kRepetitions);
    std::printf("copy   %8.1f ms  (std::getline + write)\n", copySeconds * 1e3);
    report("write", writeSeconds, copySeconds, "copy", kWriteTarget);
    report("read", readSeconds, copySeconds, "copy", kReadTarget);
    const char* const commands[] = {"renumber all stations", "renumber all instruments",
                                    "renumber one station (3000 sessions)", "sort sessions by date and time",
                                    "sort stations by name"};
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        report(commands[i], best[3 + i], readSeconds, "read", kCommandTarget);
    }
    report("merge the project into itself", best[8], readSeconds, "read", kMergeTarget);
    report("lost-ID check", best[9], readSeconds, "read", kCommandTarget);
    report("undo renumber all stations", best[10], readSeconds, "read", kUndoTarget);
    report("undo merge into an empty project", best[11], readSeconds, "read", kUndoTarget);
    std::printf("%-38s %8.1f ms  (target under %.0f ms: %s)\n", "write the recovery copy", best[12] * 1e3,
                kRecoveryMilliseconds, best[12] * 1e3 < kRecoveryMilliseconds ? "met" : "MISSED");
    report("check the project in memory", best[13], readSeconds, "read", kCheckTarget);
    report("validate the file (read and check)", best[14], readSeconds, "read", kValidateTarget);
    std::printf("problems found in the project: %zu\n", problems);
    recovery.remove();
    std::filesystem::remove_all(recoveryFolder);
    std::filesystem::remove(file);
    std::filesystem::remove(copy);
    if (!same) {
        std::cerr << "the project read back differs from the one written\n";
        return 1;
    }
    return 0;
}
