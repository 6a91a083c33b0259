// The line layouts of the stores and the document variables, checked on whole lines.
#include "model/Project.h"

#include <gtest/gtest.h>

namespace ardel {
namespace {

const std::string kCrLf = "\r\n";

std::string stationBody(const std::string& ssn, const std::string& name) {
    return fit(ssn + fit(name, 30) + "rest of the station record", 70);
}

TEST(Lines, StationLineShowsSsnNameAndIdBeforeTheBody) {
    const std::string body = stationBody("0012", "MEADOW");
    const std::string withId = buildStationLine(body, "MDW1");
    EXPECT_EQ(withId, "0012  " + fit("MEADOW", 30) + "  MDW1" + body);
    EXPECT_EQ(withId.size(), 112u);

    // Without an ID the gap is 4 blanks and the body still begins at 42.
    const std::string withoutId = buildStationLine(body, "");
    EXPECT_EQ(withoutId.substr(36, 6), std::string(6, ' '));
    EXPECT_EQ(withoutId.substr(station_line::kBody), body);
    EXPECT_EQ(withoutId.size(), 112u);
}

TEST(Lines, SessionPacksItsCountsCommentsAndOccupations) {
    const std::string part = "0012MEDIA0MDW1JRX001  02003";
    const std::string entry1 = "2401151230" + std::string(31, '1');
    const std::string entry2 = "2401161330" + std::string(31, '2');
    SessionWorkArea session;
    session.part25 = part.substr(0, 25);
    session.comments = std::string(70, 'a') + kCrLf + std::string(70, 'b') + kCrLf + std::string(70, 'c');
    session.commentCount = 3;
    session.occupations = entry1 + entry2;
    session.occupationCount = 2;

    const std::string packed = packSession(session);
    EXPECT_EQ(packed, session.part25 + "00030002" + session.comments + entry1 + entry2);
    EXPECT_EQ(session.comments.size(), 214u); // CR LF after the first and second line only

    const SessionWorkArea back = unpackSession(packed);
    EXPECT_EQ(back.part25, session.part25);
    EXPECT_EQ(back.commentCount, 3);
    EXPECT_EQ(back.occupationCount, 2);
    EXPECT_EQ(back.comments, session.comments);
    EXPECT_EQ(back.occupations, entry1 + entry2);
    EXPECT_EQ(back.occupation(1), entry2);

    const std::string line = buildSessionLine(back, packed);
    EXPECT_EQ(line, "0012  240115  1230  MDW1      " + packed);
    EXPECT_EQ(packedOf(line), packed);
}

TEST(Lines, SessionWithoutCommentsOrOccupationsKeepsItsColumns) {
    SessionWorkArea session;
    session.part25 = "0007MEDIA0ABCD"; // shorter than 25: right-justified
    session.occupations = "2401151230" + std::string(31, '1');
    session.occupationCount = 1;
    std::string packed = packSession(session);
    EXPECT_EQ(packed, std::string(11, ' ') + "0007MEDIA0ABCD" + "00000001" + session.occupations);

    // No occupation entries: DATE and TIME are blank and the prefix stays 30 wide.
    session.part25 = "0007MEDIA0ABCDJRX001  02003";
    session.occupations.clear();
    session.occupationCount = 0;
    packed = packSession(session);
    const std::string line = buildSessionLine(unpackSession(packed), packed);
    EXPECT_EQ(line.substr(0, session_line::kPrefixWidth), "0007" + std::string(16, ' ') + "ABCD      ");
    EXPECT_EQ(packedOf(line), packed);
}

TEST(Lines, KeysAreReadAndWrittenAsTheCLibraryDoes) {
    EXPECT_EQ(zeroFill(7, 4), "0007");
    EXPECT_EQ(zeroFill(12, 3), "012");
    EXPECT_EQ(leadingInt("  0042AB"), 42);
    EXPECT_EQ(leadingInt("-12"), -12);
    EXPECT_EQ(leadingInt("ABCD"), 0);
    EXPECT_EQ(leadingInt(""), 0);
}

TEST(Project, TitleFollowsTheFileNameAndTheModifiedFlag) {
    Project project;
    std::vector<std::string> titles;
    project.titleChanged = [&](const std::string& title) { titles.push_back(title); };
    EXPECT_EQ(project.title(), "Ardel - Create B- File [unnamed file][unmodified]");
    EXPECT_FALSE(project.isModified());
    EXPECT_TRUE(project.newHeader);

    project.fileName = "/survey/job.bfl";
    project.markModified();
    EXPECT_TRUE(project.isModified());
    project.markWritten();
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(titles, (std::vector<std::string>{"Ardel - Create B-File [/survey/job.bfl][modified]",
                                                "Ardel - Create B-File [/survey/job.bfl][unmodified]"}));
}

TEST(Project, ClearingEmptiesTheProjectButKeepsTheRunWideStores) {
    Project project;
    project.header.JobCode = "AB";
    project.fileName = "/survey/job.bfl";
    project.newHeader = false;
    project.lb_Stations.append(buildStationLine(stationBody("0001", "ONE"), "ABCD"));
    project.lb_Instruments.append("001");
    project.lb_Antennas.append("001");
    project.lb_Sessions.append("0001");
    project.lb_86.append("0001");
    project.lb_90.append("0001");
    project.lb_SERFIL.append("0001   ABCD");
    project.lb_J2M.append("OLD");
    project.lb_Defaults.append("KEY=VALUE");
    project.lb_sort.append("scratch");
    project.markModified();
    int headerShown = 0;
    project.headerChanged = [&] { ++headerShown; };

    project.clear();
    EXPECT_EQ(project.header, FormHeaderInfoFDXStruct{});
    EXPECT_EQ(headerShown, 1);
    for (const TextStore* store : {&project.lb_Stations, &project.lb_Instruments, &project.lb_Antennas,
                                   &project.lb_Sessions, &project.lb_86, &project.lb_90}) {
        EXPECT_TRUE(store->empty());
    }
    for (const TextStore* store : {&project.lb_SERFIL, &project.lb_J2M, &project.lb_Defaults, &project.lb_sort}) {
        EXPECT_EQ(store->count(), 1);
    }
    EXPECT_EQ(project.fileName, "");
    EXPECT_TRUE(project.newHeader);
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(project.title(), "Ardel - Create B-File [][unmodified]");
}

} // namespace
} // namespace ardel
