// The B-file writer, checked on whole files built here record by record.
#include "bfile/BFileWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <vector>

namespace ardel {
namespace {

const std::string kBlanks70(70, ' ');

// Builds the expected file: each record numbered 10 more than the one before.
class ExpectedFile {
public:
    ExpectedFile& add(const std::string& code, const std::string& body) {
        return addWhole("*" + code + "*" + (body + kBlanks70).substr(0, 70));
    }
    // A record given whole after its number (74 columns), numbered here.
    ExpectedFile& addWhole(const std::string& afterNumber) {
        char number[16];
        std::snprintf(number, sizeof number, "%06d", sequence_ += 10);
        text_ += number + afterNumber + "\r\n";
        return *this;
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
    int sequence_ = 0;
};

std::string written(const Project& project) {
    std::ostringstream out;
    EXPECT_TRUE(writeBFile(project, out));
    return out.str();
}

void fillHeader(FormHeaderInfoFDXStruct& h) {
    h.CreationDate = "20240131";
    h.JobCode = "AB";
    h.SubmittingAgencyAbbreviation = "NGSAGY";
    h.SubmittingAgencyName = "National Agency";
    h.AssignedNumber = "123456";
    h.ProjectStartDate = "202401";
    h.ProjectEndDate = "202402";
    h.ChiefOfParty = "Jane Roe";
    h.ChiefOfPartyInitials = "JR";
    h.SecondChiefOfParty = "John Doe";
    h.SecondChiefOfPartyInitials = "JD";
    h.PrimaryStateOrCountry = "WA";
    h.OrderAndClass = "B1 - order B";
    h.DatumName = "NAD 83";
    h.EllipsoidName = "GRS 80";
    h.SemiMajorAxis = "6378137000";
    h.InverseFlattening = "2982572221";
    h.SemiMinorAxis = "6356752314";
    h.TypeOfSurvey = "H - horizontal";
}

// The records before the sessions for a one-line title "T".
ExpectedFile headerRecords(const std::string& title = "T") {
    ExpectedFile file;
    file.addWhole("*AB*HZTLOBS NGSAGYNational Agency                           12345620240131")
        .add("10", title)
        .add("12", "202401202402JR Jane Roe          JD John Doe                     HWAB1")
        .add("13", "NAD 83                  GRS 80          637813700029825722216356752314");
    return file;
}

class Writer : public ::testing::Test {
protected:
    Writer() {
        fillHeader(project.header);
        project.header.ProjectTitle = "T";
    }
    Project project;
};

TEST_F(Writer, EmptyProjectGivesExactlyFiveRecords) {
    ExpectedFile expected = headerRecords();
    expected.addWhole("*AB*" + kBlanks70);
    EXPECT_EQ(written(project), expected.text());
    EXPECT_EQ(countRecords(project), 5);
    // every record is 80 columns + CR LF
    EXPECT_EQ(written(project).size(), 5u * 82u);
    EXPECT_EQ(written(project).substr(4 * 82, 10), "000050*AB*");
}

TEST_F(Writer, TitleSplitsIntoOneStarTenAndAStarElevenPerFurtherLine) {
    const std::string line70(70, 'x');
    struct Case {
        std::string title;
        std::vector<std::string> lines; // the *10* body, then the *11* bodies
    };
    const std::vector<Case> cases = {
        {"", {""}},
        {"A", {"A"}},
        {"A\r\nB", {"A", "B"}},
        {"A\r\n", {"A", ""}},
        {"A\r\nB\r\nC", {"A", "B", "C"}},
        {line70, {line70}},
        {line70 + "y", {line70}},
        {"A\r\n" + line70 + "y", {"A", line70}},
    };
    for (const Case& c : cases) {
        project.header.ProjectTitle = c.title;
        ExpectedFile expected;
        expected.addWhole("*AB*HZTLOBS NGSAGYNational Agency                           12345620240131");
        expected.add("10", c.lines.front());
        for (std::size_t i = 1; i < c.lines.size(); ++i) {
            expected.add("11", c.lines[i]);
        }
        expected.add("12", "202401202402JR Jane Roe          JD John Doe                     HWAB1")
            .add("13", "NAD 83                  GRS 80          637813700029825722216356752314")
            .addWhole("*AB*" + kBlanks70);
        EXPECT_EQ(written(project), expected.text()) << "title \"" << c.title << "\"";
    }
}

TEST_F(Writer, HeaderFieldsAreCutToTheirColumns) {
    FormHeaderInfoFDXStruct& h = project.header;
    h.JobCode = "ABC";
    h.SubmittingAgencyAbbreviation = "ABCDEFGH";
    h.AssignedNumber = "1234567";
    h.CreationDate = "202401311";
    h.DatumName = std::string(30, 'D');
    const std::string out = written(project);
    EXPECT_EQ(out.substr(0, 82),
              "000010*AB*HZTLOBS ABCDEFNational Agency                           12345620240131\r\n");
    EXPECT_EQ(out.substr(3 * 82, 44), "000040*13*" + std::string(24, 'D') + "GRS 80    ");
}

TEST_F(Writer, FieldsKeepWhateverBytesTheyHold) {
    project.header.SubmittingAgencyAbbreviation = std::string("A\0B", 3);
    project.lb_Instruments.append(std::string("001\0\xE9", 5));
    const std::string out = written(project);
    EXPECT_EQ(out.substr(18, 6), std::string("A\0B   ", 6));
    EXPECT_EQ(out.substr(4 * 82, 82), "000050*70*" + (std::string("001\0\xE9", 5) + kBlanks70).substr(0, 70) + "\r\n");
}

SessionWorkArea session(const std::string& part25, const std::vector<std::string>& comments,
                        const std::vector<std::string>& occupations) {
    SessionWorkArea s;
    s.part25 = part25;
    for (std::size_t i = 0; i < comments.size(); ++i) {
        s.comments += (i ? "\r\n" : "") + comments[i];
    }
    for (const std::string& entry : occupations) {
        s.occupations += entry;
    }
    s.commentCount = static_cast<int>(comments.size());
    s.occupationCount = static_cast<int>(occupations.size());
    return s;
}

void addSession(Project& project, const SessionWorkArea& s) {
    const std::string packed = packSession(s);
    project.lb_Sessions.append(buildSessionLine(unpackSession(packed), packed));
}

TEST_F(Writer, SessionsGiveStarTwentyFiveTheirCommentsAndOccupations) {
    const std::string part = "00051230ABCDJRX001  02003";
    const std::string comment1(70, 'c');
    const std::string comment2 = "second comment" + std::string(56, ' ');
    const std::string entry1 = "2401151230" + std::string(31, '1');
    const std::string entry2 = "2401151330" + std::string(31, '2');
    const std::string entry3 = "2401161430" + std::string(31, '3');
    addSession(project, session(part, {comment1, comment2}, {entry1, entry2, entry3}));
    addSession(project, session("00061230WXYZJRX001  02003", {}, {entry1}));
    // a comment line of 71 characters loses its last one
    const std::string comment71 = std::string(70, 'd') + "e";
    addSession(project, session("00071230PQRSJRX001  02003", {comment71, std::string(69, 'f')}, {}));

    ExpectedFile expected = headerRecords();
    expected.add("25", part)
        .add("26", comment1)
        .add("26", comment2)
        .add("27", "0005" + entry1)
        .add("27", "0005" + entry2)
        .add("27", "0005" + entry3)
        .add("25", "00061230WXYZJRX001  02003")
        .add("27", "0006" + entry1)
        .add("25", "00071230PQRSJRX001  02003")
        .add("26", std::string(70, 'd'))
        .add("26", std::string(69, 'f'))
        .addWhole("*AB*" + kBlanks70);
    EXPECT_EQ(written(project), expected.text());
    EXPECT_EQ(countRecords(project), 16);
}

TEST_F(Writer, EquipmentStationsHeightsAndFixedRecordsFollowInTheirOrder) {
    const std::string instrument = "001 TRIMBLE 4000SSI          12345";
    const std::string antenna = "001   TRM22020.00+GP        S123";
    const std::string station1 = "0001FIRST STATION                    rest of 0001";
    const std::string station2 = "0002SECOND STATION                   rest of 0002";
    const std::string station3 = "0003THIRD STATION                    rest of 0003";
    project.lb_Instruments.append(instrument);
    project.lb_Antennas.append(antenna);
    project.lb_Stations.append(buildStationLine(station1, "ABCD"));
    project.lb_Stations.append(buildStationLine(station2, "    "));
    project.lb_Stations.append(buildStationLine(station3, "WXYZ"));
    project.lb_86.append("0003 heights of 3");
    project.lb_86.append("0001 heights of 1");
    project.lb_86.append("0001 second heights of 1 never written");
    project.lb_90.append("0003 fixed 3");
    project.lb_90.append("0001 fixed 1");

    ExpectedFile expected = headerRecords();
    expected.add("70", instrument)
        .add("72", antenna)
        .add("80", station1)
        .add("86", "0001 heights of 1")
        .add("80", station2)
        .add("80", station3)
        .add("86", "0003 heights of 3")
        .add("90", "0003 fixed 3")
        .add("90", "0001 fixed 1")
        .addWhole("*AB*" + kBlanks70);
    EXPECT_EQ(written(project), expected.text());
}

TEST_F(Writer, RefusesAProjectBeyondTheLastSequenceNumber) {
    struct Case {
        int instruments;
        long records;
        bool written;
    };
    // 5 records besides the instruments; the 99,999th record is numbered 999990
    for (const Case& c : {Case{99994, 99999, true}, Case{99995, 100000, false}, Case{100000, 100005, false}}) {
        project.lb_Instruments.assign(std::vector<std::string>(static_cast<std::size_t>(c.instruments), "001"));
        EXPECT_EQ(countRecords(project), c.records);
        std::ostringstream out;
        EXPECT_EQ(writeBFile(project, out), c.written) << c.instruments;
        if (c.written) {
            EXPECT_EQ(out.str().substr(out.str().size() - 82, 10), "999990*AB*");
        } else {
            EXPECT_EQ(out.str(), "");
        }
    }
    EXPECT_EQ(tooManyRecordsMessage(100005), "This project needs 100005 records, but a B-file holds at most 99999\n"
                                             "(sequence numbers end at 999990). Nothing was written.");
}

TEST_F(Writer, ReportsAStreamThatFails) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_FALSE(writeBFile(project, out));
}

} // namespace
} // namespace ardel
