// The checks after a read: 4-character IDs given to stations by their sessions, and
// the warnings about sessions whose station, instrument or antenna is missing.
#include "bfile/ReaderFixture.h"
#include "utilities/Serfil.h"

namespace ardel {
namespace {

using testing::idDisagreesText;
using testing::noAntennaText;
using testing::noInstrumentText;
using testing::noStationText;
using testing::part25;
using testing::record;
using testing::stationBody;

const std::string kHeaderLine = record("AB", "HZTLOBS");

std::string station(const std::string& ssn) {
    return record("80", stationBody(ssn, "STATION " + ssn));
}
std::string session(const std::string& part) {
    return record("25", part);
}

class ReaderChecks : public testing::ReaderTest {
protected:
    std::string idOf(int stationIndex) const { return project.lb_Stations.at(stationIndex).substr(38, 4); }
};

TEST_F(ReaderChecks, TheFirstSessionNamingAnIdGivesItToAStationThatHasNone) {
    project.lb_SERFIL.append(buildSerfilLine("0006", "SERF"));
    const std::string p1 = part25("0005", "ABCD"), p2 = part25("0005", "WXYZ");
    const std::string p3 = part25("0006", "ABCD");
    const std::string p4 = part25("0007", "    "), p5 = part25("0007", "LMNO"), p6 = part25("0007", "    ");
    toolkit.expectMessage("Warning", idDisagreesText(p2)); // an earlier session's ID stays
    toolkit.expectMessage("Warning", idDisagreesText(p3)); // the SERFIL's ID stays
    toolkit.expectMessage("Warning", idDisagreesText(p6)); // a session without an ID disagrees too
    EXPECT_EQ(read({kHeaderLine, session(p1), session(p2), session(p3), session(p4), session(p5), session(p6),
                    record("70", "001"), record("72", "001"), station("0005"), station("0006"), station("0007")}),
              ReadOutcome::Completed);
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Warning);
    EXPECT_EQ(idOf(0), "ABCD");
    EXPECT_EQ(idOf(1), "SERF");
    EXPECT_EQ(idOf(2), "LMNO");
    EXPECT_EQ(project.lb_Stations.at(2), buildStationLine(stationBody("0007", "STATION 0007"), "LMNO"));
}

TEST_F(ReaderChecks, OnePromptWarnsOfMissingReferencesUntilTickedForTheRestOfTheRun) {
    const std::string noStation = part25("0008", "    ", "001", "001");
    const std::string noInstrument = part25("0005", "    ", "009", "001");
    const std::string noAntenna = part25("0005", "    ", "001", "009");
    const std::string noneAtAll = part25("0008", "    ", "009", "009");
    const std::vector<std::string> file = {kHeaderLine,         session(noStation), session(noInstrument),
                                           session(noAntenna),  session(noneAtAll), record("70", "001"),
                                           record("72", "001"), station("0005")};
    expectPrompt(noStationText(noStation));
    expectPrompt(noInstrumentText(noInstrument));
    expectPrompt(noAntennaText(noAntenna));
    expectPrompt(noStationText(noneAtAll), true); // ticked: the session's other two warnings are silenced
    EXPECT_EQ(read(file), ReadOutcome::Completed);
    EXPECT_EQ(project.lb_Sessions.count(), 4); // warnings only: the sessions stay
    EXPECT_TRUE(warning.isSuppressed());

    clearProject(); // a later Open: still silent
    EXPECT_EQ(read(file), ReadOutcome::Completed);
}

TEST_F(ReaderChecks, MergingChecksTheSessionsInMemoryAndTheMergedOnes) {
    const std::string kept = part25("0007", "ABCD");
    const std::string noAntenna = part25("0007", "ABCD", "001", "005");
    project.lb_Stations.append(buildStationLine(stationBody("0007", "IN MEMORY"), "ABCD"));
    project.lb_Instruments.append(fit("001", 70));
    project.lb_Antennas.append(fit("001", 70));
    for (const std::string& part : {kept, noAntenna}) {
        const std::string packed = part + "00000000";
        project.lb_Sessions.append(buildSessionLine(unpackSession(packed), packed));
    }
    const std::string merged = part25("0007", "WXYZ");
    expectPrompt(noAntennaText(noAntenna));
    toolkit.expectMessage("Warning", idDisagreesText(merged));
    toolkit.expectMessage("Warning", idDisagreesText(merged));
    EXPECT_EQ(read({kHeaderLine, station("0007"), session(merged), session(merged)}, true), ReadOutcome::Completed);
    EXPECT_EQ(project.lb_Stations.lines(),
              std::vector<std::string>{buildStationLine(stationBody("0007", "IN MEMORY"), "ABCD")});
    EXPECT_EQ(project.lb_Sessions.count(), 4);
}

} // namespace
} // namespace ardel
