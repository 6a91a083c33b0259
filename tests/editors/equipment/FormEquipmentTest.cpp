#include "editors/equipment/FormEquipment.h"

#include "support/HeadlessTest.h"
#include "ui/Text.h"
#include "utilities/Defaults.h"

#include <utility>

namespace ardel {
namespace {

using ui::Answer;
using ui::HeadlessForm;

using testing::blanks;

// The *70* body from its fields, each padded to its width.
std::string instrumentBody(const std::string& jsin, const std::string& code, const std::string& maker,
                           const std::string& type, const std::string& model, const std::string& serial) {
    auto padded = [](std::string text, std::size_t width) {
        text.resize(width, ' ');
        return text;
    };
    return padded(jsin, 3) + padded(code, 3) + blanks(6) + padded(maker, 18) + padded(type, 22) + padded(model, 8) +
           padded(serial, 10);
}

const std::string kChangedJsinWarning = "The JSIN for this Instrument has changed.\n"
                                        "                One or more session records may become invalid.\n"
                                        "                Do you wish to continue?";

std::string jsinInUse(const std::string& jsin) {
    return "Serial Number " + jsin + " cannot be used \r\nbecause it already exists.";
}

class FormEquipmentTest : public testing::HeadlessTest {
protected:
    FormEquipmentTest() {
        loadBuiltInDefaults(defaults);
        editor.setInstrumentStore(instruments);
    }

    int runEditor(std::string& body, ui::HeadlessToolkit::DialogScript script) {
        expectDialogShowing("FormEquipment", std::move(script));
        return editor.run(body, defaults);
    }

    TextStore instruments{3};
    TextStore defaults;
    FormEquipment editor{toolkit};
};

// Every item: the 3-digit code from 050 to 068 in order, " - ", the maker in columns 6-33,
// the model from column 34.
TEST_F(FormEquipmentTest, EquipmentCodesStandInTheirColumns) {
    std::string body;
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            const ui::ComboBox& codes = f.comboBox("combo_EquipmentCode");
                            ASSERT_EQ(codes.count(), 19);
                            for (int i = 0; i < codes.count(); ++i) {
                                const std::string item = codes.itemText(i);
                                SCOPED_TRACE(item);
                                EXPECT_EQ(item.substr(0, 6), ui::format("%03d - ", 50 + i));
                                EXPECT_NE(item[6], ' ');
                                EXPECT_EQ(item[33], ' ');
                                EXPECT_NE(item[34], ' ');
                            }
                            EXPECT_EQ(codes.itemText(0),
                                      "050 - Unspecified                 GPS Satellite Tracking System");
                            EXPECT_EQ(codes.itemText(18), "068 - Magellan                    NAV5000 PRO");
                        }),
              0);
}

TEST_F(FormEquipmentTest, NewInstrumentStartsFromTheDefaults) {
    std::string body;
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.caption(), "Equipment Record Entry (data for *70* records)");
                            EXPECT_EQ(f.focused(), "textb_JSIN");
                            EXPECT_EQ(f.comboBox("combo_EquipmentCode").count(), 19);
                            EXPECT_EQ(f.comboBox("combo_EquipmentCode").selectedIndex(), -1);
                            EXPECT_TRUE(
                                dynamic_cast<ui::HeadlessComboBox&>(f.control("combo_EquipmentCode")).isWidened());
                            f.type("textb_JSIN", "001");
                            f.click("cb_OK");
                        }),
              1);
    // The built-in defaults are all empty: only the JSIN is written.
    EXPECT_EQ(body, "001" + blanks(67));

    // An imported defaults file: the code's item is chosen, but the texts are the defaults'
    // own, not the item's maker and model; a key that is missing leaves its field empty.
    defaults.assign({"TOV Survey Equipment Code=063", "Instrument Manufacturer=ASHTECH",
                     "Type of Instrument or Trade Name=Z-XII3 GEODETIC", "Model of Instrument=ZXII"});
    body.clear();
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.comboBox("combo_EquipmentCode").text(),
                                      "063 - Ashtech, Inc.               XII series");
                            EXPECT_EQ(f.textBox("textb_Manufacturer").text(), "ASHTECH");
                            EXPECT_EQ(f.textBox("textb_JSIN").text(), "");
                            EXPECT_EQ(f.textBox("textb_SerialNumber").text(), "");
                            f.type("textb_JSIN", "002");
                            f.type("textb_SerialNumber", "LP01234567X");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, "002063      ASHTECH           Z-XII3 GEODETIC       ZXII    LP01234567");
    EXPECT_EQ(body, instrumentBody("002", "063", "ASHTECH", "Z-XII3 GEODETIC", "ZXII", "LP01234567"));
}

TEST_F(FormEquipmentTest, ChoosingAnItemFillsMakerAndModelThatTheBodyCuts) {
    std::string body;
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            f.type("textb_JSIN", "007");
                            f.choose("combo_EquipmentCode", 11);
                            EXPECT_EQ(f.textBox("textb_Manufacturer").text(), "SERCEL Inc. - USA" + blanks(11));
                            EXPECT_EQ(f.textBox("textb_Model").text(), "TR5S, NR101, NR104");
                            f.type("textb_Type", "GEODETIC");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, "007061      SERCEL Inc. - USA GEODETIC              TR5S, NR          ");

    // The maker of item 2 is cut to 18 columns, its model to 8.
    body.clear();
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            f.type("textb_JSIN", "008");
                            f.choose("combo_EquipmentCode", 1);
                            EXPECT_EQ(f.textBox("textb_Model").text(), "Macrometer V100");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, instrumentBody("008", "051", "Western Atlas Intl", "", "Macromet", ""));
}

TEST_F(FormEquipmentTest, StoredInstrumentKeepsItsTextsAndAnUnknownCodeIsWrittenAsBlanks) {
    const std::string stored = instrumentBody("012", "061", "SERCEL", "SURVEY RECEIVER", "NR103", "A-77");
    std::string body = stored;
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            // The item is chosen, but its maker and model do not replace the stored ones.
                            EXPECT_EQ(f.comboBox("combo_EquipmentCode").selectedIndex(), 11);
                            EXPECT_EQ(f.textBox("textb_JSIN").text(), "012");
                            EXPECT_EQ(f.textBox("textb_Manufacturer").text(), "SERCEL");
                            EXPECT_EQ(f.textBox("textb_Type").text(), "SURVEY RECEIVER");
                            EXPECT_EQ(f.textBox("textb_Model").text(), "NR103");
                            EXPECT_EQ(f.textBox("textb_SerialNumber").text(), "A-77");
                            EXPECT_EQ(f.focused(), "textb_JSIN");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, stored);

    body = instrumentBody("013", "099", "HOMEMADE", "", "", "");
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.comboBox("combo_EquipmentCode").selectedIndex(), -1);
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, instrumentBody("013", "", "HOMEMADE", "", "", ""));
}

TEST_F(FormEquipmentTest, CancelAndCloseLeaveTheBodyAsItWas) {
    std::string body = instrumentBody("012", "061", "SERCEL", "", "", "");
    const std::string stored = body;
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            f.type("textb_Type", "CHANGED");
                            f.click("cb_Cancel");
                        }),
              0);
    EXPECT_EQ(runEditor(body, [](HeadlessForm& f) { f.type("textb_Model", "CHANGED"); }), 0);
    EXPECT_EQ(body, stored);
}

// With JSIN 100 present, a new instrument may not take 1 or 10 (they begin 100); saving
// meanwhile only returns the focus to the JSIN.
TEST_F(FormEquipmentTest, NewJsinThatBeginsAStoredOneIsRefused) {
    instruments.append(instrumentBody("100", "050", "", "", "", ""));
    std::string body;
    expectInDialog("JSIN Error", jsinInUse("1"));
    expectInDialog("JSIN Error", jsinInUse("10"));
    EXPECT_EQ(runEditor(body,
                        [this](HeadlessForm& f) {
                            f.type("textb_JSIN", "1");
                            f.focus("textb_Type");
                            EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Stop);
                            EXPECT_EQ(f.focused(), "textb_JSIN");
                            f.button("cb_OK").events.clicked(); // Enter: the focus stays in the JSIN
                            EXPECT_TRUE(f.isOpen());
                            EXPECT_EQ(f.focused(), "textb_JSIN");
                            f.type("textb_JSIN", "10");
                            f.click("cb_OK"); // the JSIN loses the focus first
                            EXPECT_TRUE(f.isOpen());
                            EXPECT_EQ(f.focused(), "textb_JSIN");
                            f.type("textb_JSIN", "101");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, "101" + blanks(67));
}

// Enter saves while the focus is still in the JSIN: the JSIN typed is tested all the same.
TEST_F(FormEquipmentTest, EnterTestsTheJsinTypedBeforeSaving) {
    instruments.append(instrumentBody("100", "050", "", "", "", ""));
    std::string body;
    expectInDialog("JSIN Error", jsinInUse("100"));
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            f.type("textb_JSIN", "100");
                            f.button("cb_OK").events.clicked();
                            EXPECT_TRUE(f.isOpen());
                            f.type("textb_JSIN", "200");
                            f.button("cb_OK").events.clicked();
                        }),
              1);
    EXPECT_EQ(body, "200" + blanks(67));
}

// An existing instrument may not take another's JSIN; a free one is taken after the warning.
TEST_F(FormEquipmentTest, ChangedJsinOfAStoredInstrumentIsRefusedWhenInUseAndWarnedWhenFree) {
    const std::string first = instrumentBody("001", "063", "ASHTECH", "", "", "");
    instruments.append(first);
    instruments.append(instrumentBody("002", "055", "TRIMBLE", "", "", ""));
    std::string body = first;
    expectInDialog("JSIN Error", jsinInUse("002"));
    expectInDialog("Warning", kChangedJsinWarning, Answer::No);
    expectInDialog("Warning", kChangedJsinWarning, Answer::Yes);
    EXPECT_EQ(runEditor(body,
                        [this](HeadlessForm& f) {
                            f.type("textb_JSIN", "002");
                            f.click("cb_OK");
                            EXPECT_TRUE(f.isOpen());
                            EXPECT_EQ(f.focused(), "textb_JSIN");
                            f.type("textb_JSIN", "003");
                            f.click("cb_OK");
                            EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Warning);
                            EXPECT_EQ(toolkit.lastButtons(), ui::Buttons::YesNo);
                            EXPECT_TRUE(f.isOpen());
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, instrumentBody("003", "063", "ASHTECH", "", "", ""));

    // Its own JSIN typed again is no other instrument's: only the warning.
    body = first;
    expectInDialog("Warning", kChangedJsinWarning, Answer::Yes);
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            f.type("textb_JSIN", "001");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, first);
}

// A refused JSIN of a cancelled showing does not hold up the next one.
TEST_F(FormEquipmentTest, JsinErrorIsClearedWhenTheDialogOpens) {
    instruments.append(instrumentBody("100", "050", "", "", "", ""));
    std::string body;
    expectInDialog("JSIN Error", jsinInUse("100"));
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            f.type("textb_JSIN", "100");
                            f.focus("textb_Model");
                            f.closeBox();
                        }),
              0);
    body = instruments.at(0);
    EXPECT_EQ(runEditor(body, [](HeadlessForm& f) { f.button("cb_OK").events.clicked(); }), 1);
    EXPECT_EQ(body, instruments.at(0));
}

} // namespace
} // namespace ardel
