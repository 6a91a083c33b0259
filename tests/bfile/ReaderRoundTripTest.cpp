// The reader reads what the writer writes: a written project reads back store line for
// store line, and a file read in any order is written in the writer's order.
#include "bfile/BFileWriter.h"
#include "bfile/ReaderFixture.h"

#include <sstream>

namespace ardel {
namespace {

using testing::occupation;
using testing::part25;
using testing::record;
using testing::stationBody;

std::string written(const Project& project) {
    std::ostringstream out;
    EXPECT_TRUE(writeBFile(project, out));
    return out.str();
}

void addSession(Project& project, const std::string& part, const std::vector<std::string>& comments,
                const std::vector<std::string>& occupations) {
    SessionWorkArea session;
    session.part25 = part;
    for (const std::string& comment : comments) {
        session.comments += (session.commentCount++ > 0 ? "\r\n" : "") + fit(comment, 70);
    }
    for (const std::string& entry : occupations) {
        session.occupations += entry;
        ++session.occupationCount;
    }
    const std::string packed = packSession(session);
    project.lb_Sessions.append(buildSessionLine(session, packed));
}

// Every header field at its full width, as a read gives it back.
FormHeaderInfoFDXStruct fullHeader() {
    FormHeaderInfoFDXStruct h;
    h.CreationDate = "20240131";
    h.JobCode = "AB";
    h.SubmittingAgencyAbbreviation = "NGSAGY";
    h.SubmittingAgencyName = fit("National Agency", 42);
    h.AssignedNumber = "123456";
    h.ProjectTitle = fit("A PROJECT", 70) + "\r\n" + fit("ITS SECOND LINE", 70);
    h.ProjectStartDate = "202401";
    h.ProjectEndDate = "202402";
    h.ChiefOfParty = fit("Jane Roe", 18);
    h.ChiefOfPartyInitials = "JRX";
    h.SecondChiefOfParty = fit("John Doe", 18);
    h.SecondChiefOfPartyInitials = "JDX";
    h.PrimaryStateOrCountry = "WA";
    h.OrderAndClass = "B1";
    h.DatumName = fit("NAD 83", 24);
    h.EllipsoidName = fit("GRS 80", 16);
    h.SemiMajorAxis = "6378137000";
    h.InverseFlattening = "2982572220";
    h.SemiMinorAxis = "6356752314";
    h.TypeOfSurvey = "4";
    return h;
}

class ReaderRoundTrip : public testing::ReaderTest {};

TEST_F(ReaderRoundTrip, AWrittenProjectReadsBackLineForLine) {
    Project original;
    original.header = fullHeader();
    addSession(original, part25("0005", "ABCD", "001", "002"), {"FIRST COMMENT", "SECOND COMMENT"},
               {occupation("2401311200"), occupation("2401311400")});
    addSession(original, part25("0005", "ABCD", "002", "001"), {}, {occupation("2402010800")});
    addSession(original, part25("0007", "    ", "001", "001"), {"ONLY A COMMENT"}, {});
    original.lb_Instruments.append(fit("001 RECEIVER ONE", 70));
    original.lb_Instruments.append(fit("002 RECEIVER TWO", 70));
    original.lb_Antennas.append(fit("002   ANTENNA TWO", 70));
    original.lb_Antennas.append(fit("001   ANTENNA ONE", 70));
    original.lb_Stations.append(buildStationLine(stationBody("0007", "SEVEN"), ""));
    original.lb_Stations.append(buildStationLine(stationBody("0005", "FIVE"), "ABCD"));
    original.lb_Stations.append(buildStationLine(stationBody("0009", "NINE"), ""));
    original.lb_86.append(fit("0007 HEIGHTS", 70)); // in station order, as the writer places them
    original.lb_86.append(fit("0009 HEIGHTS", 70));
    original.lb_90.append(fit("0009 FIXED", 70));
    original.lb_90.append(fit("0005 FIXED", 70));

    const std::string file = written(original);
    EXPECT_EQ(readBytes(file), ReadOutcome::Completed);
    EXPECT_EQ(project.header, original.header);
    const std::pair<const char*, TextStore Project::*> stores[] = {
        {"sessions", &Project::lb_Sessions}, {"instruments", &Project::lb_Instruments},
        {"antennas", &Project::lb_Antennas}, {"stations", &Project::lb_Stations},
        {"heights", &Project::lb_86},        {"fixed", &Project::lb_90},
    };
    for (const auto& [name, store] : stores) {
        EXPECT_EQ((project.*store).lines(), (original.*store).lines()) << name;
    }
    EXPECT_EQ(written(project), file);

    Project fromMemory;
    loadConversionTable(fromMemory.lb_J2M);
    EXPECT_EQ(readBFileBytes(fromMemory, file, toolkit, warning, false), ReadOutcome::Completed);
    EXPECT_EQ(written(fromMemory), file);
}

TEST_F(ReaderRoundTrip, AFileInAnyOrderIsWrittenInTheWritersOrderWithFreshNumbers) {
    const std::string session = part25("0005", "ABCD", "001", "002");
    toolkit.expectMessage("Warning", testing::kOldAntennasNotice);
    EXPECT_EQ(read({
                  record("AB", "HZTLOBS NGSAGY", 990),
                  record("80", stationBody("0005", "FIVE"), 7),
                  record("86", "0005 HEIGHTS", 7),
                  record("90", "0005 FIXED", 0),
                  record("72", "002   ANTENNA", 123456),
                  record("25", session, 5),
                  record("27", "0005" + occupation("2401311200"), 5),
                  record("13", "NAD 83", 1),
                  record("12", "202401", 1),
                  record("71", "001TRM 4800        SERIAL", 3),
                  record("70", "001 RECEIVER", 2),
                  record("10", "TITLE", 1),
              }),
              ReadOutcome::Completed);
    std::string expected;
    int sequence = 0;
    const auto add = [&](const std::string& code, const std::string& body) {
        expected += record(code, body, sequence += 10) + "\r\n";
    };
    add("AB", "HZTLOBS NGSAGY");
    add("10", "TITLE");
    add("12", "202401");
    add("13", "NAD 83");
    add("25", session);
    add("27", "0005" + occupation("2401311200"));
    add("70", "001 RECEIVER");
    add("72", "002   ANTENNA");
    add("72", "001   TRM4800" + std::string(21, ' ') + "SERIAL");
    add("80", stationBody("0005", "FIVE"));
    add("86", "0005 HEIGHTS");
    add("90", "0005 FIXED");
    add("AB", "");
    EXPECT_EQ(written(project), expected);
}

// The last record carries the job code where a record code goes: a job code that is
// also a record code must not read the closing record as a title, session or height.
TEST_F(ReaderRoundTrip, AJobCodeThatIsARecordCodeStillReadsBackWhole) {
    Project original;
    original.header.ProjectTitle = "TITLE";
    addSession(original, part25("0005", "ABCD"), {"A COMMENT"}, {occupation("2401311200")});
    original.lb_Instruments.append(fit("001 RECEIVER", 70));
    original.lb_Antennas.append(fit("001   ANTENNA", 70));
    original.lb_Stations.append(buildStationLine(stationBody("0005", "FIVE"), "ABCD"));
    original.lb_86.append(fit("0005 HEIGHTS", 70));
    original.lb_90.append(fit("0005 FIXED", 70));
    Project sessionLast; // a file whose closing record follows a session's occupations
    addSession(sessionLast, part25("0005", "ABCD"), {"A COMMENT"}, {occupation("2401311200")});

    for (const char* jobCode : {"10", "11", "12", "13", "25", "26", "27", "70", "71", "72", "80", "86", "90"}) {
        for (Project* source : {&original, &sessionLast}) {
            source->header.JobCode = jobCode;
            clearProject();
            warning.setSuppressed(true);
            const std::string file = written(*source);
            EXPECT_EQ(readBytes(file), ReadOutcome::Completed) << jobCode;
            EXPECT_EQ(fit(project.header.ProjectTitle, 70), fit(source->header.ProjectTitle, 70)) << jobCode;
            EXPECT_EQ(project.lb_Sessions.lines(), source->lb_Sessions.lines()) << jobCode;
            EXPECT_EQ(written(project), file) << jobCode;
        }
    }
}

} // namespace
} // namespace ardel
