// Times the RINEX import of generated daily 30-second observation files, gzip-compressed,
// against decompressing the same files to nowhere (what zcat does) in the same run: with
// TIME OF LAST OBS in the header only the headers are read; without it the whole data part
// is read for the last epoch. Also prints the peak memory after half and after all files.
//   rinex_bench [FILES [EPOCHS]]   (default 100 files of 2880 epochs, about 3 MB each)
#include "import/RinexImport.h"
#include "model/Project.h"
#include "rinex/CompressedFile.h"

#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace ardel;

constexpr double kHeaderTarget = 0.1; // to decompressing
constexpr double kDataTarget = 1.5;
constexpr int kSatellites = 12;
constexpr int kRepetitions = 5;

std::string headerLine(const std::string& data, const char* label) {
    char line[100];
    std::snprintf(line, sizeof line, "%-60.60s%-20s\n", data.c_str(), label);
    return line;
}

unsigned noise() {
    static unsigned state = 12345;
    state = state * 1103515245 + 12345;
    return state >> 8;
}

std::string observationText(int station, int epochs, bool lastInHeader) {
    char data[96];
    std::string text = headerLine("     3.04           OBSERVATION DATA    G", "RINEX VERSION / TYPE");
    std::snprintf(data, sizeof data, "S%03d00USA", station);
    text += headerLine(data, "MARKER NAME");
    text += headerLine("5832K01234          TRIMBLE NETR9       5.45", "REC # / TYPE / VERS");
    text += headerLine("CR519               ASH700936B_M    NONE", "ANT # / TYPE");
    text += headerLine("  1112162.1860 -4842853.6130  3985496.0470", "APPROX POSITION XYZ");
    text += headerLine("        1.5000        0.0000        0.0000", "ANTENNA: DELTA H/E/N");
    text += headerLine("G    5 C1C L1C D1C S1C C2W", "SYS / # / OBS TYPES");
    text += headerLine("    30.000", "INTERVAL");
    text += headerLine("  2024     1     5     0     0    0.0000000     GPS", "TIME OF FIRST OBS");
    if (lastInHeader) {
        text += headerLine("  2024     1     5    23    59   30.0000000     GPS", "TIME OF LAST OBS");
    }
    text += headerLine("", "END OF HEADER");
    for (int epoch = 0; epoch < epochs; ++epoch) {
        const int seconds = epoch * 30;
        std::snprintf(data, sizeof data, "> 2024 01 05 %02d %02d %10.7f  0 %2d\n", seconds / 3600 % 24,
                      seconds / 60 % 60, static_cast<double>(seconds % 60), kSatellites);
        text += data;
        for (int sat = 1; sat <= kSatellites; ++sat) {
            // Observations with the digits of real ones: as little repetition for gzip to find.
            std::snprintf(data, sizeof data, "G%02d  2%07u.%03u 7 1%07u.%03u 7     %6u.%03u 7", sat, noise() % 10000000,
                          noise() % 1000, noise() % 10000000, noise() % 1000, noise() % 10000, noise() % 1000);
            text += data;
            std::snprintf(data, sizeof data, "        %2u.%03u    2%07u.%03u 7\n", noise() % 60, noise() % 1000,
                          noise() % 10000000, noise() % 1000);
            text += data;
        }
    }
    return text;
}

void writeGzip(const std::string& path, const std::string& text) {
    archive* writer = archive_write_new();
    archive_write_set_format_raw(writer);
    archive_write_add_filter_gzip(writer);
    // The fastest level keeps the set-up short; decompressing is as fast at every level.
    archive_write_set_filter_option(writer, "gzip", "compression-level", "1");
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, "obs");
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_size(entry, static_cast<la_int64_t>(text.size()));
    archive_write_open_filename(writer, path.c_str());
    archive_write_header(writer, entry);
    archive_write_data(writer, text.data(), text.size());
    archive_entry_free(entry);
    archive_write_close(writer);
    archive_write_free(writer);
}

// The best time of each piece of work, the pieces taking turns so that a busy spell of
// the machine hits them alike.
std::vector<double> bestSeconds(const std::vector<std::function<void()>>& works) {
    std::vector<double> best(works.size(), 1e9);
    for (int i = 0; i < kRepetitions; ++i) {
        for (std::size_t w = 0; w < works.size(); ++w) {
            const auto start = std::chrono::steady_clock::now();
            works[w]();
            best[w] =
                std::min(best[w], std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
    return best;
}

void decompressAll(const std::vector<std::string>& files) {
    std::vector<char> block(64 * 1024);
    for (const std::string& path : files) {
        rinex::CompressedFile file(path);
        while (file.text().read(block.data(), static_cast<std::streamsize>(block.size())) || file.text().gcount() > 0) {
        }
    }
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool report(const char* what, double time, double baseline, double target) {
    const double ratio = time / baseline;
    std::printf("%-40s %8.3f s  %6.3f x decompression (target <= %.1f)\n", what, time, ratio, target);
    return ratio <= target;
}

} // namespace

int main(int argc, char** argv) {
    const int fileCount = argc > 1 ? std::atoi(argv[1]) : 100;
    const int epochs = argc > 2 ? std::atoi(argv[2]) : 2880;
    const auto folder = std::filesystem::temp_directory_path() / ("ardel-rinex-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::vector<std::string> withLast, withoutLast;
    std::size_t bytes = 0;
    for (int i = 0; i < fileCount; ++i) {
        for (const bool last : {true, false}) {
            const std::string text = observationText(i, epochs, last);
            const std::string path = (folder / ((last ? "with" : "without") + std::to_string(i) + ".rnx.gz")).string();
            writeGzip(path, text);
            (last ? withLast : withoutLast).push_back(path);
            bytes += last ? text.size() : 0;
        }
    }
    std::printf("%d files of %.1f MB each (gzip %.1f MB)\n", fileCount, bytes / 1e6 / fileCount,
                std::filesystem::file_size(withLast.front()) / 1e6);

    Project project;
    const std::vector<std::string> half(withoutLast.begin(), withoutLast.begin() + fileCount / 2);
    rinex_import::planImport(project, half, {});
    const long halfPeak = peakKilobytes();
    const std::vector<double> best = bestSeconds({
        [&] { decompressAll(withoutLast); },
        [&] { rinex_import::planImport(project, withLast, {}); },
        [&] { rinex_import::planImport(project, withoutLast, {}); },
    });
    const long fullPeak = peakKilobytes();
    const double baseline = best[0], headers = best[1], data = best[2];
    std::printf("%-40s %8.3f s\n", "decompressing every file", baseline);
    bool met = report("import with TIME OF LAST OBS", headers, baseline, kHeaderTarget);
    met = report("import finding the last epoch", data, baseline, kDataTarget) && met;
    std::printf("peak memory after %d files %ld kB, after %d files %ld kB\n", fileCount / 2, halfPeak, fileCount,
                fullPeak);
    std::filesystem::remove_all(folder);
    return met ? 0 : 1;
}
