// A file near the format's limit reads within a few times a plain copy of it.
#include "bfile/ReaderFixture.h"

#include <algorithm>
#include <chrono>

namespace ardel {
namespace {

using testing::occupation;
using testing::part25;
using testing::record;
using testing::stationBody;

constexpr int kStations = 6000, kSessions = 18000, kInstruments = 600, kAntennas = 600;

// About 92,000 records: every station with heights, one in six fixed, sessions with
// a comment line and two occupation entries each, all references sound.
std::string bigFile() {
    std::string bytes;
    int sequence = 0;
    const auto add = [&](const std::string& code, const std::string& body) {
        bytes += record(code, body, sequence += 10) + "\r\n";
    };
    add("AB", "HZTLOBS");
    add("10", "A PROJECT NEAR THE LIMIT");
    add("12", "");
    add("13", "");
    for (int i = 0; i < kSessions; ++i) {
        const std::string ssn = zeroFill(i % kStations, 4);
        add("25", part25(ssn, "ID" + zeroFill(i % 100, 2), zeroFill(i % kInstruments, 3), zeroFill(i % kAntennas, 3)));
        add("26", "A COMMENT");
        add("27", ssn + occupation("2401011200"));
        add("27", ssn + occupation("2401011400"));
    }
    for (int i = 0; i < kInstruments; ++i) {
        add("70", zeroFill(i, 3) + " RECEIVER");
    }
    for (int i = 0; i < kAntennas; ++i) {
        add("72", zeroFill(i, 3) + "   ANTENNA");
    }
    for (int i = 0; i < kStations; ++i) {
        add("80", stationBody(zeroFill(i, 4), "STATION"));
        add("86", zeroFill(i, 4) + " HEIGHTS");
    }
    for (int i = 0; i < kStations; i += 6) {
        add("90", zeroFill(i, 4) + " FIXED");
    }
    add("AB", "");
    return bytes;
}

// Timings compare only in an optimized build without sanitizers.
#if defined(__SANITIZE_ADDRESS__)
#define ARDEL_SANITIZED
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ARDEL_SANITIZED
#endif
#endif
#if defined(__OPTIMIZE__) && !defined(ARDEL_SANITIZED)
constexpr bool kTimingsCompare = true;
#else
constexpr bool kTimingsCompare = false;
#endif

template <class Prepare, class Work> double fastestSeconds(Prepare&& prepare, Work&& work) {
    double best = 1e9;
    for (int run = 0; run < (kTimingsCompare ? 3 : 1); ++run) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

class ReaderSpeed : public testing::ReaderTest {};

TEST_F(ReaderSpeed, AFileNearTheLimitReadsWithinFiveTimesAPlainCopy) {
    testing::writeFile(project.fileName, bigFile());
    const std::string copyPath = dir.path("copy.bfl");
    const double copy = fastestSeconds([] {},
                                       [&] {
                                           std::ifstream in(project.fileName, std::ios::binary);
                                           std::ofstream out(copyPath, std::ios::binary | std::ios::trunc);
                                           for (std::string line; std::getline(in, line);) {
                                               out << line << '\n';
                                           }
                                       });
    // The sessions of one station (i, i + 6000, i + 12000) name one ID: nothing is reported.
    const double reading =
        fastestSeconds([&] { clearProject(); },
                       [&] { EXPECT_EQ(readBFile(project, toolkit, warning, false), ReadOutcome::Completed); });
    EXPECT_EQ(project.lb_Sessions.count(), kSessions);
    EXPECT_EQ(project.lb_Stations.count(), kStations);
    EXPECT_EQ(project.lb_90.count(), kStations / 6);
    if (!kTimingsCompare) {
        GTEST_SKIP() << "timings compare only in an optimized build: reading " << reading << " s, copying " << copy
                     << " s";
    }
    EXPECT_LT(reading, 5 * copy) << "reading " << reading << " s, copying " << copy << " s";
}

} // namespace
} // namespace ardel
