#include "editors/header/FormHeaderInfo.h"

#include "support/HeadlessTest.h"

namespace ardel {

// Failing comparisons of two headers name every field.
void PrintTo(const FormHeaderInfoFDXStruct& h, std::ostream* out) {
    for (const std::string* field : {&h.CreationDate,
                                     &h.JobCode,
                                     &h.SubmittingAgencyAbbreviation,
                                     &h.SubmittingAgencyName,
                                     &h.AssignedNumber,
                                     &h.ProjectTitle,
                                     &h.ProjectStartDate,
                                     &h.ProjectEndDate,
                                     &h.ChiefOfParty,
                                     &h.ChiefOfPartyInitials,
                                     &h.SecondChiefOfParty,
                                     &h.SecondChiefOfPartyInitials,
                                     &h.PrimaryStateOrCountry,
                                     &h.OrderAndClass,
                                     &h.DatumName,
                                     &h.EllipsoidName,
                                     &h.SemiMajorAxis,
                                     &h.InverseFlattening,
                                     &h.SemiMinorAxis,
                                     &h.TypeOfSurvey}) {
        *out << "[" << *field << "]";
    }
}

namespace {

using ui::HeadlessForm;

class FormHeaderInfoTest : public testing::HeadlessTest {
protected:
    // The editor run on `header`; the script drives the dialog.
    int runEditor(ui::HeadlessToolkit::DialogScript script) {
        toolkit.expectDialog("FormHeaderInfo", std::move(script));
        return editor.run(header, newHeader);
    }

    void expectWarning(const std::string& field) {
        toolkit.expectMessage("Warning!!", "Warning -- the current contents of \n"
                                           "            the " +
                                               field +
                                               " field are not \n"
                                               "            recognized. Please select a new \n"
                                               "            value from the drop down box. \n");
    }

    FormHeaderInfo editor{toolkit};
    FormHeaderInfoFDXStruct header;
    bool newHeader = true;
};

// A header as the reader leaves it: fixed-width fields with their trailing blanks.
FormHeaderInfoFDXStruct headerFromFile() {
    FormHeaderInfoFDXStruct read;
    read.CreationDate = "20240115";
    read.JobCode = "GP";
    read.SubmittingAgencyAbbreviation = "TOVA  ";
    read.SubmittingAgencyName = "TOVARIN SURVEY OFFICE                     ";
    read.AssignedNumber = "      ";
    read.ProjectTitle = "HARBOR CONTROL SURVEY" + std::string(49, ' ');
    read.ProjectStartDate = "202311";
    read.ProjectEndDate = "202401";
    read.ChiefOfParty = "J SMITH           ";
    read.ChiefOfPartyInitials = "JSM";
    read.SecondChiefOfParty = "                  ";
    read.SecondChiefOfPartyInitials = "   ";
    read.PrimaryStateOrCountry = "MD";
    read.OrderAndClass = "B0";
    read.TypeOfSurvey = "4";
    read.DatumName = "WORLD GEODETIC SYS.-84  ";
    read.EllipsoidName = "STORED ELLIPSOID";
    read.SemiMajorAxis = "6378137001";
    read.InverseFlattening = "2982572236";
    read.SemiMinorAxis = "6356752314";
    return read;
}

TEST_F(FormHeaderInfoTest, NewHeaderStartsWithGpsAndNad83AndSaves) {
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  EXPECT_EQ(f.caption(), "Add/Modify Header and Project Information");
                  EXPECT_EQ(f.comboBox("combo_TypeOfSurvey").text(), "4 - Global Positioning System");
                  EXPECT_EQ(f.comboBox("combo_OrderAndClass").selectedIndex(), -1);
                  EXPECT_EQ(f.comboBox("combo_DatumName").text(), "NORTH AMERICAN DATUM-83 ");
                  EXPECT_EQ(f.textBox("textb_DatumName").text(), "NORTH AMERICAN DATUM-83 ");
                  f.type("mtextb_JobCode", "GP");
                  f.click("cb_1"); // leaving the empty creation date checks nothing
              }),
              1);
    EXPECT_FALSE(newHeader);
    EXPECT_EQ(header.JobCode, "GP");
    EXPECT_EQ(header.TypeOfSurvey, "4 - Global Positioning System");
    EXPECT_EQ(header.OrderAndClass, "");
    EXPECT_EQ(header.DatumName, "NORTH AMERICAN DATUM-83 ");
    EXPECT_EQ(header.EllipsoidName, "GRS-80          ");
    EXPECT_EQ(header.SemiMajorAxis, "6378137000");
    EXPECT_EQ(header.InverseFlattening, "2982572221");
    EXPECT_EQ(header.SemiMinorAxis, "");
    EXPECT_EQ(header.ProjectTitle, "");

    // Opened again as a stored header: the empty order and class stays empty (it
    // would begin the first item's text), and saving changes nothing but the blanks
    // that opening removes from the ellipsoid name (the writer pads it again).
    FormHeaderInfoFDXStruct saved = header;
    saved.EllipsoidName = "GRS-80";
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  EXPECT_EQ(f.comboBox("combo_OrderAndClass").selectedIndex(), -1);
                  f.click("cb_1");
              }),
              1);
    EXPECT_EQ(header, saved);
}

TEST_F(FormHeaderInfoTest, StoredHeaderOpensWithItsItemsAndKeepsItsEllipsoid) {
    header = headerFromFile();
    newHeader = false;
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
    EXPECT_EQ(header.TypeOfSurvey, "4 - Global Positioning System");
    EXPECT_EQ(header.OrderAndClass, "B0 - B Order Interferometric Positioning");
    EXPECT_EQ(header.DatumName, "WORLD GEODETIC SYS.-84  ");
    EXPECT_EQ(header.EllipsoidName, "STORED ELLIPSOID"); // the lookup does not run on opening
    EXPECT_EQ(header.SemiMajorAxis, "6378137001");
    EXPECT_EQ(header.SemiMinorAxis, "6356752314");
    EXPECT_EQ(header.SubmittingAgencyAbbreviation, "TOVA");
    EXPECT_EQ(header.SubmittingAgencyName, "TOVARIN SURVEY OFFICE");
    EXPECT_EQ(header.AssignedNumber, "");
    EXPECT_EQ(header.ProjectTitle, "HARBOR CONTROL SURVEY");
    EXPECT_EQ(header.CreationDate, "20240115");
    EXPECT_EQ(header.ProjectStartDate, "202311");
    EXPECT_EQ(header.ChiefOfParty, "J SMITH");
}

TEST_F(FormHeaderInfoTest, UnrecognizedStoredValuesWarnInTurn) {
    header = headerFromFile();
    header.TypeOfSurvey = "9";
    header.OrderAndClass = "99";
    header.DatumName = "NAD 83                  ";
    header.EllipsoidName = "";
    newHeader = false;
    expectWarning("Type of Survey");
    expectWarning("Order and Class");
    expectWarning("Datum Name");
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Warning);
                  EXPECT_EQ(f.comboBox("combo_TypeOfSurvey").selectedIndex(), -1);
                  EXPECT_EQ(f.comboBox("combo_OrderAndClass").selectedIndex(), -1);
                  EXPECT_EQ(f.comboBox("combo_DatumName").selectedIndex(), -1);
                  f.click("cb_1");
              }),
              1);
    EXPECT_EQ(header.TypeOfSurvey, "");
    EXPECT_EQ(header.OrderAndClass, "");
    EXPECT_EQ(header.DatumName, "NAD 83"); // a typed datum survives a later save
    EXPECT_EQ(header.SemiMajorAxis, "6378137001");
}

TEST_F(FormHeaderInfoTest, ChosenDatumFillsInItsEllipsoidAndATypedOneClearsIt) {
    const auto ellipsoidOf = [](HeadlessForm& f) {
        return f.textBox("textb_EllipsoidName").text() + "|" + f.textBox("textb_SemiMajorAxis").text() + "|" +
               f.textBox("textb_InverseFlattening").text() + "|" + f.textBox("textb_SemiMinorAxis").text();
    };
    EXPECT_EQ(runEditor([&](HeadlessForm& f) {
                  f.choose("combo_DatumName", 1);
                  EXPECT_EQ(ellipsoidOf(f), "WGS-72          |6378135000|29826     |");
                  f.choose("combo_DatumName", 3);
                  EXPECT_EQ(ellipsoidOf(f), "CLARK 1866      |6378206400|2949786982|");
                  f.type("combo_DatumName", "NORTH AMERICAN DATUM-83"); // without its trailing blank
                  EXPECT_EQ(ellipsoidOf(f), "|||");
                  f.typeMore("combo_DatumName", " ");
                  EXPECT_EQ(ellipsoidOf(f), "GRS-80          |6378137000|2982572221|");
                  f.type("combo_DatumName", "NAD 83");
                  EXPECT_EQ(ellipsoidOf(f), "|||");
                  f.click("cb_1");
              }),
              1);
    EXPECT_EQ(header.DatumName, "NAD 83");
    EXPECT_EQ(header.EllipsoidName + header.SemiMajorAxis + header.InverseFlattening + header.SemiMinorAxis, "");

    // The same editor object opened on a new header starts afresh.
    newHeader = true;
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  EXPECT_EQ(f.comboBox("combo_DatumName").text(), "NORTH AMERICAN DATUM-83 ");
                  EXPECT_EQ(f.textBox("textb_EllipsoidName").text(), "GRS-80          ");
              }),
              0);
}

TEST_F(FormHeaderInfoTest, JobCodeIsStoredInCapitals) {
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("mtextb_JobCode", "gp");
                  EXPECT_EQ(f.displayText("mtextb_JobCode"), "GP");
                  f.click("cb_1");
              }),
              1);
    EXPECT_EQ(header.JobCode, "GP");
}

TEST_F(FormHeaderInfoTest, TitleIsSavedAsTheBoxShowsItsLines) {
    const std::string words = "GEODETIC CONTROL SURVEY OF THE NORTHERN HARBOR AREA FOR THE PORT AUTHORITY AND CITY";
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("textb_ProjectTitle", "HARBOR SURVEY\nPHASE II");
                  f.click("cb_1");
              }),
              1);
    EXPECT_EQ(header.ProjectTitle, "HARBOR SURVEY\r\nPHASE II");

    EXPECT_EQ(runEditor([&](HeadlessForm& f) {
                  f.type("textb_ProjectTitle", words);
                  EXPECT_EQ(f.textBox("textb_ProjectTitle").lineCount(), 2);
                  f.click("cb_1");
              }),
              1);
    // Wrapped after "AUTHORITY " at 70 columns; the blank the wrap leaves is dropped.
    EXPECT_EQ(header.ProjectTitle,
              "GEODETIC CONTROL SURVEY OF THE NORTHERN HARBOR AREA FOR THE PORT\r\nAUTHORITY AND CITY");

    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("textb_ProjectTitle", "");
                  f.click("cb_1");
              }),
              1);
    EXPECT_EQ(header.ProjectTitle, "");
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
                  f.type("mtextb_ProjectEndDate", "202412");
                  f.click("cb_1");
              }),
              1);
    EXPECT_EQ(header.CreationDate, "20000230");
    EXPECT_EQ(header.ProjectStartDate, "200013");
    EXPECT_EQ(header.ProjectEndDate, "202412");
}

TEST_F(FormHeaderInfoTest, CancelAndCloseLeaveTheHeaderAsItWas) {
    header = headerFromFile();
    newHeader = false;
    const FormHeaderInfoFDXStruct stored = header;
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("textb_SubmittingAgencyName", "ANOTHER AGENCY");
                  f.choose("combo_DatumName", 1);
                  f.click("cb_2");
              }),
              0);
    EXPECT_EQ(header, stored);
    EXPECT_FALSE(newHeader);

    newHeader = true;
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("mtextb_JobCode", "ZZ");
                  f.closeBox();
              }),
              0);
    EXPECT_EQ(header, stored);
    EXPECT_TRUE(newHeader);
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
