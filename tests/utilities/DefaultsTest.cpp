// The built-in defaults, the lookup the editors make and the defaults-file import.
#include "utilities/Defaults.h"

#include "support/HeadlessTest.h"
#include "ui/Platform.h"

#include "support/SystemForTests.h"
#include <filesystem>

namespace ardel {
namespace {

using testing::TempDir;
using testing::writeFile;

const std::string kData = std::string(ARDEL_TEST_DATA) + "/defaults/";
constexpr const char* kImportTitle = "Select Defaults File to be Imported";

class DefaultsTest : public testing::HeadlessTest {
protected:
    DefaultsTest() { loadBuiltInDefaults(defaults); }

    void importFile(const std::string& path, int expectedCount) {
        toolkit.expectOpenFile(kImportTitle, path);
        toolkit.expectMessage("Defaults File Imported", std::to_string(expectedCount) +
                                                            " Defaults File records imported\n    from " + path + ".");
        importDefaultsFile(toolkit, defaults);
    }

    TextStore defaults;
};

TEST_F(DefaultsTest, BuiltInLinesGiveTheDefaultsOfNewRecords) {
    ASSERT_EQ(defaults.count(), 27);
    EXPECT_EQ(defaults.at(0), "Latitude Code=N");
    EXPECT_EQ(defaults.at(8), "TOV Survey Equipment Code=");
    EXPECT_EQ(defaults.at(26), "Weather Code Wind Indicator=0");

    EXPECT_EQ(lookupDefault(defaults, "Latitude Code"), "N");
    EXPECT_EQ(lookupDefault(defaults, "Longitude Code"), "W");
    EXPECT_EQ(lookupDefault(defaults, "Datum for Orthometric Height"), "88");
    EXPECT_EQ(lookupDefault(defaults, "Ellipsoidal Height Datum"), "A");
    EXPECT_EQ(lookupDefault(defaults, "barometric pressure code"), "IN");
    EXPECT_EQ(lookupDefault(defaults, "Ellipsoidal Height Code"), "");
    EXPECT_EQ(lookupDefault(defaults, "Antenna Height"), std::nullopt);

    defaults.append("Station Name Without Equals Sign");
    EXPECT_EQ(lookupDefault(defaults, "Station Name"), std::nullopt);
}

TEST_F(DefaultsTest, DefaultValueSelectsTheFirstListItemBeginningWithIt) {
    const ui::FormDecl decl{.name = "Form_Test",
                            .controls = {{.name = "combo_Pressure",
                                          .kind = ui::ControlKind::DropDownList,
                                          .items = {"MB - Millibars", "IN - Inches of Mercury", "in - lower"}}}};
    auto form = toolkit.createForm(decl);
    ui::ComboBox& list = form->comboBox("combo_Pressure");

    EXPECT_EQ(selectDefault(list, defaults, "Barometric Pressure Code"), 1);
    EXPECT_EQ(list.selectedIndex(), 1);

    list.setSelectedIndex(0);
    EXPECT_EQ(selectDefault(list, defaults, "Ellipsoidal Height Code"), -1); // empty value
    EXPECT_EQ(selectDefault(list, defaults, "No Such Key"), -1);
    defaults.insert(0, "Barometric Pressure Code=HP");
    EXPECT_EQ(selectDefault(list, defaults, "Barometric Pressure Code"), -1); // no item begins with HP
    EXPECT_EQ(list.selectedIndex(), 0);
}

TEST_F(DefaultsTest, ExplainShowsTheInformationBox) {
    toolkit.expectMessage("About Default Files",
                          "    Default Values may be specified for many of the \n"
                          "data fields used by this program. When they are specified, default \n"
                          "values will be applied when new records are created.\n"
                          "\n"
                          "    The fields for which default values may be specified are listed \n"
                          "in the file Ardel_Defaults.txt, distributed with this program.\n"
                          "You may edit this file with a text editor if you wish, \n"
                          "and you may then import the edited file into this program with \n"
                          "the Import Defaults File function. If you do so, \n"
                          "you may wish to save the edited file under another name so that \n"
                          "the original file is not overwritten. \n"
                          "\n"
                          "    In a Defaults file, the default value for each field comes after \n"
                          "the equal sign (=). You may edit the value for any field, but you \n"
                          "should not change the field names. ");
    explainDefaults(toolkit);
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Information);
    EXPECT_EQ(toolkit.lastButtons(), ui::Buttons::OK);
}

TEST_F(DefaultsTest, ImportReplacesEveryLineAndRemembersThePath) {
    const std::string path = kData + "three-of-five.txt";
    importFile(path, 3);

    const auto& request = toolkit.lastFileRequest();
    EXPECT_EQ(request.startPath, ui::parentFolder(ui::programPath()));
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filters[0].description, "TextFiles (*.txt)");
    EXPECT_EQ(request.filters[0].pattern, "*.txt");
    EXPECT_EQ(request.filters[1].description, "All Files (*.*)");
    EXPECT_EQ(request.filters[1].pattern, "*.*");
    EXPECT_EQ(toolkit.settingsStore.values["DefaultsFilePath"], path);

    const std::vector<std::string> imported{"Station Order=B", "Station Type=", "Latitude Code=S"};
    EXPECT_EQ(defaults.lines(), imported);
    EXPECT_EQ(lookupDefault(defaults, "Station Order"), "B");
    EXPECT_EQ(lookupDefault(defaults, "Station Type"), "");
    EXPECT_EQ(lookupDefault(defaults, "Latitude Code"), "S");
    EXPECT_EQ(lookupDefault(defaults, "Longitude Code"), std::nullopt); // the built-in values are gone

    importFile(path, 3); // the same file again: the same store
    EXPECT_EQ(toolkit.lastFileRequest().startPath, path);
    EXPECT_EQ(defaults.lines(), imported);
}

TEST_F(DefaultsTest, FirstOfRepeatedKeysWinsAndALastLineWithoutBreakIsRead) {
    importFile(kData + "repeated-key-no-final-break.txt", 3);
    EXPECT_EQ(lookupDefault(defaults, "Latitude Code"), "S");
    EXPECT_EQ(lookupDefault(defaults, "Longitude Code"), "E");
}

TEST_F(DefaultsTest, LongLineKeepsItsFirst81Characters) {
    TempDir dir;
    const std::string value(80, 'x');
    const std::string path = dir.path("long.txt");
    writeFile(path, "Station Type=" + value + "\r\nStation Order=C\r\n");
    importFile(path, 2);
    EXPECT_EQ(defaults.at(0), "Station Type=" + value.substr(0, 81 - 13));
    EXPECT_EQ(lookupDefault(defaults, "Station Order"), "C");
}

TEST_F(DefaultsTest, CancelledOrMissingFileKeepsTheStore) {
    toolkit.settingsStore.values["DefaultsFilePath"] = "/old/defaults.txt";
    toolkit.expectOpenFile(kImportTitle, std::nullopt);
    importDefaultsFile(toolkit, defaults);
    EXPECT_EQ(toolkit.lastFileRequest().startPath, "/old/defaults.txt");
    EXPECT_EQ(toolkit.settingsStore.values["DefaultsFilePath"], "/old/defaults.txt");

    TempDir dir;
    const std::string missing = dir.path("missing.txt");
    toolkit.expectOpenFile(kImportTitle, missing);
    toolkit.expectMessage("Error", "The Input File Does Not Exist");
    importDefaultsFile(toolkit, defaults);
    EXPECT_EQ(toolkit.settingsStore.values["DefaultsFilePath"], missing);
    EXPECT_EQ(defaults.count(), 27);
}

TEST_F(DefaultsTest, UnreadableFileIsReportedAndKeepsTheStore) {
    if (testing::runningAsSuperuser()) {
        GTEST_SKIP() << "every file is readable to the superuser";
    }
    TempDir dir;
    const std::string path = dir.path("locked.txt");
    writeFile(path, "Latitude Code=S\r\n");
    std::filesystem::permissions(ui::nativePath(path), std::filesystem::perms::none);
    toolkit.expectOpenFile(kImportTitle, path);
    toolkit.expectMessage("Error", "Cannot read file " + path + ".");
    importDefaultsFile(toolkit, defaults);
    EXPECT_EQ(defaults.count(), 27);
}

} // namespace
} // namespace ardel
