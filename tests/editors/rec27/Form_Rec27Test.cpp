#include "editors/rec27/Form_Rec27.h"

#include "support/HeadlessTest.h"
#include "utilities/Defaults.h"

namespace ardel {
namespace {

using ui::HeadlessForm;

using testing::blanks;

const std::string kCaption = "GPS Occupation Measurement (*27* record) Data";

class FormRec27Test : public testing::HeadlessTest {
protected:
    int runEditor(std::string& entry, ui::HeadlessToolkit::DialogScript script) {
        toolkit.expectDialog("Form_Rec27", std::move(script));
        return editor.run(entry, defaults);
    }

    // The humidity text that Compute gives for these measurements and codes.
    std::string computedHumidity(const std::string& dry, int dryCode, const std::string& wet, int wetCode,
                                 const std::string& pressure, int pressureCode) {
        std::string humidity;
        std::string entry;
        runEditor(entry, [&](HeadlessForm& f) {
            f.type("textb_DryBulbTemperature", dry);
            f.choose("combo_DryBulbTemperatureCode", dryCode);
            f.type("textb_WetBulbTemperature", wet);
            f.choose("combo_WetBulbTemperatureCode", wetCode);
            f.type("textb_BarometricPressure", pressure);
            f.choose("combo_BarometricPressureCode", pressureCode);
            f.click("cb_Compute");
            humidity = f.textBox("textb_RelativeHumidity").text();
            f.click("cb_Cancel");
        });
        return humidity;
    }

    void expectComputeRefused(const std::string& text) {
        toolkit.expectMessage("Error", "Cannot Compute Humidity. " + text + " must be given.");
    }

    TextStore defaults;
    Form_Rec27 editor{toolkit};
};

constexpr int kCelsius = 0;
constexpr int kFahrenheit = 1;
constexpr int kMillibars = 0;
constexpr int kMillimetres = 1;
constexpr int kInches = 2;

// A new measurement with the built-in defaults, typed field by field: each number is
// laid out on leaving its field and lands in its columns of the entry.
TEST_F(FormRec27Test, NewEntryTakesTheDefaultsAndLaysOutEachMeasurement) {
    loadBuiltInDefaults(defaults);
    std::string entry;
    EXPECT_EQ(runEditor(entry,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.caption(), kCaption);
                            EXPECT_EQ(f.focused(), "mtextb_Date");
                            EXPECT_EQ(f.comboBox("combo_DryBulbTemperatureCode").text(), "F");
                            EXPECT_EQ(f.comboBox("combo_WetBulbTemperatureCode").text(), "F");
                            EXPECT_EQ(f.comboBox("combo_BarometricPressureCode").text(), "IN - Inches of Mercury");
                            for (const char* list : {"combo_Problem", "combo_Visibility", "combo_Temperature",
                                                     "combo_CloudCover", "combo_Wind"}) {
                                EXPECT_EQ(f.comboBox(list).text().front(), '0') << list;
                            }
                            EXPECT_EQ(f.textBox("textb_AntennaHeight").text(), "");
                            f.type("mtextb_Date", "990105");
                            f.type("mtextb_Time", "1230");
                            f.type("textb_AntennaHeight", "1.5");
                            f.type("textb_DryBulbTemperature", "20");
                            EXPECT_EQ(f.textBox("textb_AntennaHeight").text(), " 1.500");
                            f.type("textb_WetBulbTemperature", "-5.5");
                            f.type("textb_BarometricPressure", "1013.2");
                            f.focus("textb_RelativeHumidity");
                            EXPECT_EQ(f.textBox("textb_DryBulbTemperature").text(), " 20.");
                            EXPECT_EQ(f.textBox("textb_WetBulbTemperature").text(), " -5.5");
                            EXPECT_EQ(f.textBox("textb_BarometricPressure").text(), "1013.2");
                            f.choose("combo_Wind", 3);
                            f.click("cb_OK");
                        }),
              1);
    const std::string expected = std::string("990105") + "1230" + " 1" + "500" + " 20" + " " + "F" + " -5" + "5" + "F" +
                                 "  " + " " + "1013" + "2 " + "IN" + "0000" + "2";
    ASSERT_EQ(expected.size(), 41u);
    EXPECT_EQ(entry, expected);
    EXPECT_EQ(toolkit.beeps, 0);
}

TEST_F(FormRec27Test, DefaultsSelectByTheirValueAndAnEmptyValueSelectsNothing) {
    defaults.assign({"Dry Bulb Temperature Code=", "Weather Code Wind Indicator=1"});
    std::string entry;
    runEditor(entry, [](HeadlessForm& f) {
        EXPECT_EQ(f.comboBox("combo_DryBulbTemperatureCode").selectedIndex(), -1);
        EXPECT_EQ(f.comboBox("combo_Wind").text(), "1 - Moderate (5 to 15 MPH)");
        EXPECT_EQ(f.comboBox("combo_Problem").selectedIndex(), -1);
        f.click("cb_OK");
    });
    EXPECT_EQ(entry, blanks(40) + "1");
}

// Saved with nothing given, the entry is all blanks; reopened, the date and time are
// empty, each number reads as its empty field's layout, and saving once more gives
// the same characters. A full entry comes back the same way.
TEST_F(FormRec27Test, ReopeningAnEntryAndSavingItGivesTheSameCharacters) {
    std::string entry;
    EXPECT_EQ(runEditor(entry, [](HeadlessForm& f) { f.click("cb_OK"); }), 1);
    EXPECT_EQ(entry, blanks(41));
    runEditor(entry, [](HeadlessForm& f) {
        EXPECT_EQ(f.textBox("mtextb_Date").text(), "");
        EXPECT_EQ(f.textBox("mtextb_Time").text(), "");
        EXPECT_EQ(f.textBox("textb_DryBulbTemperature").text(), "   .");
        EXPECT_EQ(f.textBox("textb_BarometricPressure").text(), "    .");
        EXPECT_EQ(f.comboBox("combo_DryBulbTemperatureCode").selectedIndex(), -1);
        EXPECT_EQ(f.comboBox("combo_Wind").text(), "  - <no information>");
        f.focus("textb_AntennaHeight"); // tabbed through: its blanks stay blanks
        f.focus("textb_DryBulbTemperature");
        f.click("cb_OK");
    });
    EXPECT_EQ(entry, blanks(41));
    entry = "991231"
            "2359"
            " 1"
            "5  " +
            blanks(26);
    runEditor(entry, [](HeadlessForm& f) {
        f.focus("textb_AntennaHeight");
        f.focus("mtextb_Date");
        EXPECT_EQ(f.textBox("textb_AntennaHeight").text(), " 1.5  ");
        f.click("cb_OK");
    });
    EXPECT_EQ(entry.substr(10, 5), " 15  ");

    const std::string full = "991231"
                             "2359"
                             "12"
                             "345"
                             "-10"
                             "5"
                             "C"
                             " -9"
                             "0"
                             "C"
                             "58"
                             "8"
                             "1013"
                             "25"
                             "MB"
                             "01212";
    ASSERT_EQ(full.size(), 41u);
    entry = full;
    runEditor(entry, [](HeadlessForm& f) {
        EXPECT_EQ(f.textBox("mtextb_Date").text(), "991231");
        EXPECT_EQ(f.textBox("textb_AntennaHeight").text(), "12.345");
        EXPECT_EQ(f.textBox("textb_DryBulbTemperature").text(), "-10.5");
        EXPECT_EQ(f.textBox("textb_WetBulbTemperature").text(), " -9.0");
        EXPECT_EQ(f.textBox("textb_RelativeHumidity").text(), "58.8");
        EXPECT_EQ(f.textBox("textb_BarometricPressure").text(), "1013.25");
        EXPECT_EQ(f.comboBox("combo_BarometricPressureCode").text(), "MB - Millibars");
        EXPECT_EQ(f.comboBox("combo_Visibility").text(), "1 - Fair (7 to 15 mi.)");
        f.click("cb_OK");
    });
    EXPECT_EQ(entry, full);
}

TEST_F(FormRec27Test, CancelLeavesTheEntryAsItWas) {
    std::string entry = "990105"
                        "1230" +
                        blanks(31);
    const std::string before = entry;
    EXPECT_EQ(runEditor(entry,
                        [](HeadlessForm& f) {
                            f.type("mtextb_Time", "0815");
                            f.click("cb_Cancel");
                        }),
              0);
    EXPECT_EQ(entry, before);
}

TEST_F(FormRec27Test, HumidityIsComputedFromEitherUnitOfTemperatureAndPressure) {
    EXPECT_EQ(computedHumidity("20", kCelsius, "15", kCelsius, "1013.25", kMillibars), "58.8");
    EXPECT_EQ(computedHumidity("68", kFahrenheit, "59", kFahrenheit, "29.92", kInches), "58.8");
    EXPECT_EQ(computedHumidity("20", kCelsius, "15", kCelsius, "760", kMillimetres), "58.8");
    EXPECT_EQ(computedHumidity("12.5", kCelsius, "12.5", kCelsius, "1000", kMillibars), "99.9");
    EXPECT_EQ(computedHumidity("30", kCelsius, "10", kCelsius, "1000", kMillibars), "**.*");
}

// A negative humidity is shown as "**.*" and saved so: two asterisks as the whole
// percent, one as the tenths.
TEST_F(FormRec27Test, AnImpossibleHumidityIsSavedAsAsterisks) {
    std::string entry;
    runEditor(entry, [](HeadlessForm& f) {
        f.type("textb_DryBulbTemperature", "30");
        f.choose("combo_DryBulbTemperatureCode", kCelsius);
        f.type("textb_WetBulbTemperature", "10");
        f.choose("combo_WetBulbTemperatureCode", kCelsius);
        f.type("textb_BarometricPressure", "1000");
        f.choose("combo_BarometricPressureCode", kMillibars);
        f.click("cb_Compute");
        f.click("cb_OK");
    });
    EXPECT_EQ(entry.substr(25, 3), "***");
}

// Compute asks for the three measurements, then for their three codes, one
// message at a time; a field left empty (laid out as "   .") counts as not given.
TEST_F(FormRec27Test, ComputeRefusesUntilEveryInputIsGivenInItsOrder) {
    std::string entry;
    runEditor(entry, [this](HeadlessForm& f) {
        expectComputeRefused("Dry Bulb Temperature");
        f.click("cb_Compute");
        f.focus("textb_DryBulbTemperature");
        f.focus("textb_WetBulbTemperature");
        EXPECT_EQ(f.textBox("textb_DryBulbTemperature").text(), "   .");
        expectComputeRefused("Dry Bulb Temperature");
        f.click("cb_Compute");
        f.type("textb_DryBulbTemperature", "20");
        expectComputeRefused("Wet Bulb Temperature");
        f.click("cb_Compute");
        f.type("textb_WetBulbTemperature", "15");
        expectComputeRefused("Barometric Pressure");
        f.click("cb_Compute");
        f.type("textb_BarometricPressure", "1013.25");
        expectComputeRefused("Dry Bulb Temperature Code");
        f.click("cb_Compute");
        f.choose("combo_DryBulbTemperatureCode", kCelsius);
        expectComputeRefused("Wet Bulb Temperature Code");
        f.click("cb_Compute");
        f.choose("combo_WetBulbTemperatureCode", kCelsius);
        expectComputeRefused("Barometric Pressure Code");
        f.click("cb_Compute");
        EXPECT_EQ(f.textBox("textb_RelativeHumidity").text(), "");
        f.choose("combo_BarometricPressureCode", kMillibars);
        f.click("cb_Compute");
        EXPECT_EQ(f.textBox("textb_RelativeHumidity").text(), "58.8");
        f.click("cb_Cancel");
    });
}

// A character no number has beeps and stays; a height with four decimals is refused
// on leaving and kept as typed; Enter (Save with the focus in the field) lays out
// what is typed as leaving it would.
TEST_F(FormRec27Test, NumberFieldsBeepAndRefuseAsTyped) {
    std::string entry;
    runEditor(entry, [this](HeadlessForm& f) {
        f.type("textb_AntennaHeight", "1x");
        EXPECT_EQ(toolkit.beeps, 1);
        EXPECT_EQ(f.textBox("textb_AntennaHeight").text(), "1x");
        f.type("textb_AntennaHeight", "1.2345");
        toolkit.expectMessage("Number Format Error",
                              "The field 1.2345 has too many characters after the decimal point.");
        f.focus("textb_DryBulbTemperature");
        EXPECT_EQ(f.textBox("textb_AntennaHeight").text(), "1.2345");
        f.type("textb_BarometricPressure", "-1");
        EXPECT_EQ(toolkit.beeps, 2);
        f.type("textb_BarometricPressure", "29.9");
        f.click("cb_OK");
    });
    EXPECT_EQ(entry.substr(10, 5), "1.345"); // characters 0-1 and 3-5 of the text as it stands
    EXPECT_EQ(entry.substr(28, 6), "  299 ");
}

// The masks let only digits in, but a date or time must also name a real day and
// minute: a wrong or incomplete one is refused with the focus back on it.
TEST_F(FormRec27Test, ADateOrTimeThatNamesNoRealInstantIsRefused) {
    std::string entry;
    EXPECT_EQ(runEditor(entry,
                        [this](HeadlessForm& f) {
                            f.type("mtextb_Date", "991305");
                            f.type("mtextb_Time", "1230");
                            toolkit.expectMessage(
                                "Date Error",
                                "The UTC date 991305 is not a valid date (YYMMDD). \nPlease correct it before saving.");
                            f.click("cb_OK");
                            EXPECT_TRUE(f.isOpen());
                            EXPECT_EQ(f.focused(), "mtextb_Date");
                            f.type("mtextb_Date", "0002");
                            toolkit.expectMessage(
                                "Date Error",
                                "The UTC date 0002 is not a valid date (YYMMDD). \nPlease correct it before saving.");
                            f.click("cb_OK");
                            f.type("mtextb_Date", "000229");
                            f.type("mtextb_Time", "2460");
                            toolkit.expectMessage(
                                "Time Error",
                                "The UTC time 2460 is not a valid time (HHMM). \nPlease correct it before saving.");
                            f.click("cb_OK");
                            EXPECT_EQ(f.focused(), "mtextb_Time");
                            f.type("mtextb_Time", "2359");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(entry.substr(0, 10), "0002292359");
}

} // namespace
} // namespace ardel
