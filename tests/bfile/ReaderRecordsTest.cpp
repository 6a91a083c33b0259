// The B-file reader record by record: header, sessions, equipment, stations, the
// *71* conversion, duplicates in both modes, and the errors that stop a read.
#include "bfile/ReaderFixture.h"

namespace ardel {
namespace {

using testing::occupation;
using testing::part25;
using testing::record;
using testing::stationBody;
using ui::Icon;

const std::string kHeaderLine = record("AB", "HZTLOBS NGSAGY" + fit("National Agency", 42) + "12345620240131");
const std::string k12 = record("12", "202401202402JRX" + fit("Jane Roe", 18) + "JDX" + fit("John Doe", 18) +
                                         std::string(11, ' ') + "4WAB1");
const std::string k13 = record("13", fit("NAD 83", 24) + fit("GRS 80", 16) + "63781370002982572220" + "6356752314");

// SSN, DATE and TIME of the first occupation entry, 4-character ID.
std::string sessionPrefix(const std::string& ssn, const std::string& date, const std::string& time,
                          const std::string& id) {
    return ssn + "  " + fit(date, 6) + "  " + fit(time, 4) + "  " + id + "      ";
}

class ReaderRecords : public testing::ReaderTest {};

TEST_F(ReaderRecords, OpenReadsAWholeFileInTheWritersOrder) {
    const std::string part = part25("0005", "ABCD", "001", "002");
    const ReadOutcome outcome = read({
        kHeaderLine,
        record("10", "FIRST TITLE LINE"),
        record("11", "SECOND"),
        k12,
        k13,
        record("25", part),
        record("26", "COMMENT ONE"),
        record("26", "COMMENT TWO"),
        record("27", "0005" + occupation("2401311200")),
        record("27", "0005" + occupation("2401311400")),
        record("70", "001 RECEIVER"),
        record("72", "002   ANTENNA"),
        record("80", stationBody("0005", "STATION FIVE")),
        record("86", "0005 HEIGHTS"),
        record("80", stationBody("0007", "STATION SEVEN")),
        record("90", "0007 FIXED"),
        record("AB", ""),
    });
    EXPECT_EQ(outcome, ReadOutcome::Completed);

    const FormHeaderInfoFDXStruct& h = project.header;
    EXPECT_EQ(h.JobCode, "AB");
    EXPECT_EQ(h.SubmittingAgencyAbbreviation, "NGSAGY");
    EXPECT_EQ(h.SubmittingAgencyName, fit("National Agency", 42));
    EXPECT_EQ(h.AssignedNumber, "123456");
    EXPECT_EQ(h.CreationDate, "20240131");
    EXPECT_EQ(h.ProjectTitle, fit("FIRST TITLE LINE", 70) + "\r\n" + fit("SECOND", 70));
    EXPECT_EQ(h.ProjectStartDate, "202401");
    EXPECT_EQ(h.ProjectEndDate, "202402");
    EXPECT_EQ(h.ChiefOfPartyInitials, "JRX");
    EXPECT_EQ(h.ChiefOfParty, fit("Jane Roe", 18));
    EXPECT_EQ(h.SecondChiefOfPartyInitials, "JDX");
    EXPECT_EQ(h.SecondChiefOfParty, fit("John Doe", 18));
    EXPECT_EQ(h.TypeOfSurvey, "4");
    EXPECT_EQ(h.PrimaryStateOrCountry, "WA");
    EXPECT_EQ(h.OrderAndClass, "B1");
    EXPECT_EQ(h.DatumName, fit("NAD 83", 24));
    EXPECT_EQ(h.EllipsoidName, fit("GRS 80", 16));
    EXPECT_EQ(h.SemiMajorAxis, "6378137000");
    EXPECT_EQ(h.InverseFlattening, "2982572220");
    EXPECT_EQ(h.SemiMinorAxis, "6356752314");
    EXPECT_EQ(headerShown, 3); // the first line, *10* and *11*
    EXPECT_FALSE(project.newHeader);
    EXPECT_EQ(toolkit.settingsStore.values["InputFile"], project.fileName);

    ASSERT_EQ(project.lb_Sessions.count(), 1);
    EXPECT_EQ(project.lb_Sessions.at(0), sessionPrefix("0005", "240131", "1200", "ABCD") + part + "00020002" +
                                             fit("COMMENT ONE", 70) + "\r\n" + fit("COMMENT TWO", 70) +
                                             occupation("2401311200") + occupation("2401311400"));
    EXPECT_EQ(project.lb_Instruments.lines(), std::vector<std::string>{fit("001 RECEIVER", 70)});
    EXPECT_EQ(project.lb_Antennas.lines(), std::vector<std::string>{fit("002   ANTENNA", 70)});
    // Station 0005 takes the ID its session names; 0007 has no session and keeps blanks.
    EXPECT_EQ(
        project.lb_Stations.lines(),
        (std::vector<std::string>{fit("0005  STATION FIVE", 38) + "ABCD" + stationBody("0005", "STATION FIVE"),
                                  fit("0007  STATION SEVEN", 38) + "    " + stationBody("0007", "STATION SEVEN")}));
    EXPECT_EQ(project.lb_86.lines(), std::vector<std::string>{fit("0005 HEIGHTS", 70)});
    EXPECT_EQ(project.lb_90.lines(), std::vector<std::string>{fit("0007 FIXED", 70)});
}

TEST_F(ReaderRecords, TheFirstLineIsTheHeaderWhateverItsCodeAndMergingDropsIt) {
    const std::string first = record("80", stationBody("0001", "FIRST STATION"));
    EXPECT_EQ(read({first, record("80", stationBody("0002", "SECOND"))}), ReadOutcome::Completed);
    EXPECT_EQ(project.header.JobCode, "80");
    EXPECT_EQ(project.header.SubmittingAgencyAbbreviation, first.substr(18, 6));
    EXPECT_EQ(project.header.SubmittingAgencyName, first.substr(24, 42));
    EXPECT_EQ(project.header.CreationDate, first.substr(72, 8));
    ASSERT_EQ(project.lb_Stations.count(), 1); // the first line's own record is not read
    EXPECT_EQ(project.lb_Stations.at(0).substr(0, 4), "0002");

    // Merging keeps the header in memory and skips the first line and *10* to *13*.
    const FormHeaderInfoFDXStruct before = project.header;
    project.newHeader = true;
    headerShown = 0;
    EXPECT_EQ(
        read({kHeaderLine, record("10", "OTHER TITLE"), k12, k13, record("80", stationBody("0003", "THIRD"))}, true),
        ReadOutcome::Completed);
    EXPECT_EQ(project.header, before);
    EXPECT_EQ(headerShown, 0);
    EXPECT_FALSE(project.newHeader);
    EXPECT_EQ(project.lb_Stations.count(), 2);
}

TEST_F(ReaderRecords, SessionsTakeTheCommentsAndOccupationsThatFollowTheirStar25) {
    warning.setSuppressed(true); // the sessions name no station: the checks are tested elsewhere
    const std::string lone = part25("0009", "WXYZ");
    const std::string second = part25("0009", "WXYZ", "002", "003");
    const std::string last = part25("0010", "    ");
    EXPECT_EQ(read({
                  kHeaderLine,
                  record("26", "STRAY COMMENT"),                   // no *25* before it: passed over
                  record("27", "0009" + occupation("2401010000")), // passed over
                  record("25", lone),
                  record("70", "001 DIRECTLY AFTER A SESSION"),
                  record("25", second),
                  record("25", lone),
                  record("10", "THE TITLE"), // the line ending a session is read as any other
                  record("13", "DATUM"),
                  record("25", last),
                  record("27", "0010" + occupation("2402020202")),
              }),
              ReadOutcome::Completed);
    const std::string empty = "00000000";
    EXPECT_EQ(project.lb_Sessions.lines(),
              (std::vector<std::string>{sessionPrefix("0009", "", "", "WXYZ") + lone + empty,
                                        sessionPrefix("0009", "", "", "WXYZ") + second + empty,
                                        sessionPrefix("0009", "", "", "WXYZ") + lone + empty,
                                        sessionPrefix("0010", "240202", "0202", "    ") + last + "00000001" +
                                            occupation("2402020202")}));
    EXPECT_EQ(project.lb_Instruments.lines(), std::vector<std::string>{fit("001 DIRECTLY AFTER A SESSION", 70)});
    EXPECT_EQ(project.header.ProjectTitle, fit("THE TITLE", 70));
    EXPECT_EQ(project.header.DatumName, fit("DATUM", 24));
}

TEST_F(ReaderRecords, TheConversionTableHasItsSeventySixRowsInOrder) {
    const std::vector<std::string>& rows = project.lb_J2M.lines();
    ASSERT_EQ(rows.size(), 76u);
    for (const std::string& row : rows) {
        EXPECT_EQ(row.size(), 38u) << row;
        EXPECT_EQ(row[16], ' ') << row;
    }
    const std::pair<int, std::string> samples[] = {
        {0, "AOA D/M+crB      AOAD/M_B             "},
        {36, "LEI AT303+rd     LEIAT303        LEIC "},
        {75, "TRM 4800         TRM4800              "},
    };
    for (const auto& [index, row] : samples) {
        EXPECT_EQ(rows[static_cast<std::size_t>(index)], row) << "row " << index + 1;
    }
}

// JSAN(3) 3 blanks code(20) 8 blanks serial(20) 16 blanks.
std::string convertedBody(const std::string& jsan, const std::string& code, const std::string& serial) {
    return jsan + "   " + fit(code, 20) + std::string(8, ' ') + fit(serial, 20) + std::string(16, ' ');
}

// *71*: JSAN at 10, old code at 13 (16 columns), serial number at 29 (12 columns).
std::string oldAntenna(const std::string& jsan, const std::string& oldCode, const std::string& serial) {
    return record("71", jsan + fit(oldCode, 16) + fit(serial, 12) + "IGNORED COLUMNS");
}

TEST_F(ReaderRecords, OldAntennaRecordsAreConvertedWithTheWholeSixteenCharacterCode) {
    const std::string duplicate = oldAntenna("001", "TRM 4800", "SERIAL-DUP");
    toolkit.expectMessage("Duplicate Found", testing::duplicateText("71", "001", duplicate));
    toolkit.expectMessage("Warning", testing::kOldAntennasNotice);
    EXPECT_EQ(read({kHeaderLine, oldAntenna("001", "ASH 700936.A", "SN12345678AB"),
                    oldAntenna("002", "ASH 700936.A-rd", "SN2"), oldAntenna("003", "ash 700936.a", "LOWER"),
                    oldAntenna("004", "ASH 700936", "SHORTER"), oldAntenna("005", "TRM", "T"), duplicate,
                    oldAntenna("006", "UNKNOWN CODE", "U")}),
              ReadOutcome::Completed);
    EXPECT_EQ(project.lb_Antennas.lines(), (std::vector<std::string>{
                                               convertedBody("001", "ASH700936A_M    SNOW", "SN12345678AB"),
                                               convertedBody("002", "ASH700936A_M", "SN2"),
                                               convertedBody("003", "ASH700936A_M    SNOW", "LOWER"),
                                               convertedBody("004", "", "SHORTER"),
                                               convertedBody("005", "TRM_OTHER", "T"),
                                               convertedBody("006", "", "U"),
                                           }));
    EXPECT_EQ(toolkit.lastIcon(), Icon::Warning);
}

TEST_F(ReaderRecords, OpenReportsEachDuplicateAndDropsIt) {
    const std::vector<std::string> records = {
        record("70", "001 FIRST"),  record("72", "002   FIRST"), record("80", stationBody("0005", "FIRST")),
        record("86", "0005 FIRST"), record("90", "0005 FIRST"),
    };
    const std::vector<std::string> repeated = {
        record("70", "001 SECOND"),   record("71", "002ASH 700228.A    SN"),
        record("72", "002   SECOND"), record("80", stationBody("0005", "SECOND")),
        record("86", "0005 SECOND"),  record("90", "0005 SECOND"),
    };
    std::vector<std::string> file = {kHeaderLine};
    file.insert(file.end(), records.begin(), records.end());
    file.insert(file.end(), repeated.begin(), repeated.end());

    const char* kinds[] = {"70", "71", "72", "80", "86", "90"};
    const char* keys[] = {"001", "002", "002", "0005", "0005", "0005"};
    for (std::size_t i = 0; i < repeated.size(); ++i) {
        toolkit.expectMessage("Duplicate Found", testing::duplicateText(kinds[i], keys[i], repeated[i]));
    }
    toolkit.expectMessage("Warning", testing::kOldAntennasNotice);
    EXPECT_EQ(read(file), ReadOutcome::Completed);
    EXPECT_EQ(project.lb_Instruments.lines(), std::vector<std::string>{fit("001 FIRST", 70)});
    EXPECT_EQ(project.lb_Antennas.lines(), std::vector<std::string>{fit("002   FIRST", 70)});
    EXPECT_EQ(project.lb_Stations.count(), 1);
    EXPECT_EQ(project.lb_86.lines(), std::vector<std::string>{fit("0005 FIRST", 70)});
    EXPECT_EQ(project.lb_90.lines(), std::vector<std::string>{fit("0005 FIRST", 70)});

    // Merging drops the same records without a word, against memory and earlier lines;
    // sessions are never duplicates. Keys are compared ignoring letter case.
    const std::string session = part25("0005", "    ", "001", "002");
    EXPECT_EQ(read({kHeaderLine, record("80", stationBody("0006", "NEW")), record("80", stationBody("0006", "AGAIN")),
                    record("70", "001 MERGED"), record("25", session), record("25", session),
                    record("72", "00A   LOWER"), record("72", "00a   UPPER")},
                   true),
              ReadOutcome::Completed);
    EXPECT_EQ(project.lb_Instruments.count(), 1);
    EXPECT_EQ(project.lb_Antennas.count(), 2);
    EXPECT_EQ(project.lb_Stations.count(), 2);
    EXPECT_EQ(project.lb_Stations.at(1).substr(6, 5), "NEW  ");
    EXPECT_EQ(project.lb_Sessions.count(), 2);

    const std::string again = record("70", "001 AGAIN");
    toolkit.expectMessage("Duplicate Found", testing::duplicateText("70", "001", again));
    EXPECT_EQ(read({kHeaderLine, again}), ReadOutcome::Completed);
    EXPECT_EQ(toolkit.lastIcon(), Icon::Warning);
}

TEST_F(ReaderRecords, AnErrorStopsTheReadAndKeepsWhatWasReadBeforeIt) {
    struct Case {
        const char* what;
        std::string badLine;
        std::string message;
    };
    const std::string mismatch = record("27", "0098" + occupation("2401010101"));
    const std::string orphan86 = record("86", "0077 HEIGHTS");
    const std::string orphan90 = record("90", "0077 FIXED");
    const Case cases[] = {
        {"*27* of another station", mismatch,
         "Error retrieving old\n                    B-file. Station serial numbers in a set must match. \n"
         "                    " +
             mismatch},
        {"*86* before any *80*", orphan86,
         "*86* record found in input without corresponding *80* record\n               " + orphan86 + "\n"},
        {"*90* before any *80*", orphan90,
         "*90* record found in input without corresponding *80* record\n               " + orphan90 + "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearProject();
        toolkit.expectMessage("Error", c.message);
        // The *71* read before the error is in the stores, so its notice still follows.
        toolkit.expectMessage("Warning", testing::kOldAntennasNotice);
        const std::string session = part25("0005", "ABCD", "009", "009"); // dangling references: never checked
        const ReadOutcome outcome = read({
            kHeaderLine,
            record("80", stationBody("0005", "KEPT")),
            record("25", session),
            record("71", "001TRM 4800        SN"),
            record("25", part25("0099", "WXYZ")),
            record("27", "0099" + occupation("2401010000")),
            c.badLine,
            record("70", "001 NEVER READ"),
        });
        EXPECT_EQ(outcome, ReadOutcome::Stopped);
        EXPECT_EQ(toolkit.lastIcon(), Icon::Warning);
        EXPECT_EQ(project.header.JobCode, "AB");
        EXPECT_FALSE(project.newHeader); // the header did come from the file
        EXPECT_EQ(project.lb_Stations.count(), 1);
        EXPECT_EQ(project.lb_Stations.at(0).substr(38, 4), "    "); // IDs are not attached after an error
        EXPECT_EQ(project.lb_Antennas.count(), 1);
        EXPECT_TRUE(project.lb_Instruments.empty());
        // The session being read when the *27* error came is not added; the one before it is.
        EXPECT_EQ(project.lb_Sessions.count(), c.badLine == mismatch ? 1 : 2);
    }
    clearProject();
    toolkit.expectMessage("Error", cases[1].message);
    EXPECT_EQ(read({kHeaderLine, orphan86}), ReadOutcome::Stopped);
    EXPECT_EQ(toolkit.lastIcon(), Icon::Stop);
}

TEST_F(ReaderRecords, AMissingFileIsReportedAfterRecordingItsName) {
    project.fileName = dir.path("missing.bfl");
    project.lb_Stations.append(fit("0001", 112));
    toolkit.expectMessage("Error", "The Input File Does Not Exist");
    EXPECT_EQ(readBFile(project, toolkit, warning, false), ReadOutcome::FileMissing);
    EXPECT_EQ(toolkit.lastIcon(), Icon::Stop);
    EXPECT_EQ(toolkit.settingsStore.values["InputFile"], project.fileName);
    EXPECT_EQ(project.lb_Stations.count(), 1);
    EXPECT_TRUE(project.newHeader);

    // A folder of that name exists but is no file to read.
    project.fileName = dir.path("");
    toolkit.expectMessage("Error", "The Input File Cannot Be Read");
    EXPECT_EQ(readBFile(project, toolkit, warning, false), ReadOutcome::Unreadable);
    EXPECT_TRUE(project.newHeader);
}

TEST_F(ReaderRecords, ReadsAnyLineEndsAndSurvivesBinaryBytes) {
    const std::string station = record("80", stationBody("0005", "STATION"));
    EXPECT_EQ(readBytes(kHeaderLine + "\n" + station.substr(0, 30)), ReadOutcome::Completed); // LF, no final break
    EXPECT_EQ(project.lb_Stations.at(0), buildStationLine(fit(stationBody("0005", "STATION").substr(0, 20), 70), ""));

    clearProject();
    const char junkBytes[] = "\0\xff*80*\r\r\n\n\x01\x02 000010*70*\0\0\0 *25*\n";
    const std::string junk(junkBytes, sizeof junkBytes - 1);
    EXPECT_EQ(readBytes(junk + station + "xxxxxxxx\r\n" + std::string(1000, '\0')), ReadOutcome::Completed);
    EXPECT_EQ(project.lb_Stations.count(), 1);

    clearProject();
    EXPECT_EQ(readBytes(""), ReadOutcome::Completed);
    EXPECT_EQ(project.header, FormHeaderInfoFDXStruct{});
    EXPECT_FALSE(project.newHeader);
}

} // namespace
} // namespace ardel
