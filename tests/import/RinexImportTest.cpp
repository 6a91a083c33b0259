// Importing RINEX observation files: the records a file gives, column by column; the
// station, instrument and antenna matched or new; ANTEX offsets; the same file twice;
// refused files beside imported ones; planning again after edits; one undo step.
#include "import/RinexImport.h"
#include "bfile/BFileWriter.h"
#include "model/Project.h"
#include "rinex/RinexFiles.h"
#include "support/HeadlessTest.h"
#include "utilities/Defaults.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <numbers>
#include <sstream>

namespace ardel::testing {
namespace {

using rinex_import::Row;

constexpr double kLatitude = 38 + 30 / 60.0 + 15.12345 / 3600;
constexpr double kLongitude = -(77 + 15 / 60.0 + 30.54321 / 3600);
constexpr const char* kLongName = "CEDA00USA_R_20240050000_01D_30S_MO.rnx.gz";

class RinexImportTest : public ::testing::Test {
protected:
    RinexImportTest() { loadBuiltInDefaults(project.lb_Defaults); }

    // A file with that content, placed at the test's marker position (or at `content`'s own).
    std::string write(const std::string& name, ObservationContent content = {}, bool placed = true) {
        if (placed) {
            grs80ToXyz(kLatitude, kLongitude, 50, content.x, content.y, content.z);
        }
        writeMaybeCompressed(dir.path(name), observationText(content));
        return dir.path(name);
    }

    std::string antex() {
        writeMaybeCompressed(dir.path("igs.atx"), antexText("TRM57971.00     NONE", 66.9, "OTHER", 60));
        return dir.path("igs.atx");
    }

    std::string bfile() const {
        std::ostringstream out;
        writeBFile(project, out);
        return out.str();
    }

    static std::vector<std::string> lines(const Row& row) {
        std::vector<std::string> all{rinex_import::summaryLine(row)};
        for (const std::string& line : rinex_import::problemLines(row)) {
            all.push_back(line);
        }
        return all;
    }

    TempDir dir;
    Project project;
};

TEST_F(RinexImportTest, AFileBecomesFourRecordsLaidOutAsTheEditorsLayThemOut) {
    const std::string path = write(kLongName);
    const auto plan =
        rinex_import::planImport(project, {path}, {.initials = "JDS", .cable = "5", .antexPath = antex()});
    ASSERT_EQ(plan.rows.size(), 1u);
    EXPECT_EQ(lines(plan.rows[0]),
              (std::vector<std::string>{path + ": session 0001 R0044ACEDA 2024-01-04 23:59 - 2024-01-05 23:59 "
                                               "(station 0001 new, instrument 001 new, antenna 001 new)",
                                        path + ": note: antenna code TRM57971.00 is not in the antenna code list"}));
    EXPECT_EQ(rinex_import::applyImport(project, plan), 1);

    const std::string station =
        "0001" + fit("CEDA00USA", 30) + "383015" + "12345" + "N" + "0771530" + "54321" + "W" + blanks(7) + blanks(4);
    EXPECT_EQ(project.lb_Stations.lines(),
              std::vector<std::string>{"0001  " + fit("CEDA00USA", 30) + "  CEDA" + station});
    EXPECT_EQ(project.lb_Instruments.lines(),
              std::vector<std::string>{"001050" + blanks(6) + fit("TRIMBLE", 18) + fit("TRIMBLE NETR9", 22) +
                                       blanks(8) + "5832K01234"});
    EXPECT_EQ(project.lb_Antennas.lines(), std::vector<std::string>{"001   TRM57971.00" + blanks(9) + blanks(8) +
                                                                    fit("1441112233", 20) + blanks(16)});
    const std::string start = "240104"
                              "2359"
                              " 1"
                              "567" +
                              blanks(26);
    const std::string end = "240105"
                            "2359"
                            " 1"
                            "567" +
                            blanks(26);
    EXPECT_EQ(project.lb_Sessions.lines(),
              std::vector<std::string>{"0001  240104  2359  CEDA      "
                                       "0001"
                                       "R0044ACEDA"
                                       "JDS"
                                       "001"
                                       "05"
                                       "001"
                                       "0001"
                                       "0002" +
                                       fit(std::string("RINEX ") + kLongName, 70) + start + end});
    EXPECT_EQ(project.header.ProjectStartDate + project.header.ProjectEndDate, "202401202401");
}

TEST_F(RinexImportTest, BothVersionsPlainCompactAndEveryCompressionGiveTheSameSession) {
    for (const double version : {2.11, 3.04}) {
        for (const bool compact : {false, true}) {
            for (const char* suffix : {"", ".gz", ".Z", ".bz2", ".zip"}) {
                for (const bool lastInHeader : {true, false}) {
                    const std::string name =
                        (version < 3 ? std::string(compact ? "ceda005a.24d" : "ceda005a.24o")
                                     : std::string(compact ? "CEDA00USA_R_20240050000_01D_30S_MO.crx"
                                                           : "CEDA00USA_R_20240050000_01D_30S_MO.rnx")) +
                        suffix;
                    SCOPED_TRACE(name + (lastInHeader ? " with" : " without") + " TIME OF LAST OBS");
                    const std::string path =
                        write(name, {.version = version, .compact = compact, .lastInHeader = lastInHeader});
                    Project fresh;
                    const auto plan = rinex_import::planImport(fresh, {path}, {});
                    EXPECT_EQ(rinex_import::summaryLine(plan.rows.at(0)),
                              path + ": session 0001 R0044ACEDA 2024-01-04 23:59 - 2024-01-05 23:59 "
                                     "(station 0001 new, instrument 001 new, antenna 001 new)");
                }
            }
        }
    }
}

TEST_F(RinexImportTest, StationsInstrumentsAndAntennasAreMatchedOrNew) {
    // Station 0007 CEDA stands 150 m north of the file's position.
    const double metresPerRadian =
        6378137.0 * (1 - 0.00669438002290) /
        std::pow(1 - 0.00669438002290 * std::pow(std::sin(kLatitude * std::numbers::pi / 180), 2), 1.5);
    const double north = kLatitude + 150 / metresPerRadian * 180 / std::numbers::pi;
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%08.5f", (north - 38 - 30 / 60.0) * 3600);
    const std::string latitude = "3830" + std::string(seconds, 2) + std::string(seconds + 3, 5);
    project.lb_Stations.append("0007  " + fit("CEDAR HILL", 30) + "  CEDA" + "0007" + fit("CEDAR HILL", 30) + latitude +
                               "N077153054321W" + blanks(11));
    project.lb_Stations.append("0012  " + fit("ZEPHYR", 30) + "      0012" + fit("ZEPHYR", 30) + blanks(36));
    project.lb_SERFIL.assign({"0012   ZEPH", "0020   news"});
    project.lb_Instruments.append("004050      TRIMBLE           TRIMBLE NETR9                 5832k01234");
    project.lb_Antennas.append("002   " + fit("ASH700936B_M", 20) + blanks(8) + fit("CR519", 20) + blanks(16));

    const std::string cedar = write("cedar.rnx", {.antennaSerial = "CR519", .antennaCode = "ASH700936B_M    NONE"});
    const std::string zephyr = write("zephyr.rnx", {.marker = "zeph", .receiverSerial = "LONGSERIAL123"});
    const std::string news = write("news.rnx", {.marker = "NEWS"}, false);
    const std::string moon = write("moon005a.24o", {.version = 2.11, .marker = ""});
    const auto plan = rinex_import::planImport(project, {cedar, zephyr, news, moon}, {});
    const std::string noAntex =
        ": warning: no ANTEX file: the L1 phase-centre offset was not added to the antenna height";
    const std::string notListed = ": note: antenna code TRM57971.00 is not in the antenna code list";
    const std::vector<std::vector<std::string>> expected = {
        {cedar + ": session 0007 R0044ACEDA 2024-01-04 23:59 - 2024-01-05 23:59 (station 0007 existing, "
                 "instrument 004 existing, antenna 002 existing)",
         cedar + ": warning: station 0007 lies 150 m from the file's APPROX POSITION XYZ", cedar + noAntex},
        {zephyr + ": session 0012 R0044AZEPH 2024-01-04 23:59 - 2024-01-05 23:59 (station 0012 existing, "
                  "instrument 005 new, antenna 003 new)",
         zephyr + ": warning: receiver serial number LONGSERIAL123 is longer than 10 characters", zephyr + notListed,
         zephyr + noAntex},
        {news + ": session 0020 R0044ANEWS 2024-01-04 23:59 - 2024-01-05 23:59 (station 0020 new, "
                "instrument 004 existing, antenna 003 existing)",
         news + ": warning: APPROX POSITION XYZ is 0,0,0: latitude and longitude left blank", news + notListed,
         news + noAntex},
        {moon + ": session 0021 R0044AMOON 2024-01-04 23:59 - 2024-01-05 23:59 (station 0021 new, "
                "instrument 004 existing, antenna 003 existing)",
         moon + notListed, moon + noAntex},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(lines(plan.rows.at(i)), expected[i]);
    }
    rinex_import::applyImport(project, plan);
    EXPECT_EQ(project.lb_Stations.at(1).substr(0, 42), "0012  " + fit("ZEPHYR", 30) + "  ZEPH");
    // No position: blank coordinates, the hemisphere codes from the defaults.
    EXPECT_EQ(project.lb_Stations.at(2).substr(42 + 34, 25), blanks(11) + "N" + blanks(12) + "W");
    EXPECT_EQ(project.lb_Instruments.at(1), "005050      TRIMBLE           TRIMBLE NETR9                 LONGSERIAL");
    EXPECT_EQ(project.header.ProjectStartDate, ""); // an existing project's header is never touched
}

// A new station passes over the SSNs the SERFIL keeps for other IDs, so that a later
// file of such a station does not land on it.
TEST_F(RinexImportTest, ANewStationDoesNotTakeAnSsnTheSerfilKeeps) {
    project.lb_SERFIL.assign({"0001   ABCD"});
    const auto plan = rinex_import::planImport(
        project, {write("xyzw.rnx", {.marker = "XYZW"}), write("abcd.rnx", {.marker = "ABCD"})}, {});
    EXPECT_EQ(plan.rows.at(0).ssn + plan.rows.at(1).ssn, "00020001");
    EXPECT_TRUE(plan.rows.at(0).newStation && plan.rows.at(1).newStation);
}

// Start and end months the user has given in the header of an unsaved project stay.
TEST_F(RinexImportTest, AHeaderTheUserHasEditedKeepsItsMonths) {
    project.header.ProjectStartDate = "202312";
    project.header.ProjectEndDate = "202402";
    project.newHeader = false;
    rinex_import::applyImport(project, rinex_import::planImport(project, {write(kLongName)}, {}));
    EXPECT_EQ(project.header.ProjectStartDate + project.header.ProjectEndDate, "202312202402");
}

TEST_F(RinexImportTest, TheSameFileTwiceChangesNothing) {
    const std::string path = write(kLongName);
    rinex_import::applyImport(project, rinex_import::planImport(project, {path}, {}));
    const std::string before = bfile();
    const auto again = rinex_import::planImport(project, {path, path}, {});
    for (const Row& row : again.rows) {
        EXPECT_EQ(lines(row), std::vector<std::string>{path + ": skipped: session 0001 2024-01-04 23:59 is already "
                                                              "in the project"});
    }
    EXPECT_EQ(rinex_import::applyImport(project, again), 0);
    EXPECT_EQ(bfile(), before);
}

TEST_F(RinexImportTest, RefusedFilesLeaveTheOthersImported) {
    writeMaybeCompressed(dir.path("brdc0050.24n"), navigationText());
    std::string truncated = observationText({});
    truncated.resize(truncated.find("END OF HEADER") - 70);
    writeMaybeCompressed(dir.path("cut.rnx.gz"), truncated);
    ObservationContent noEnd{.lastInHeader = false, .epochs = {}};
    const std::string hour = write("CEDA00USA_R_20240050000_01H_30S_MO.rnx", noEnd);
    const auto plan =
        rinex_import::planImport(project, {dir.path("brdc0050.24n"), hour, dir.path("cut.rnx.gz"), dir.path("")}, {});
    EXPECT_EQ(lines(plan.rows[0]), (std::vector<std::string>{"", dir.path("brdc0050.24n") +
                                                                     ": error: not an observation file (navigation)"}));
    EXPECT_EQ(lines(plan.rows[1])[0], hour + ": session 0001 R0044ACEDA 2024-01-04 23:59 - 2024-01-05 00:59 "
                                             "(station 0001 new, instrument 001 new, antenna 001 new)");
    EXPECT_EQ(lines(plan.rows[1])[1], hour + ": warning: no TIME OF LAST OBS and no last epoch in the data: the end "
                                             "follows from the file name");
    EXPECT_EQ(lines(plan.rows[2])[1],
              dir.path("cut.rnx.gz") + ": error: no END OF HEADER within the first 1,000 lines");
    EXPECT_EQ(lines(plan.rows[3])[1], dir.path("") + ": error: cannot be read: is a folder");
    EXPECT_EQ(rinex_import::applyImport(project, plan), 1);
}

TEST_F(RinexImportTest, ARowIsRefusedWhenNoKeyIsLeft) {
    project.lb_Instruments.append(fit("999050", 70));
    const std::string path = write(kLongName);
    const auto plan = rinex_import::planImport(project, {path}, {});
    EXPECT_EQ(lines(plan.rows[0]).back(), path + ": error: no JSIN is left for a new record");
    EXPECT_EQ(rinex_import::applyImport(project, plan), 0);
}

TEST_F(RinexImportTest, RowsArePlannedAgainAfterTheUserEditsThem) {
    const std::string morning = write("ceda005.rnx");
    const std::string evening = write("ceda005e.rnx", {.first = {2024, 1, 5, 18, 0, 0}});
    auto plan = rinex_import::planImport(project, {morning, evening}, {});
    EXPECT_EQ(plan.rows[0].mediaIdentifier + plan.rows[1].mediaIdentifier, "R0044ACEDAR0054ACEDA");
    EXPECT_EQ(plan.rows[0].antennaHeight, " 1.500");

    plan.rows[0].sessionLetter = "B";
    plan.rows[0].letterChosen = true;
    plan.rows[1].initials = "XY";
    plan.rows[1].cable = "12";
    plan.options.antexPath = antex();
    rinex_import::replan(project, plan);
    EXPECT_EQ(plan.rows[0].mediaIdentifier, "R0044BCEDA");
    EXPECT_EQ(plan.rows[0].antennaHeight, " 1.567");
    EXPECT_EQ(plan.rows[1].sessionLine.substr(30, 25), "0001R0054ACEDAXY 00112001");
    EXPECT_EQ(plan.rows[1].problems.size(), 1u); // the antenna code note only
}

TEST_F(RinexImportTest, TheImportIsOneUndoStepThatGivesTheFileBackByteForByte) {
    project.lb_Stations.append("0003  " + fit("OLD MARK", 30) + "  OLDM" + "0003" + fit("OLD MARK", 30) + blanks(36));
    project.restartHistory();
    const std::string before = bfile();
    const auto plan = rinex_import::planImport(project, {write(kLongName), write("moon005a.24o", {.marker = "MOON"})},
                                               {.antexPath = antex()});
    {
        UndoStep step(project, "Import RINEX (2 files)");
        EXPECT_EQ(rinex_import::applyImport(project, plan), 2);
    }
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(project.history.undoName(), "Import RINEX (2 files)");
    project.undo();
    EXPECT_EQ(bfile(), before);
    EXPECT_FALSE(project.isModified());
}

} // namespace
} // namespace ardel::testing
