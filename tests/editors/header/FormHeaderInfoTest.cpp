#include "editors/header/FormHeaderInfo.h"

#include "bfile/BFileWriter.h"
#include "support/HeadlessTest.h"

#include <sstream>

namespace ardel {
namespace {

using ui::HeadlessForm;

using testing::blanks;

class FormHeaderInfoTest : public testing::HeadlessTest {
protected:
    int runEditor(ui::HeadlessToolkit::DialogScript script) {
        toolkit.expectDialog("FormHeaderInfo", std::move(script));
        return editor.run(project.header, project.newHeader);
    }

    void expectWarning(const std::string& field) {
        toolkit.expectMessage("Warning!!", "Warning -- the current contents of \n            the " + field +
                                               " field are not \n"
                                               "            recognized. Please select a new \n"
                                               "            value from the drop down box. \n");
    }

    // The records the writer gives for the project, without their CR LF.
    std::vector<std::string> writtenRecords() const {
        std::ostringstream out;
        EXPECT_TRUE(writeBFile(project, out));
        std::vector<std::string> records;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) {
            EXPECT_EQ(line.back(), '\r');
            records.push_back(line.substr(0, line.size() - 1));
        }
        return records;
    }

    Project project;
    FormHeaderInfo editor{toolkit};
};

// A header as the reader leaves it: fixed-width fields with their trailing blanks.
FormHeaderInfoFDXStruct headerFromFile() {
    FormHeaderInfoFDXStruct read;
    read.CreationDate = "20240115";
    read.JobCode = "GP";
    read.SubmittingAgencyName = "TOVARIN SURVEY OFFICE" + blanks(21);
    read.ProjectTitle = "HARBOR CONTROL SURVEY" + blanks(49);
    read.ProjectStartDate = "202311";
    read.OrderAndClass = "B0";
    read.TypeOfSurvey = "4";
    read.DatumName = "WORLD GEODETIC SYS.-84  ";
    read.EllipsoidName = "STORED ELLIPSOID";
    read.SemiMajorAxis = "6378137001";
    read.SemiMinorAxis = "6356752314";
    return read;
}

TEST_F(FormHeaderInfoTest, NewProjectStartsWithGpsAndNad83AndWritesThem) {
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  EXPECT_EQ(f.caption(), "Add/Modify Header and Project Information");
                  EXPECT_EQ(f.comboBox("combo_TypeOfSurvey").text(), "4 - Global Positioning System");
                  EXPECT_EQ(f.comboBox("combo_OrderAndClass").selectedIndex(), -1);
                  EXPECT_EQ(f.comboBox("combo_DatumName").text(), "NORTH AMERICAN DATUM-83 ");
                  f.type("mtextb_CreationDate", "20240115");
                  f.type("mtextb_JobCode", "gp");
                  EXPECT_EQ(f.displayText("mtextb_JobCode"), "GP");
                  f.type("textb_SubmittingAgencyAbbreviation", "TOVA");
                  f.type("textb_SubmittingAgencyName", "TOVARIN SURVEY OFFICE");
                  f.type("textb_ProjectTitle", "HARBOR SURVEY\nPHASE II");
                  f.type("mtextb_ProjectStartDate", "202311");
                  f.type("mtextb_ProjectEndDate", "202401");
                  f.type("textb_ChiefOfParty", "J SMITH");
                  f.type("textb_ChiefOfPartyInitials", "JSM");
                  f.type("textb_PrimaryStateOrCountry", "MD");
                  f.click("cb_1");
              }),
              1);
    EXPECT_FALSE(project.newHeader);
    EXPECT_EQ(project.header.JobCode, "GP");
    EXPECT_EQ(project.header.ProjectTitle, "HARBOR SURVEY\r\nPHASE II");
    const std::vector<std::string> expected = {
        "000010*GP*HZTLOBS TOVA  TOVARIN SURVEY OFFICE" + blanks(21 + 6) + "20240115",
        "000020*10*HARBOR SURVEY" + blanks(57),
        "000030*11*PHASE II" + blanks(62),
        // the chief's name padded to 18, no second chief, columns 55-65, method 4, state MD, no order
        "000040*12*202311202401JSMJ SMITH" + blanks(11 + 21 + 11) + "4MD  ",
        "000050*13*NORTH AMERICAN DATUM-83 GRS-80          63781370002982572221" + blanks(10),
        "000060*GP*" + blanks(70),
    };
    EXPECT_EQ(writtenRecords(), expected);

    // Opened again as a stored header: the empty order and class selects nothing (though
    // every item begins with ""), and saving leaves the same records.
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  EXPECT_EQ(f.comboBox("combo_OrderAndClass").selectedIndex(), -1);
                  f.click("cb_1");
              }),
              1);
    EXPECT_EQ(writtenRecords(), expected);
}

TEST_F(FormHeaderInfoTest, StoredHeaderSelectsItsItemsAndKeepsItsEllipsoid) {
    project.header = headerFromFile();
    project.newHeader = false;
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  EXPECT_EQ(f.comboBox("combo_TypeOfSurvey").text(), "4 - Global Positioning System");
                  EXPECT_EQ(f.comboBox("combo_OrderAndClass").text(), "B0 - B Order Interferometric Positioning");
                  EXPECT_EQ(f.comboBox("combo_DatumName").text(), "WORLD GEODETIC SYS.-84  ");
                  EXPECT_EQ(f.textBox("textb_SubmittingAgencyName").text(), "TOVARIN SURVEY OFFICE");
                  EXPECT_EQ(f.displayText("mtextb_CreationDate"), "2024/01/15");
                  EXPECT_EQ(f.displayText("mtextb_ProjectStartDate"), "2023/11");
                  f.click("cb_1");
              }),
              1);
    const FormHeaderInfoFDXStruct& saved = project.header;
    EXPECT_EQ(saved.TypeOfSurvey, "4 - Global Positioning System");
    EXPECT_EQ(saved.OrderAndClass, "B0 - B Order Interferometric Positioning");
    EXPECT_EQ(saved.SubmittingAgencyName, "TOVARIN SURVEY OFFICE");
    EXPECT_EQ(saved.ProjectTitle, "HARBOR CONTROL SURVEY");
    // No datum lookup on opening: the stored ellipsoid stays.
    EXPECT_EQ(saved.EllipsoidName + saved.SemiMajorAxis + saved.SemiMinorAxis, "STORED ELLIPSOID63781370016356752314");
}

TEST_F(FormHeaderInfoTest, UnrecognizedStoredValuesWarnAndWriteBlanks) {
    project.header = headerFromFile();
    project.header.TypeOfSurvey = "9";
    project.header.OrderAndClass = "99";
    project.header.DatumName = "NAD 83" + blanks(18);
    project.header.ProjectTitle = "";
    project.newHeader = false;
    expectWarning("Type of Survey");
    expectWarning("Order and Class");
    expectWarning("Datum Name");
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Warning);
                  EXPECT_EQ(f.comboBox("combo_TypeOfSurvey").selectedIndex(), -1);
                  EXPECT_EQ(f.comboBox("combo_OrderAndClass").selectedIndex(), -1);
                  EXPECT_EQ(f.comboBox("combo_DatumName").selectedIndex(), -1);
                  f.choose("combo_TypeOfSurvey", 3);
                  f.click("cb_1");
              }),
              1);
    // A datum typed in an earlier showing survives a later save.
    EXPECT_EQ(project.header.DatumName, "NAD 83");
    const std::vector<std::string> records = writtenRecords();
    ASSERT_EQ(records.size(), 5u); // an empty title: one *10* of blanks and no *11*
    EXPECT_EQ(records[1], "000020*10*" + blanks(70));
    EXPECT_EQ(records[2], "000030*12*202311" + blanks(59) + "4" + blanks(4));
    EXPECT_EQ(records[3], "000040*13*NAD 83" + blanks(18) + "STORED ELLIPSOID6378137001          6356752314");
}

TEST_F(FormHeaderInfoTest, DatumLookupFillsInOnlyAnExactDatumName) {
    const auto ellipsoidOf = [](HeadlessForm& f) {
        return f.textBox("textb_EllipsoidName").text() + "|" + f.textBox("textb_SemiMajorAxis").text() + "|" +
               f.textBox("textb_InverseFlattening").text() + "|" + f.textBox("textb_SemiMinorAxis").text();
    };
    project.newHeader = false;
    project.header.SemiMinorAxis = "6356752314";
    EXPECT_EQ(runEditor([&](HeadlessForm& f) {
                  f.choose("combo_DatumName", 1);
                  EXPECT_EQ(ellipsoidOf(f), "WGS-72          |6378135000|29826     |");
                  f.choose("combo_DatumName", 3);
                  EXPECT_EQ(ellipsoidOf(f), "CLARK 1866      |6378206400|2949786982|");
                  f.type("combo_DatumName", "NORTH AMERICAN DATUM-83");
                  EXPECT_EQ(ellipsoidOf(f), "|||");
                  f.typeMore("combo_DatumName", " ");
                  EXPECT_EQ(ellipsoidOf(f), "GRS-80          |6378137000|2982572221|");
                  f.type("combo_DatumName", "NAD 83");
                  f.click("cb_1");
              }),
              1);
    EXPECT_EQ(writtenRecords()[3], "000040*13*NAD 83" + blanks(64));

    // Typing over the chosen datum and then choosing that same item again fills in
    // its ellipsoid once more.
    project.newHeader = true;
    EXPECT_EQ(runEditor([&](HeadlessForm& f) {
                  f.typeMore("combo_DatumName", "X");
                  EXPECT_EQ(ellipsoidOf(f), "|||");
                  f.choose("combo_DatumName", 0);
                  EXPECT_EQ(f.comboBox("combo_DatumName").text(), "NORTH AMERICAN DATUM-83 ");
                  EXPECT_EQ(ellipsoidOf(f), "GRS-80          |6378137000|2982572221|");
                  f.click("cb_1");
              }),
              1);
    EXPECT_EQ(writtenRecords()[3],
              "000040*13*NORTH AMERICAN DATUM-83 GRS-80          63781370002982572221" + blanks(10));

    // The same editor object opened on a new header starts afresh.
    project.newHeader = true;
    EXPECT_EQ(runEditor([&](HeadlessForm& f) { EXPECT_EQ(ellipsoidOf(f), "GRS-80          |6378137000|2982572221|"); }),
              0);
}

TEST_F(FormHeaderInfoTest, WrappedTitleIsSavedAsTheBoxShowsItsLines) {
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("textb_ProjectTitle", "GEODETIC CONTROL SURVEY OF THE NORTHERN HARBOR AREA FOR THE PORT "
                                               "AUTHORITY AND CITY");
                  EXPECT_EQ(f.textBox("textb_ProjectTitle").lineCount(), 2);
                  f.click("cb_1");
              }),
              1);
    // Wrapped at 70 columns after "PORT "; the blank the wrap leaves is dropped.
    EXPECT_EQ(project.header.ProjectTitle,
              "GEODETIC CONTROL SURVEY OF THE NORTHERN HARBOR AREA FOR THE PORT\r\nAUTHORITY AND CITY");
}

TEST_F(FormHeaderInfoTest, DatesWarnOnLeavingAndAreStillSaved) {
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  f.type("mtextb_CreationDate", "2000/02/30"); // the separators are the mask's own
                  EXPECT_EQ(f.displayText("mtextb_CreationDate"), "2000/02/30");
                  toolkit.expectMessage("Date Format Error", "Illegal day subfield in 20000230 ");
                  f.type("mtextb_ProjectStartDate", "200013");
                  EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Stop);
                  toolkit.expectMessage("Date Format Error", "Illegal Month subfield in 200013 ");
                  f.type("mtextb_ProjectEndDate", "2024");
                  toolkit.expectMessage("Date Format Error", "Illegal Month subfield in 2024 ");
                  f.focus("textb_ChiefOfParty");
                  f.focus("mtextb_ProjectEndDate"); // an empty date has nothing to check
                  f.type("mtextb_ProjectEndDate", "");
                  f.click("cb_1");
              }),
              1);
    EXPECT_EQ(project.header.CreationDate, "20000230");
    EXPECT_EQ(project.header.ProjectStartDate, "200013");
    EXPECT_EQ(project.header.ProjectEndDate, "");
}

TEST_F(FormHeaderInfoTest, CancelAndCloseLeaveTheHeaderAsItWas) {
    project.header = headerFromFile();
    project.newHeader = false;
    const FormHeaderInfoFDXStruct stored = project.header;
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("textb_SubmittingAgencyName", "ANOTHER AGENCY");
                  f.choose("combo_DatumName", 1);
                  f.click("cb_2");
              }),
              0);
    EXPECT_TRUE(project.header == stored);

    project.newHeader = true;
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("mtextb_JobCode", "ZZ");
                  f.closeBox();
              }),
              0);
    EXPECT_TRUE(project.header == stored);
    EXPECT_TRUE(project.newHeader);
}

TEST_F(FormHeaderInfoTest, MoreInformationButtonsShowTheAnnexTables) {
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  toolkit.expectMessage(
                      "Agencies Table",
                      "Enter the approved abbreviation of the organization \n"
                      "        submitting the project to TOV. Approved abbreviations \n"
                      "        are found in Annex C of the Vantry (Pridal 1998). If \n"
                      "        you have a machine readable copy of this annex on your \n"
                      "        computer, you may copy and paste the approved abbreviation \n"
                      "        into this field. If you don't have such a file but wish \n"
                      "        to obtain one, you may download it from the TOV Web Site \n"
                      "        https://www.tov.example/Pridal/Vantry/annexc/annexc.index.html. \n"
                      "        If the submitting organization is not in this list, you must contact \n"
                      "        TOV to make the appropriate arrangements, according to the \n"
                      "        instructions in the Vantry.");
                  f.click("cb_3");
                  EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Information);
                  toolkit.expectMessage("Countries Table",
                                        "Enter the approved state or country code \n"
                                        "        from Annex A of the Vantry (Pridal 1998). If \n"
                                        "        you have a machine readable copy of this annex on your \n"
                                        "        computer, you may copy and paste the approved abbreviation \n"
                                        "        into this field. If you don't have such a file but wish \n"
                                        "        to obtain one, you may download it from the TOV Web Site \n"
                                        "        https://www.tov.example/Pridal/Vantry/annexa/annexa.index.html. \n"
                                        "        If the appropriate code is not in this list, you must contact \n"
                                        "        TOV to make the appropriate arrangements.");
                  f.click("cb_4");
                  EXPECT_TRUE(f.isOpen());
                  f.click("cb_2");
              }),
              0);
}

} // namespace
} // namespace ardel
