#include "app/UtilityTestProject.h"

namespace ardel {
namespace {

using testing::idDisagreesText;
using testing::occupation;
using testing::part25;
using testing::record;
using testing::stationBody;
using testing::writeFile;
using ui::Answer;

const char* const kMergeCaption = "Select File to be Merged With Current Contents";
const char* const kMergeQuestion =
    "The selected input file will be merged with the data \nalready in the program's memory. Duplicate "
    "*70*,*71*,*72*,*80*, \n*86*, and *90* records will be ignored. See the program \ndocumentation for further "
    "details.";

std::string bfile(const std::vector<std::string>& records) {
    std::string text = record("GP", fit("      TOVGEOTOVARIN SURVEY", 70)) + "\r\n";
    for (const std::string& line : records) {
        text += line + "\r\n";
    }
    return text;
}

std::vector<std::string> session(const std::string& ssn, const std::string& id, const std::string& dateTime) {
    return {record("25", part25(ssn, id)), record("26", "A COMMENT"), record("27", ssn + occupation(dateTime))};
}

class MergeCommandTest : public testing::UtilityTest {
protected:
    // A file of station 0007 (with heights), instrument 001, antenna 001 and two sessions.
    std::string writeSecondFile(const std::string& id) {
        std::vector<std::string> records{record("10", "MERGED TITLE")};
        for (const auto& one : {session("0007", id, "2401151030"), session("0007", id, "2401161030")}) {
            records.insert(records.end(), one.begin(), one.end());
        }
        for (const std::string& line :
             {record("70", fit("001GPS      MERGED", 70)), record("72", fit("001   ANT", 70)),
              record("80", stationBody("0007", "MERGED SEVEN")), record("86", heightsBody("0007"))}) {
            records.push_back(line);
        }
        const std::string path = dir.path("second.bfl");
        writeFile(path, bfile(records));
        return path;
    }

    // Merges the file; the read shows the messages given (caption, text), in order.
    void merge(const std::string& path, const std::vector<std::pair<std::string, std::string>>& messages = {}) {
        toolkit.expectOpenFile(kMergeCaption, path);
        toolkit.expectMessage("Merge Files", kMergeQuestion, Answer::OK);
        for (const auto& [caption, text] : messages) {
            toolkit.expectMessage(caption, text);
        }
        form().triggerMenu(menu::kMerge);
    }
};

TEST_F(MergeCommandTest, MergeAndEveryUtilitiesEntryHaveTheirCommands) {
    for (const char* id : {menu::kMerge,
                           menu::kSortStationsBySsn,
                           menu::kSortStationsByName,
                           menu::kSortStationsById,
                           menu::kSortInstrumentsByJsin,
                           menu::kSortInstrumentsByCode,
                           menu::kSortInstrumentsByMaker,
                           menu::kSortAntennasByJsan,
                           menu::kSortAntennasByCode,
                           menu::kSortSessionsByAntenna,
                           menu::kSortSessionsById,
                           menu::kSortSessionsByInstrument,
                           menu::kSortSessionsByStart,
                           menu::kSortSessionsByStation,
                           menu::kRenumberOneStation,
                           menu::kRenumberAllStations,
                           menu::kRenumberOneInstrument,
                           menu::kRenumberAllInstruments,
                           menu::kRenumberOneAntenna,
                           menu::kRenumberAllAntennas,
                           menu::kSearchByName}) {
        EXPECT_TRUE(form().isMenuEnabled(id)) << id;
    }
}

TEST_F(MergeCommandTest, MergingTwiceKeepsTheHeaderAndRecordsAndDoublesTheSessions) {
    const std::string path = writeSecondFile("WXYZ");
    merge(path);
    EXPECT_EQ(toolkit.lastButtons(), ui::Buttons::OKCancel);
    EXPECT_EQ(project().header.JobCode, "");
    EXPECT_EQ(project().header.ProjectTitle, "");
    EXPECT_EQ(project().lb_Stations.lines(),
              (std::vector{buildStationLine(stationBody("0007", "MERGED SEVEN"), "WXYZ")}));
    EXPECT_EQ(project().lb_86.lines(), (std::vector{heightsBody("0007")}));
    EXPECT_EQ(project().lb_Sessions.count(), 2);
    EXPECT_EQ(project().fileName, "");
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [][modified]");
    EXPECT_EQ(toolkit.settingsStore.values["InputFile"], path);

    const auto once = allLines();
    merge(path);
    const auto twice = allLines();
    for (std::size_t store = 0; store + 1 < once.size(); ++store) {
        EXPECT_EQ(twice[store], once[store]) << "store " << store;
    }
    std::vector<std::string> doubled = once.back();
    doubled.insert(doubled.end(), once.back().begin(), once.back().end());
    EXPECT_EQ(twice.back(), doubled);
}

TEST_F(MergeCommandTest, AStationInMemoryKeepsItsIdAndEachMergedSessionNamingAnotherIsWarnedAbout) {
    addStation("0007", "SEVEN IN MEMORY", "ABCD");
    project().lb_86.append(fit("0007    OWN HEIGHTS", 70));
    project().lb_Instruments.append(instrumentBody("001"));
    project().lb_Antennas.append(antennaBody("001"));
    project().fileName = dir.path("project.bfl");
    const std::string inMemory = project().lb_Stations.at(0);
    const std::pair<std::string, std::string> disagrees{"Warning", idDisagreesText(part25("0007", "WXYZ"))};
    merge(writeSecondFile("WXYZ"), {disagrees, disagrees});
    EXPECT_EQ(project().lb_Stations.lines(), (std::vector{inMemory}));
    EXPECT_EQ(project().lb_86.lines(), (std::vector{fit("0007    OWN HEIGHTS", 70)}));
    EXPECT_EQ(project().lb_Instruments.lines(), (std::vector{instrumentBody("001")}));
    EXPECT_EQ(project().lb_Sessions.count(), 2);
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [" + dir.path("project.bfl") + "][modified]");
}

TEST_F(MergeCommandTest, CancelChangesNothingAndAStoppedReadStillMarksModified) {
    const std::string path = writeSecondFile("WXYZ");
    project().fileName = dir.path("project.bfl");
    toolkit.expectOpenFile(kMergeCaption, std::nullopt);
    form().triggerMenu(menu::kMerge);
    toolkit.expectOpenFile(kMergeCaption, path);
    toolkit.expectMessage("Merge Files", kMergeQuestion, Answer::Cancel);
    form().triggerMenu(menu::kMerge);
    EXPECT_EQ(project().fileName, dir.path("project.bfl"));
    EXPECT_TRUE(project().lb_Sessions.empty());
    EXPECT_FALSE(project().isModified());
    EXPECT_EQ(toolkit.settingsStore.values.count("InputFile"), 0u);

    const std::string broken = dir.path("broken.bfl");
    writeFile(broken, bfile({record("80", stationBody("0001", "ONE")), record("86", heightsBody("0002")),
                             record("80", stationBody("0003", "THREE"))}));
    merge(broken, {{"Error", "*86* record found in input without corresponding *80* record\n               " +
                                 record("86", heightsBody("0002")) + "\n"}});
    EXPECT_EQ(project().lb_Stations.lines(), (std::vector{buildStationLine(stationBody("0001", "ONE"), "    ")}));
    EXPECT_EQ(project().fileName, dir.path("project.bfl"));
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [" + dir.path("project.bfl") + "][modified]");
}

} // namespace
} // namespace ardel
