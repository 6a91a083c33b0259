// The SERFIL store's lookups, the explanation and the SERFIL import.
#include "utilities/Serfil.h"

#include "support/HeadlessTest.h"
#include "ui/Platform.h"

#include <filesystem>

namespace ardel {
namespace {

using testing::TempDir;
using testing::writeFile;
using Lines = std::vector<std::string>;

const std::string kData = std::string(ARDEL_TEST_DATA) + "/serfil/";
constexpr const char* kImportTitle = "Select SER File to be Imported";

std::string stationLine(const std::string& ssn, const std::string& id) {
    return buildStationLine(fit(ssn + "STATION " + ssn, station_line::kBodyWidth), id);
}

std::string changeQuestion(const std::string& ssn, const std::string& current, const std::string& offered) {
    return "The current 4-character ID for station " + ssn + " is " + current +
           ".  \n                The SERFIL contains the value " + offered +
           ". \n                Would you like to change the current value to the one in the SERFIL?\n"
           "                (Caution - any existing sessions records for this station\n"
           "                may need to be changed as well).";
}

std::string importedMessage(int count, const std::string& path) {
    return std::to_string(count) + " SERFIL records imported\n    from " + path + ".";
}

class SerfilTest : public testing::HeadlessTest {
protected:
    Project project;
    std::string serfilPath;
};

TEST(SerfilStore, LooksUpPairsBySsnAndById) {
    TextStore serfil(kSsnWidth);
    serfil.append(buildSerfilLine("0012", "ABCD"));
    serfil.append(buildSerfilLine("0013", "abcd"));
    serfil.append(buildSerfilLine("0012", "WXYZ"));
    serfil.append(buildSerfilLine("7", "AB"));
    EXPECT_EQ(serfil.at(0), "0012   ABCD");
    EXPECT_EQ(serfil.at(3), "7      AB  ");

    EXPECT_EQ(serfilIdForSsn(serfil, "0012"), "ABCD"); // the first pair from the top
    EXPECT_EQ(serfilIdForSsn(serfil, "0014"), "");

    EXPECT_EQ(serfilSsnForId(serfil, "abcd"), "0012"); // letter case ignored
    EXPECT_EQ(serfilSsnForId(serfil, "WXYZ"), "0012");
    EXPECT_EQ(serfilSsnForId(serfil, "ABC"), ""); // all 4 characters must match
    EXPECT_EQ(serfilSsnForId(serfil, "AB  "), "7   ");
    EXPECT_EQ(serfilSsnForId(serfil, ""), "");
}

TEST_F(SerfilTest, ExplainShowsTheInformationBox) {
    toolkit.expectMessage("About SERFILs",
                          " A SERFIL is an external file that provides the \n"
                          "  correspondence between Station Serial Numbers (SSNs) and the four-\n"
                          "  character identifier that appears in the media ID on *25* GPS session\n"
                          "  records. It is the practice of many GPS surveying groups to create\n"
                          "  a SERFIL before creating the B-File. The format is\n"
                          "          cc 1-4   4-char ID\n"
                          "          cc 5-7   blank\n"
                          "          cc 8-11  SSN\n"
                          "          \n"
                          "     If a SERFIL is imported into this program, it will be used as the\n"
                          "  authoritative source of the 4-character ID associated with each SSN.\n"
                          "  If you are editing an existing B-File and the file contains *25* records\n"
                          "  with different 4-character IDs, a warning will be issued.\n"
                          "          \n"
                          "     If no SERFIL is imported into this program, and you attempt to edit\n"
                          "  an existing B-File, then the association between\n"
                          "  an SSN and the 4-character ID is taken from the first *25* record\n"
                          "  that appears for the station. If later *25* records have a different\n"
                          "  association, a warning will be issued.\n"
                          "  \n"
                          "      When a B-File is saved, the association between SSNs and 4-character\n"
                          "  IDs appears only on the *25* records. If you enter a 4-character ID for \n"
                          "  a station on the station form of this program and then save the B-File\n"
                          "  before creating any session records, this association will not be saved.\n"
                          "  \n"
                          "    Because of this behavior, if you have built a SERFIL beforehand that\n"
                          "  contains the realationships between all files in your project, be sure to\n"
                          "  Import the SERFIL BEFORE you load the B-file you intend to write *25* and\n"
                          "  *27* records to.\n"
                          "  \n"
                          "      However, you may preserve this association by exporting a SERFIL\n"
                          "  before exiting this program and then importing the SERFIL the next \n"
                          "  time the program is executed.");
    explainSerfil(toolkit);
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Information);
}

TEST_F(SerfilTest, ImportReplacesThePairsAndOffersDifferingIds) {
    project.lb_Stations.append(stationLine("0001", "ABCD"));
    project.lb_Stations.append(stationLine("0002", ""));
    project.lb_Stations.append(stationLine("0003", "JJJJ"));
    project.lb_SERFIL.append("0042   OLDS");

    const std::string path = kData + "four-pairs.ser";
    toolkit.expectOpenFile(kImportTitle, path);
    // 0001 already has ABCD: nothing is asked; 0099 has no station.
    toolkit.expectMessage("SERFIL", changeQuestion("0002", "    ", "WXYZ"), ui::Answer::Yes);
    toolkit.expectMessage("SERFIL", changeQuestion("0003", "JJJJ", "KKKK"), ui::Answer::No);
    toolkit.expectMessage("SERFIL Imported", importedMessage(4, path));
    importSerfil(toolkit, project, serfilPath);

    const auto& request = toolkit.lastFileRequest();
    EXPECT_EQ(request.startPath, ui::parentFolder(ui::programPath()));
    ASSERT_EQ(request.filters.size(), 3u);
    EXPECT_EQ(request.filters[0].description, "SER Files (*.ser;*.SER)");
    EXPECT_EQ(request.filters[0].pattern, "*.ser;*.SER");
    EXPECT_EQ(request.filters[1].description, "TextFiles (*.txt)");
    EXPECT_EQ(request.filters[1].pattern, "*.txt");
    EXPECT_EQ(request.filters[2].description, "All Files (*.*)");
    EXPECT_EQ(request.filters[2].pattern, "*.*");

    EXPECT_EQ(project.lb_SERFIL.lines(), (Lines{"0001   ABCD", "0002   WXYZ", "0099   QQQQ", "0003   KKKK"}));
    EXPECT_EQ(project.lb_Stations.lines(),
              (Lines{stationLine("0001", "ABCD"), stationLine("0002", "WXYZ"), stationLine("0003", "JJJJ")}));
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(serfilPath, path);
    EXPECT_EQ(toolkit.settingsStore.values["SERFile"], path);

    // The next import starts where this one ended.
    toolkit.expectOpenFile(kImportTitle, std::nullopt);
    importSerfil(toolkit, project, serfilPath);
    EXPECT_EQ(toolkit.lastFileRequest().startPath, path);
    EXPECT_EQ(project.lb_SERFIL.count(), 4);
}

TEST_F(SerfilTest, ImportReadsEveryLineOfAnyShape) {
    TempDir dir;
    const std::string path = dir.path("shapes.ser");
    writeFile(path, "ABCD   0012" + std::string(100, '*') +
                        "\r\n"          // overlong: columns 12 on are ignored
                        "\r\n"          // empty: pairs nothing
                        "    \r\n"      // blank: pairs nothing
                        "EF     12\n"   // short SSN: blank-padded, never a prefix
                        "LAST   0013"); // no final line break
    project.lb_Stations.append(stationLine("1234", "MMMM"));
    toolkit.expectOpenFile(kImportTitle, path);
    toolkit.expectMessage("SERFIL Imported", importedMessage(3, path));
    importSerfil(toolkit, project, serfilPath);
    EXPECT_EQ(project.lb_SERFIL.lines(), (Lines{"0012   ABCD", "12     EF  ", "0013   LAST"}));
    EXPECT_EQ(project.lb_Stations.at(0), stationLine("1234", "MMMM"));
}

TEST_F(SerfilTest, MissingFileKeepsThePairsButRemembersThePath) {
    toolkit.settingsStore.values["SERFile"] = "/old/pairs.ser";
    project.lb_SERFIL.append("0042   OLDS");
    TempDir dir;
    const std::string missing = dir.path("missing.ser");
    toolkit.expectOpenFile(kImportTitle, missing);
    toolkit.expectMessage("Error", "The Input File Does Not Exist");
    importSerfil(toolkit, project, serfilPath);
    EXPECT_EQ(toolkit.lastFileRequest().startPath, "/old/pairs.ser");
    EXPECT_EQ(toolkit.settingsStore.values["SERFile"], missing);
    EXPECT_EQ(serfilPath, missing);
    EXPECT_EQ(project.lb_SERFIL.lines(), Lines{"0042   OLDS"});
}

TEST_F(SerfilTest, CancelledImportKeepsTheStartingPathForExport) {
    toolkit.settingsStore.values["SERFile"] = "/old/pairs.ser";
    toolkit.expectOpenFile(kImportTitle, std::nullopt);
    importSerfil(toolkit, project, serfilPath);
    EXPECT_EQ(serfilPath, "/old/pairs.ser");
    EXPECT_EQ(toolkit.settingsStore.values["SERFile"], "/old/pairs.ser");
}

} // namespace
} // namespace ardel
