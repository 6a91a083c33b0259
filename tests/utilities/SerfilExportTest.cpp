// Exporting the stations' SSN and 4-character ID pairs to a SERFIL, and reading it back.
#include "utilities/AtomicFile.h"
#include "utilities/Serfil.h"

#include "support/HeadlessTest.h"

#include <filesystem>

namespace ardel {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;
using Lines = std::vector<std::string>;

constexpr const char* kExportTitle = "Select Output SER File Name";

std::string stationLine(const std::string& ssn, const std::string& id) {
    return buildStationLine(fit(ssn + "STATION " + ssn, station_line::kBodyWidth), id);
}

std::string cannotWrite(const std::string& path) {
    return "Cannot write to file " + path + ".\n File may be marked read-only or may be in use by another program.";
}

class SerfilExportTest : public testing::HeadlessTest {
protected:
    SerfilExportTest() {
        project.lb_Stations.append(stationLine("0001", "ABCD"));
        project.lb_Stations.append(stationLine("0002", ""));
        project.lb_Stations.append(stationLine("0003", "wxyz"));
    }
    ~SerfilExportTest() override { writeFaults() = {}; }

    static constexpr const char* kExported = "ABCD   0001\r\n       0002\r\nwxyz   0003\r\n";
    Project project;
    TempDir dir;
};

TEST_F(SerfilExportTest, WritesOnePairPerStationAndReadsBackTheSamePairs) {
    project.lb_SERFIL.append("0099   QQQQ"); // a pair without a station is not exported
    const std::string path = dir.path("pairs.ser");
    toolkit.expectSaveFile(kExportTitle, path);
    exportSerfil(toolkit, project, "/last/import.ser");

    const auto& request = toolkit.lastFileRequest();
    EXPECT_EQ(request.startPath, "/last/import.ser");
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters[0].description, "All Files (*.*)");
    EXPECT_EQ(request.filters[0].pattern, "*.*");
    EXPECT_EQ(readFile(path), kExported);
    EXPECT_FALSE(project.isModified());

    // Every station already has the ID it is paired with: nothing is asked.
    std::string serfilPath;
    toolkit.expectOpenFile("Select SER File to be Imported", path);
    toolkit.expectMessage("SERFIL Imported", "3 SERFIL records imported\n    from " + path + ".");
    importSerfil(toolkit, project, serfilPath);
    EXPECT_EQ(project.lb_SERFIL.lines(), (Lines{"0001   ABCD", "0002       ", "0003   wxyz"}));
    EXPECT_EQ(project.lb_Stations.at(1), stationLine("0002", ""));
}

TEST_F(SerfilExportTest, ExistingFileIsReplacedOnlyAfterYes) {
    const std::string path = dir.path("pairs.ser");
    writeFile(path, "OLD    0007\r\n");
    const std::string question = path + " Exists. Do you wish to overwrite it?";

    toolkit.expectSaveFile(kExportTitle, path);
    toolkit.expectMessage("Save SER-File", question, ui::Answer::No);
    exportSerfil(toolkit, project, "");
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Question);
    EXPECT_EQ(toolkit.lastButtons(), ui::Buttons::YesNo);
    EXPECT_EQ(readFile(path), "OLD    0007\r\n");

    toolkit.expectSaveFile(kExportTitle, path);
    toolkit.expectMessage("Save SER-File", question, ui::Answer::Yes);
    exportSerfil(toolkit, project, "");
    EXPECT_EQ(readFile(path), kExported);

    toolkit.expectSaveFile(kExportTitle, std::nullopt); // cancelled: nothing asked, nothing written
    exportSerfil(toolkit, project, "");
}

TEST_F(SerfilExportTest, UnwritableFileIsReportedAndNothingIsWritten) {
    writeFile(dir.path("plain"), "");
    const std::string inside = dir.path("plain") + "/pairs.ser"; // a folder that is a file
    toolkit.expectSaveFile(kExportTitle, inside);
    toolkit.expectMessage("Cannot Write File", cannotWrite(inside));
    exportSerfil(toolkit, project, "");
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Stop);
    EXPECT_FALSE(std::filesystem::exists(ui::nativePath(inside)));

    // A write failing halfway leaves the previous file whole.
    const std::string path = dir.path("pairs.ser");
    writeFile(path, "OLD    0007\r\n");
    writeFaults().failAfterBytes = 15;
    toolkit.expectSaveFile(kExportTitle, path);
    toolkit.expectMessage("Save SER-File", path + " Exists. Do you wish to overwrite it?", ui::Answer::Yes);
    toolkit.expectMessage("Cannot Write File", cannotWrite(path));
    exportSerfil(toolkit, project, "");
    EXPECT_EQ(readFile(path), "OLD    0007\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ui::nativePath(dir.path(""))), {}),
              2); // no temporary left
}

} // namespace
} // namespace ardel
