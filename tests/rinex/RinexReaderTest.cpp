// The RINEX readers: header values by their columns, the last epoch of every kind of
// data part, refusals, decompression, file names, time systems, ANTEX offsets and the
// GRS 80 conversion.
#include "rinex/Antex.h"
#include "rinex/CompressedFile.h"
#include "rinex/EpochLines.h"
#include "rinex/FileNames.h"
#include "rinex/Geodesy.h"
#include "rinex/ObservationHeader.h"
#include "rinex/RinexFiles.h"
#include "support/HeadlessTest.h"

#include "support/SystemForTests.h"
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace ardel::testing {
namespace {

using rinex::Epoch;

std::string text(const Epoch& e) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%04.1f", e.year, e.month, e.day, e.hour, e.minute,
                  e.second);
    return buffer;
}

rinex::HeaderResult readText(const std::string& content) {
    std::istringstream in(content);
    return rinex::readObservation(in);
}

TEST(RinexReaderTest, HeaderValuesAndTheLastEpochOfEveryKindOfFile) {
    for (const double version : {2.11, 3.04}) {
        for (const bool compact : {false, true}) {
            for (const bool lastInHeader : {true, false}) {
                SCOPED_TRACE(::testing::Message() << version << (compact ? " compact" : " plain")
                                                  << (lastInHeader ? " with" : " without") << " TIME OF LAST OBS");
                ObservationContent content{.version = version,
                                           .compact = compact,
                                           .x = -1234567.8901,
                                           .y = 23.5,
                                           .z = 4234567.1,
                                           .wideNumbers = compact,
                                           .lastInHeader = lastInHeader};
                const rinex::HeaderResult result = readText(observationText(content));
                ASSERT_TRUE(result.observation) << result.error;
                const rinex::Observation& o = *result.observation;
                EXPECT_EQ(o.compact, compact);
                EXPECT_EQ(o.markerName, "CEDA00USA");
                EXPECT_EQ(o.receiverSerial + "|" + o.receiverType, "5832K01234|TRIMBLE NETR9");
                EXPECT_EQ(o.antennaSerial + "|" + o.antennaCode, "1441112233|TRM57971.00     NONE");
                EXPECT_DOUBLE_EQ(o.x, -1234567.8901);
                EXPECT_DOUBLE_EQ(o.y, 23.5);
                EXPECT_DOUBLE_EQ(o.z, 4234567.1);
                EXPECT_DOUBLE_EQ(o.deltaH, 1.5);
                EXPECT_EQ(text(*o.firstObs), "2024-01-05 00:00:00.0");
                ASSERT_TRUE(o.lastObs);
                EXPECT_EQ(text(*o.lastObs), "2024-01-05 23:59:30.0");
                EXPECT_EQ(o.lastFromData, !lastInHeader);
            }
        }
    }
}

TEST(RinexReaderTest, RefusalsNameWhatIsWrong) {
    std::string endless = headerLine("     3.04           OBSERVATION DATA    G", "RINEX VERSION / TYPE") + "\n";
    for (int i = 0; i < 1000; ++i) {
        endless += headerLine("", "COMMENT") + "\n";
    }
    const std::string meteo = headerLine("     2.11           METEOROLOGICAL DATA", "RINEX VERSION / TYPE") + "\n";
    std::string truncated = observationText({});
    truncated.resize(truncated.find("END OF HEADER") - 70);
    const std::pair<std::string, std::string> cases[] = {
        {navigationText(), "not an observation file (navigation)"},
        {meteo, "not an observation file (meteorological)"},
        {endless, "no END OF HEADER within the first 1,000 lines"},
        {truncated, "no END OF HEADER within the first 1,000 lines"},
        {"\x1f\x8b garbage\n", "not a RINEX file"},
    };
    for (const auto& [content, error] : cases) {
        EXPECT_EQ(readText(content).error, error);
    }
    TempDir dir;
    EXPECT_EQ(rinex::CompressedFile(dir.path("")).error(), "is a folder");
    EXPECT_EQ(rinex::CompressedFile(dir.path("missing.24o")).error(), "No such file or directory");
}

TEST(RinexReaderTest, AFifoIsRefusedWithoutBlocking) {
    TempDir dir;
    const std::string fifo = dir.path("pipe.24o");
    ASSERT_TRUE(makeFifo(fifo));
    EXPECT_EQ(rinex::CompressedFile(fifo).error(), "is not a regular file");
}

TEST(RinexReaderTest, EveryCompressionGivesTheSameText) {
    TempDir dir;
    const std::string content = observationText({});
    for (const char* name : {"a.rnx", "a.rnx.gz", "a.rnx.Z", "a.rnx.bz2", "a.zip"}) {
        SCOPED_TRACE(name);
        writeMaybeCompressed(dir.path(name), content);
        rinex::CompressedFile file(dir.path(name));
        ASSERT_FALSE(file.failed()) << file.error();
        std::ostringstream read;
        read << file.text().rdbuf();
        EXPECT_EQ(read.str(), content);
    }
}

// Fourteen satellites take two epoch lines, six observation types two lines a satellite;
// data lines that look like epoch lines are skipped by count.
TEST(RinexReaderTest, Version2DataLinesAreSkippedByCount) {
    const std::string lookalike = " 30 12 31 23 59 59.0000000  0  1\n";
    std::string data =
        " 24 01 05 23 59 30.0000000  0 14G01G02G03G04G05G06G07G08G09G10G11G12\n" + std::string(32, ' ') + "G13G14\n";
    for (int line = 0; line < 28; ++line) {
        data += lookalike;
    }
    std::istringstream in(data);
    rinex::Observation observation;
    observation.version = 2.11;
    observation.observationTypes = 6;
    const auto last = rinex::lastEpoch(in, observation);
    ASSERT_TRUE(last);
    EXPECT_EQ(text(*last), "2024-01-05 23:59:30.0");
}

TEST(RinexReaderTest, CompactEpochLinesAreRebuiltFromTheirDifferences) {
    EXPECT_EQ(rinex::applyEpochDifference("", "&24 01 05"), " 24 01 05");
    EXPECT_EQ(rinex::applyEpochDifference(" 24 01 05 00 00  0.0", "              3  &"), " 24 01 05 00 03   .0");
    EXPECT_FALSE(rinex::parseEpochLine("  23619095.450 7", false));
    EXPECT_FALSE(rinex::parseEpochLine("> 2024 13 05 00 00  0.0000000  0  2", true));
}

TEST(RinexReaderTest, FileNamesGiveTheSessionLetterAndThePeriod) {
    EXPECT_EQ(rinex::sessionLetterOfName("ceda005b.24o.gz"), 'B');
    EXPECT_EQ(rinex::sessionLetterOfName("CEDA005X.24D.Z"), 'X');
    EXPECT_FALSE(rinex::sessionLetterOfName("ceda0050.24o"));
    EXPECT_FALSE(rinex::sessionLetterOfName("ceda005y.24o"));
    EXPECT_FALSE(rinex::sessionLetterOfName("ceda005a.24n"));
    const auto name = rinex::parseLongName("CEDA00USA_R_20240052330_01H_30S_MO.crx.gz");
    ASSERT_TRUE(name);
    EXPECT_EQ(text(name->start), "2024-01-05 23:30:00.0");
    EXPECT_EQ(text(rinex::endOf(*name)), "2024-01-06 00:29:30.0");
    EXPECT_FALSE(rinex::parseLongName("CEDA00USA_R_20243670000_01D_30S_MO.rnx"));
}

TEST(RinexReaderTest, TimeSystemsToUtc) {
    const std::pair<Epoch, std::string> gps[] = {
        {{2024, 1, 5, 0, 0, 10}, "2024-01-04 23:59:52.0"},    // 18 s across a minute, an hour and a day
        {{2016, 12, 31, 12, 0, 0}, "2016-12-31 11:59:43.0"},  // 17 s
        {{1999, 1, 1, 0, 0, 30}, "1999-01-01 00:00:17.0"},    // 13 s
        {{1998, 12, 31, 23, 59, 0}, "1998-12-31 23:58:48.0"}, // 12 s
        {{2024, 3, 1, 0, 0, 0}, "2024-02-29 23:59:42.0"},
    };
    for (const auto& [epoch, utc] : gps) {
        EXPECT_EQ(text(rinex::toUtc(epoch, rinex::TimeSystem::Gps)), utc);
    }
    EXPECT_EQ(text(rinex::toUtc({2024, 1, 5, 0, 0, 10}, rinex::TimeSystem::Bds)), "2024-01-05 00:00:06.0");
    EXPECT_EQ(text(rinex::toUtc({2024, 1, 5, 0, 0, 10}, rinex::TimeSystem::Glo)), "2024-01-05 00:00:10.0");
    EXPECT_EQ(rinex::timeSystemOf("GAL"), rinex::TimeSystem::Gal);
}

TEST(RinexReaderTest, AntexGivesTheIndividualCalibrationElseTheTypeMean) {
    std::istringstream in(antexText("TRM57971.00     NONE", 66.9, "1441112233", 64.25));
    const auto offsets = rinex::readAntex(in);
    ASSERT_TRUE(offsets);
    EXPECT_DOUBLE_EQ(*offsets->upOf("TRM57971.00         ", "1441112233"), 64.25);
    EXPECT_DOUBLE_EQ(*offsets->upOf("TRM57971.00     NONE", "OTHER"), 66.9);
    EXPECT_FALSE(offsets->upOf("TRM57971.00     TZGD", ""));
    std::istringstream notAntex(navigationText());
    EXPECT_FALSE(rinex::readAntex(notAntex));
}

// Points whose geodetic and geocentric coordinates are known both ways.
TEST(RinexReaderTest, Grs80ConversionBothWays) {
    const auto equator = rinex::toGeodetic({6378137.0, 0, 0});
    EXPECT_NEAR(equator.latitude, 0, 1e-12);
    EXPECT_NEAR(equator.height, 0, 1e-6);
    const auto pole = rinex::toGeodetic({0, 0, 6356752.314140347});
    EXPECT_NEAR(pole.latitude, 90, 1e-12);
    EXPECT_NEAR(pole.height, 0, 1e-6);
    const struct {
        double latitude, longitude, height;
        const char* latitudeText;
        const char* longitudeText;
    } points[] = {
        {38 + 30 / 60.0 + 15.12345 / 3600, -(77 + 15 / 60.0 + 30.54321 / 3600), 50, "383015.12345", "0771530.54321"},
        {-(33 + 51 / 60.0 + 35.9 / 3600), 151 + 12 / 60.0 + 40 / 3600.0, 120.5, "335135.90000", "1511240.00000"},
    };
    for (const auto& p : points) {
        double x, y, z;
        grs80ToXyz(p.latitude, p.longitude, p.height, x, y, z);
        const rinex::Geodetic back = rinex::toGeodetic({x, y, z});
        EXPECT_EQ(rinex::degreesMinutesSeconds(back.latitude, 2), p.latitudeText);
        EXPECT_EQ(rinex::degreesMinutesSeconds(back.longitude, 3), p.longitudeText);
        EXPECT_NEAR(back.height, p.height, 1e-6);
        const rinex::Geocentric again = rinex::toGeocentric(back);
        EXPECT_NEAR(std::hypot(again.x - x, again.y - y, again.z - z), 0, 1e-6);
    }
    EXPECT_EQ(rinex::degreesMinutesSeconds(10.0 - 0.000001 / 3600, 2), "100000.00000"); // rounding carries
}

} // namespace
} // namespace ardel::testing
