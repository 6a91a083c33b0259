#include "editors/station/Form_Station.h"

#include "editors/header/HelpBoxes.h"
#include "model/Lines.h"
#include "support/HeadlessTest.h"
#include "utilities/Defaults.h"

namespace ardel {
namespace {

using ui::Answer;
using ui::HeadlessForm;

using testing::blanks;

// A station as the reader leaves it: SSN, name, latitude 39 45 12.12345 N, longitude
// 077 15 30.50000 W, no elevation, MD, order 1, type 2.
const std::string kHarborLight = "0007" + fit("HARBOR LIGHT", 30) + "39451212345N077153050000W" + blanks(7) + "MD12";

// The same station with an orthometric height of 12.34 m, code A, in offsets 59-65.
const std::string kHarborLightWithElevation = kHarborLight.substr(0, 59) + "  1234A" + kHarborLight.substr(66);

// A heights body with data outside the edited fields: in 19-34, in 46-55 (which a
// rebuilt body drops) and in 56-69.
const std::string kHarborHeights =
    "0007  " + std::string("  12345A21Y88") + "KEPT-MIDDLE-DATA" + "  -3250B21A" + "XXXXXXXXXX" + "KEPT-END-DATA!";

const std::string kHarborFixed = "0007OLDAG " + blanks(54) + "G" + blanks(5);

const std::string kSsnInUse = "Serial Number 0008 cannot be used \r\nbecause it already exists. \n"
                              "Please click OK and correct this error before proceeding.";
const std::string kSsnChanged = "The SSN for this Station Has Changed.\n                One or more session records "
                                "may become invalid.\n                Do you wish to continue?";

std::string serfilOffersId(const std::string& id) {
    return "The SERFIL contains the 4-Character ID\n" + id +
           "\n        for this SSN. Would you like\n        to use this value?";
}

std::string serfilOffersSsn(const std::string& ssn) {
    return "The SERFIL contains the SSN\n" + ssn +
           "\n        for this 4-characterID. Would you like\n        to use this value?";
}

// Enter in a Qt dialog presses the default button and leaves the focus where it is.
void pressEnter(HeadlessForm& f) {
    f.button("cb_OK").events.clicked();
}

class Form_StationTest : public testing::HeadlessTest {
protected:
    Form_StationTest() {
        loadBuiltInDefaults(defaults);
        stations.append(buildStationLine(kHarborLight, "HRBR"));
        stations.append(buildStationLine("0008" + kHarborLight.substr(4), "    "));
        editor.setStationStore(stations);
    }

    int runEditor(ui::HeadlessToolkit::DialogScript script) {
        toolkit.expectDialog("Form_Station", std::move(script));
        return editor.run(bodies, "TOVA", serfil, defaults);
    }

    void openHarborLight() { bodies = {kHarborLight, kHarborHeights, kHarborFixed, "HRBR"}; }

    TextStore stations{4};
    TextStore serfil{4};
    TextStore defaults;
    StationBodies bodies;
    Form_Station editor{toolkit};
};

TEST_F(Form_StationTest, NewStationStartsFromTheDefaultsAndBuildsItsStationBody) {
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  EXPECT_EQ(f.caption(), "Station Information for *80*, *86*, and *90* records");
                  EXPECT_EQ(f.focused(), "textb_SSN");
                  EXPECT_EQ(f.comboBox("combo_LatitudeCode").text(), "N");
                  EXPECT_EQ(f.comboBox("combo_LongitudeCode").text(), "W");
                  EXPECT_EQ(f.comboBox("combo_OrthometricHeightDatum").text(),
                            "88     NORTH AMERICAN VERTICAL DATUM OF 1988");
                  EXPECT_EQ(f.comboBox("combo_EllipsoidalHeightDatum").text(), "A     NORTH AMERICAN DATUM OF 1983");
                  for (const char* empty : {"combo_EllipsoidalHeightCode", "combo_StationOrder", "combo_StationType",
                                            "combo_OrthometricHeightCode", "combo_TOVIDBElevation"}) {
                      EXPECT_EQ(f.comboBox(empty).text(), "") << empty;
                  }
                  EXPECT_EQ(f.textBox("textb_StateOrCountry").text(), "");
                  EXPECT_FALSE(f.checkBox("checkbox_FixStation").isChecked());
                  auto& order = static_cast<ui::HeadlessComboBox&>(f.comboBox("combo_StationType"));
                  EXPECT_TRUE(order.isWidened());

                  f.type("textb_SSN", "0012");
                  f.type("textb_StationName", "HARBOR LIGHT");
                  f.type("textb_Latitude", "394512.123");
                  f.type("textb_Longitude", "0771530.5");
                  EXPECT_EQ(f.textBox("textb_Latitude").text(), "394512.123  ");
                  f.type("textb_StateOrCountry", "MD");
                  toolkit.expectMessage("Countries Table", countriesTableText());
                  f.click("cb_1");
                  f.choose("combo_StationOrder", 1);
                  f.choose("combo_StationType", 3);
                  EXPECT_EQ(f.textBox("textb_Longitude").text(), "0771530.5    ");
                  f.click("cb_OK");
              }),
              1);
    EXPECT_EQ(bodies.station, "0012" + fit("HARBOR LIGHT", 30) + "394512123  N07715305    W" + blanks(7) + "MDBA");
    EXPECT_EQ(bodies.heights, "");
    EXPECT_EQ(bodies.fixed, "");
    EXPECT_EQ(bodies.id, "    ");
    EXPECT_FALSE(editor.heightsChanged());
    EXPECT_FALSE(editor.fixedBoxClicked());
    EXPECT_EQ(toolkit.beeps, 0);
}

TEST_F(Form_StationTest, NewStationWithHeightsAndFixedBoxBuildsAllThreeBodies) {
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("textb_SSN", "0012");
                  f.click("checkbox_FixStation");
                  f.type("textb_Elevation", "12.5");
                  f.choose("combo_TOVIDBElevation", 0);
                  f.choose("combo_OrthometricHeightCode", 0);
                  f.type("textb_OrthometricHeightOrderandClass", "21");
                  f.type("textb_EllipsoidalHeight", "-3.25");
                  EXPECT_EQ(f.textBox("textb_Elevation").text(), "  12.5  ");
                  f.choose("combo_EllipsoidalHeightCode", 1);
                  f.choose("combo_EllipsoidalHeightOrderandClass", 2);
                  EXPECT_EQ(f.textBox("textb_EllipsoidalHeight").text(), "  -3.25 ");
                  f.type("textb_4CharacterID", "LITE");
                  f.click("cb_OK");
              }),
              1);
    EXPECT_TRUE(editor.heightsChanged());
    EXPECT_TRUE(editor.fixedBoxClicked());
    EXPECT_EQ(bodies.heights, "0012  " + std::string("  125  A21Y88") + blanks(16) + "  -325 B21A" + blanks(24));
    EXPECT_EQ(bodies.fixed, "0012TOVA  " + blanks(54) + "G" + blanks(5));
    EXPECT_EQ(bodies.id, "LITE");
    EXPECT_EQ(bodies.station.substr(0, 34), "0012" + blanks(30));
}

TEST_F(Form_StationTest, SsnOfTwoDigitsIsRefusedUntilCorrected) {
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  f.type("textb_SSN", "12");
                  toolkit.expectMessage("Numeric Format Error",
                                        "  12 does not meet the format specification for this field. \n"
                                        "Please click OK and correct this entry before continuing");
                  f.focus("textb_StationName");
                  f.click("cb_OK"); // refused without a word: the focus goes back to the SSN
                  EXPECT_TRUE(f.isOpen());
                  EXPECT_EQ(f.focused(), "textb_SSN");
                  f.type("textb_SSN", "0012");
                  f.click("cb_OK");
              }),
              1);
    EXPECT_EQ(bodies.station.substr(0, 4), "0012");
}

TEST_F(Form_StationTest, SsnInUseIsRefusedAndTheSerfilIdStillOffered) {
    serfil.append("0008   BEAC");
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  f.type("textb_SSN", "0008");
                  toolkit.expectMessage("SSN Error", kSsnInUse);
                  toolkit.expectMessage("SERFIL", serfilOffersId("BEAC"), Answer::Yes);
                  f.focus("textb_StationName");
                  EXPECT_EQ(f.focused(), "textb_SSN");
                  EXPECT_EQ(f.textBox("textb_4CharacterID").text(), "BEAC");
                  // Leaving the SSN again tests it again; the ID is already the SERFIL's.
                  toolkit.expectMessage("SSN Error", kSsnInUse);
                  f.click("cb_OK");
                  EXPECT_TRUE(f.isOpen());
                  // Enter with the focus in the SSN tests it before saving.
                  f.type("textb_SSN", "0008");
                  toolkit.expectMessage("SSN Error", kSsnInUse);
                  pressEnter(f);
                  EXPECT_TRUE(f.isOpen());
                  f.type("textb_SSN", "0013");
                  pressEnter(f);
              }),
              1);
    EXPECT_EQ(bodies.station.substr(0, 4), "0013");
    EXPECT_EQ(bodies.id, "BEAC");
}

TEST_F(Form_StationTest, TypedIdOffersItsSerfilSsnUnlessAnotherStationHasIt) {
    serfil.append("0044   WXYZ");
    serfil.append("0008   BEAC");
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  // Leaving the empty SSN of a new station already complains.
                  toolkit.expectMessage("Numeric Format Error",
                                        "     does not meet the format specification for this field. \n"
                                        "Please click OK and correct this entry before continuing");
                  f.type("textb_4CharacterID", "wxyz"); // the ID is compared exactly
                  toolkit.expectMessage("SERFIL", serfilOffersSsn("0008"), Answer::Yes);
                  toolkit.expectMessage("SSN Error",
                                        "Serial Number 0008 cannot be used \r\nbecause it already exists.");
                  f.type("textb_4CharacterID", "BEAC");
                  EXPECT_EQ(f.textBox("textb_SSN").text(), "");
                  toolkit.expectMessage("SERFIL", serfilOffersSsn("0044"), Answer::Yes);
                  f.type("textb_4CharacterID", "WXYZ");
                  EXPECT_EQ(f.textBox("textb_SSN").text(), "0044");
                  f.focus("textb_SSN");
                  f.click("cb_OK");
              }),
              1);
    EXPECT_EQ(bodies.station.substr(0, 4), "0044");
    EXPECT_EQ(bodies.id, "WXYZ");
}

// Opening fires no event in effect: neither the ID filled in (which the SERFIL pairs with
// another SSN) nor the heights filled in ask anything or count as a change.
TEST_F(Form_StationTest, UnchangedStationKeepsItsHeightsAndFixedBodies) {
    serfil.append("0099   HRBR");
    openHarborLight();
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  EXPECT_EQ(f.focused(), "textb_SSN");
                  EXPECT_EQ(f.textBox("textb_SSN").text(), "0007");
                  EXPECT_EQ(f.textBox("textb_StationName").text(), "HARBOR LIGHT");
                  EXPECT_EQ(f.textBox("textb_Latitude").text(), "394512.12345");
                  EXPECT_EQ(f.textBox("textb_Longitude").text(), "0771530.50000");
                  EXPECT_EQ(f.textBox("textb_Elevation").text(), "  12.345");
                  EXPECT_EQ(f.textBox("textb_EllipsoidalHeight").text(), "  -3.250");
                  EXPECT_EQ(f.textBox("textb_OrthometricHeightOrderandClass").text(), "21");
                  EXPECT_EQ(f.comboBox("combo_TOVIDBElevation").text(), "Y");
                  EXPECT_EQ(f.comboBox("combo_OrthometricHeightDatum").text(),
                            "88     NORTH AMERICAN VERTICAL DATUM OF 1988");
                  EXPECT_EQ(f.comboBox("combo_EllipsoidalHeightOrderandClass").text(), "21  Second Order, Class I");
                  EXPECT_EQ(f.comboBox("combo_StationType").selectedIndex(), 1);
                  EXPECT_TRUE(f.checkBox("checkbox_FixStation").isChecked());
                  f.click("cb_OK");
              }),
              1);
    EXPECT_EQ(bodies.station, kHarborLight);
    EXPECT_EQ(bodies.heights, kHarborHeights);
    EXPECT_EQ(bodies.fixed, kHarborFixed);
    EXPECT_EQ(bodies.id, "HRBR");
    EXPECT_FALSE(editor.heightsChanged());
    EXPECT_FALSE(editor.fixedBoxClicked());
    EXPECT_EQ(toolkit.beeps, 0);
}

TEST_F(Form_StationTest, ChangedHeightsRebuildTheHeightsBodyKeepingItsOtherColumns) {
    openHarborLight();
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("textb_OrthometricHeightOrderandClass", "22");
                  f.click("cb_OK");
              }),
              1);
    EXPECT_TRUE(editor.heightsChanged());
    EXPECT_EQ(bodies.heights, "0007    12345A22Y88KEPT-MIDDLE-DATA  -3250B21A" + blanks(10) + "KEPT-END-DATA!");

    // Codes that no item begins with stay in the lists that take typing.
    openHarborLight();
    bodies.heights.replace(42, 3, "X99");
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  EXPECT_EQ(f.comboBox("combo_EllipsoidalHeightCode").text(), "X");
                  f.type("textb_Elevation", "7");
                  f.click("cb_OK");
              }),
              1);
    EXPECT_EQ(bodies.heights, "0007     7   A21Y88KEPT-MIDDLE-DATA  -3250X99A" + blanks(10) + "KEPT-END-DATA!");
}

TEST_F(Form_StationTest, ElevationReadWithTheStationMovesIntoANewHeightsBody) {
    bodies = {kHarborLightWithElevation, "", "", "    "};
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  EXPECT_EQ(f.textBox("textb_Elevation").text(), "  12.34 ");
                  EXPECT_EQ(f.comboBox("combo_OrthometricHeightCode").selectedIndex(), 0);
                  EXPECT_EQ(f.textBox("textb_4CharacterID").text(), "");
                  f.click("cb_OK");
              }),
              1);
    EXPECT_TRUE(editor.heightsChanged());
    EXPECT_EQ(bodies.station, kHarborLight);
    EXPECT_EQ(bodies.heights, "0007    1234 A" + blanks(5) + blanks(16) + blanks(11) + blanks(24));
    EXPECT_EQ(bodies.fixed, "");
    EXPECT_EQ(bodies.id, "    ");
}

TEST_F(Form_StationTest, FixedBoxUncheckedRemovesAndCheckedAgainRebuildsTheFixedBody) {
    openHarborLight();
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.click("checkbox_FixStation");
                  f.click("cb_OK");
              }),
              1);
    EXPECT_TRUE(editor.fixedBoxClicked());
    EXPECT_EQ(bodies.fixed, "");

    openHarborLight();
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.click("checkbox_FixStation");
                  f.click("checkbox_FixStation");
                  f.click("cb_OK");
              }),
              1);
    EXPECT_TRUE(editor.fixedBoxClicked());
    EXPECT_EQ(bodies.fixed, "0007TOVA  " + blanks(54) + "G" + blanks(5));
    EXPECT_EQ(bodies.heights, kHarborHeights);
}

TEST_F(Form_StationTest, ChangedSsnOfAStationIsWarnedAboutAndLeavesItsOtherBodies) {
    openHarborLight();
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  f.type("textb_SSN", "0009");
                  toolkit.expectMessage("Warning", kSsnChanged, Answer::No);
                  f.click("cb_OK");
                  EXPECT_TRUE(f.isOpen());
                  EXPECT_EQ(f.textBox("textb_SSN").text(), "0009");
                  toolkit.expectMessage("Warning", kSsnChanged, Answer::Yes);
                  f.click("cb_OK");
              }),
              1);
    EXPECT_EQ(bodies.station, "0009" + kHarborLight.substr(4));
    EXPECT_EQ(bodies.heights, kHarborHeights);
    EXPECT_EQ(bodies.fixed, kHarborFixed);
    EXPECT_FALSE(editor.heightsChanged());
    EXPECT_FALSE(editor.fixedBoxClicked());
}

TEST_F(Form_StationTest, SerfilSsnChosenForAnExistingStationIsWarnedAboutOnSave) {
    serfil.append("0044   WXYZ");
    serfil.append("0007   HRBR");
    openHarborLight();
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  toolkit.expectMessage("SERFIL", serfilOffersSsn("0044"), Answer::Yes);
                  f.type("textb_4CharacterID", "WXYZ");
                  toolkit.expectMessage("Warning", kSsnChanged, Answer::Yes);
                  f.click("cb_OK");
              }),
              1);
    EXPECT_EQ(bodies.station, "0044" + kHarborLight.substr(4));
    EXPECT_EQ(bodies.id, "WXYZ");
}

TEST_F(Form_StationTest, SsnOfAnotherStationIsRefusedForAnExistingStation) {
    openHarborLight();
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  f.type("textb_SSN", "0008");
                  toolkit.expectMessage("SSN Error", kSsnInUse);
                  f.focus("textb_StationName");
                  EXPECT_EQ(f.focused(), "textb_SSN");
                  pressEnter(f); // no second test: the SSN has not changed since
                  EXPECT_TRUE(f.isOpen());
                  f.type("textb_SSN", "0007"); // its own SSN is no duplicate
                  toolkit.expectMessage("Warning", kSsnChanged, Answer::Yes);
                  f.click("cb_OK");
              }),
              1);
    EXPECT_EQ(bodies.station, kHarborLight);
}

TEST_F(Form_StationTest, LatitudeWithoutDegreesIsLaidOutWithBlanksAndTheBeepRulesApply) {
    openHarborLight();
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  f.type("textb_Latitude", "x");
                  EXPECT_EQ(toolkit.beeps, 1);
                  f.press("textb_Latitude", '\b'); // the text has become empty: no beep
                  f.typeMore("textb_Latitude", "4512.5");
                  EXPECT_EQ(toolkit.beeps, 1);
                  f.type("textb_Elevation", "+");
                  f.typeMore("textb_Elevation", "1a");
                  EXPECT_EQ(toolkit.beeps, 2);
                  f.press("textb_Elevation", '\b');
                  EXPECT_EQ(f.textBox("textb_Latitude").text(), "  4512.5    ");
                  f.focus("textb_Longitude");
                  EXPECT_EQ(f.textBox("textb_Elevation").text(), "  +1.   ");
                  f.click("cb_OK");
              }),
              1);
    EXPECT_EQ(bodies.station.substr(34, 12), "  45125    N");
    EXPECT_EQ(bodies.heights.substr(0, 19), "0007    +1   A21Y88");
}

TEST_F(Form_StationTest, FlagsOfAnEarlierShowingAreClearedWhenTheDialogOpens) {
    openHarborLight();
    EXPECT_EQ(runEditor([this](HeadlessForm& f) {
                  f.type("textb_SSN", "12");
                  toolkit.expectMessage("Numeric Format Error",
                                        "  12 does not meet the format specification for this field. \n"
                                        "Please click OK and correct this entry before continuing");
                  f.click("checkbox_FixStation");
                  f.type("textb_Elevation", "5");
                  f.closeBox();
              }),
              0);
    EXPECT_EQ(bodies.station, kHarborLight);
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  EXPECT_EQ(f.textBox("textb_SSN").text(), "0007");
                  pressEnter(f);
              }),
              1);
    EXPECT_FALSE(editor.heightsChanged());
    EXPECT_FALSE(editor.fixedBoxClicked());
    EXPECT_EQ(bodies.station, kHarborLight);

    // A new station after an existing one starts from empty fields and the defaults.
    bodies = {};
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  EXPECT_EQ(f.textBox("textb_StationName").text(), "");
                  EXPECT_EQ(f.textBox("textb_Elevation").text(), "");
                  EXPECT_EQ(f.comboBox("combo_TOVIDBElevation").selectedIndex(), -1);
                  EXPECT_FALSE(f.checkBox("checkbox_FixStation").isChecked());
                  f.closeBox();
              }),
              0);
}

} // namespace
} // namespace ardel
