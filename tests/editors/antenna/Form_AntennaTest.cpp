#include "editors/antenna/Form_Antenna.h"

#include "editors/antenna/AntennaCodes.h"
#include "support/HeadlessTest.h"
#include "utilities/Defaults.h"

#include <utility>

namespace ardel {
namespace {

using ui::Answer;
using ui::HeadlessForm;

using testing::blanks;

// The *72* body from its fields, each padded to its width.
std::string antennaBody(const std::string& jsan, const std::string& code, const std::string& serial) {
    auto padded = [](std::string text, std::size_t width) {
        text.resize(width, ' ');
        return text;
    };
    return padded(jsan, 3) + blanks(3) + padded(code, 20) + blanks(8) + padded(serial, 20) + blanks(16);
}

const std::string kChangedJsanWarning = "The JSAN for this antenna Has Changed.\n"
                                        "                One or more session records may become invalid.\n"
                                        "                Do you wish to continue?";

std::string jsanInUse(const std::string& jsan) {
    return "Job Specific Antenna Number " + jsan + " cannot be used \r\nbecause it already exists.";
}

class Form_AntennaTest : public testing::HeadlessTest {
protected:
    Form_AntennaTest() {
        loadBuiltInDefaults(defaults);
        editor.setAntennaStore(antennas);
    }

    int runEditor(std::string& body, ui::HeadlessToolkit::DialogScript script) {
        expectDialogShowing("Form_Antenna", std::move(script));
        return editor.run(body, defaults);
    }

    TextStore antennas{3};
    TextStore defaults;
    Form_Antenna editor{toolkit};
};

// Every item in its columns: the code in 0-19 (a radome only in 16-19), a blank, the
// description of at most 41 characters; the rows the list is known by, exactly.
TEST(AntennaCodesTest, ItemsAreLaidOutInTheirColumns) {
    const std::vector<std::string>& items = antennaCodeItems();
    ASSERT_EQ(items.size(), 115u);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string& item = items[i];
        SCOPED_TRACE(item);
        EXPECT_EQ(item.size(), i + 1 < items.size() ? 62u : 61u);
        EXPECT_EQ(item[20], ' ');
        const std::string type = item.substr(0, 16);
        EXPECT_NE(type[0], ' ');
        EXPECT_EQ(type.find(' '), type.find_last_not_of(' ') + 1) << "one word, then blanks";
        const std::string radome = item.substr(16, 4);
        EXPECT_TRUE(radome == blanks(4) || radome.find(' ') == std::string::npos);
        EXPECT_NE(item[21], ' ');
    }
    EXPECT_EQ(items[0], "NONE                 NONE                                     ");
    EXPECT_EQ(items[2].substr(0, 20), "AERAT2775_43    SPKE");
    EXPECT_EQ(items[6], "AOAD/M_TA_TOV        Dorne Margolin T,chokerings,Ashtech LNA  ");
    EXPECT_EQ(items[71], "TOVD/M+GP60          D/M antenna with extended groundplane    ");
    EXPECT_EQ(items[108], "TRM33429.20_TOV UNAV L1/L2 microcentered Compact Geodetic +GP ");
    EXPECT_EQ(items[113], "TRM_OTHER            any TRM antenna not yet listed in Annex M");
    EXPECT_EQ(items[114], "XXX_OTHER            any antenna with MANUFACTURER NOT LISTED");
    // The rows that stand twice, and no others.
    int repeated = 0;
    for (std::size_t i = 1; i < items.size(); ++i) {
        if (items[i] == items[i - 1]) {
            ++repeated;
            EXPECT_TRUE(items[i].starts_with("ASH700829.3     SNOW") || items[i].starts_with("ASH700829.A1    SNOW") ||
                        items[i].starts_with("TRM22020.00+GP      ") || items[i].starts_with("TRM33429.00+GP      "))
                << items[i];
        }
    }
    EXPECT_EQ(repeated, 4);
}

TEST_F(Form_AntennaTest, NewAntennaStartsFromTheDefaultsAndSavesTheChosenCode) {
    std::string body;
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.caption(), "Antenna Information for *72* records");
                            EXPECT_EQ(f.focused(), "textb_JSAN");
                            EXPECT_EQ(f.comboBox("combo_AntennaCode").text(), "");
                            EXPECT_EQ(f.comboBox("combo_AntennaCode").count(), 115);
                            f.type("textb_JSAN", "4a5");
                            EXPECT_EQ(f.textBox("textb_JSAN").text(), "45");
                            f.choose("combo_AntennaCode", 2);
                            f.type("textb_SerialNumber", "SN-000123456789");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, "45    AERAT2775_43    SPKE        SN-000123456" + blanks(24));
    EXPECT_EQ(body, antennaBody("45", "AERAT2775_43    SPKE", "SN-000123456"));

    defaults.assign({"TOV GPS Antenna Code=trm33429.00+gp", "Antenna Serial Number=12345"});
    body.clear();
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.comboBox("combo_AntennaCode").selectedIndex(), 105);
                            EXPECT_EQ(f.textBox("textb_SerialNumber").text(), "12345");
                            f.type("textb_JSAN", "046");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, antennaBody("046", "TRM33429.00+GP", "12345"));
}

// The whole 20-character code picks the item: with its radome, item 3; without, item 4.
TEST_F(Form_AntennaTest, StoredCodeReselectsItsItemRadomeIncluded) {
    std::string body = antennaBody("001", "AERAT2775_43    SPKE", "A1");
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.comboBox("combo_AntennaCode").selectedIndex(), 2);
                            EXPECT_EQ(f.textBox("textb_SerialNumber").text(), "A1");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, antennaBody("001", "AERAT2775_43    SPKE", "A1"));

    body = antennaBody("002", "AERAT2775_43", "");
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.comboBox("combo_AntennaCode").selectedIndex(), 3);
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, antennaBody("002", "AERAT2775_43", ""));
}

// A code that no item has stays in the code's text when the antenna is opened again, and
// saving keeps it; choosing an item then replaces it.
TEST_F(Form_AntennaTest, TypedCodeIsKeptThroughReopeningAndSaving) {
    std::string body;
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            f.type("textb_JSAN", "007");
                            f.choose("combo_AntennaCode", 5);
                            f.type("combo_AntennaCode", "LEIAX1202GG     NONE plus a description");
                            EXPECT_EQ(f.comboBox("combo_AntennaCode").selectedIndex(), -1);
                            f.click("cb_OK");
                        }),
              1);
    const std::string typed = antennaBody("007", "LEIAX1202GG     NONE", "");
    EXPECT_EQ(body, typed);

    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.comboBox("combo_AntennaCode").selectedIndex(), -1);
                            EXPECT_EQ(f.comboBox("combo_AntennaCode").text(), "LEIAX1202GG     NONE");
                            f.type("textb_SerialNumber", "X9");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, antennaBody("007", "LEIAX1202GG     NONE", "X9"));

    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            f.choose("combo_AntennaCode", 5);
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, antennaBody("007", "AOAD/M_B", "X9"));

    // An empty code is no item and stays empty.
    body = antennaBody("008", "", "");
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.comboBox("combo_AntennaCode").text(), "");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, antennaBody("008", "", ""));
}

TEST_F(Form_AntennaTest, NewJsanThatBeginsAStoredOneIsRefused) {
    antennas.append(antennaBody("100", "NONE", ""));
    std::string body;
    expectInDialog("JSAN Error", jsanInUse("10"));
    expectInDialog("JSAN Error", jsanInUse("1"));
    EXPECT_EQ(runEditor(body,
                        [this](HeadlessForm& f) {
                            f.type("textb_JSAN", "10");
                            f.click("cb_OK");
                            EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Stop);
                            EXPECT_TRUE(f.isOpen());
                            EXPECT_EQ(f.focused(), "textb_JSAN");
                            f.type("textb_JSAN", "1");
                            f.button("cb_OK").events.clicked(); // Enter: the focus stays in the JSAN
                            EXPECT_TRUE(f.isOpen());
                            f.type("textb_JSAN", "11");
                            f.button("cb_OK").events.clicked();
                        }),
              1);
    EXPECT_EQ(body, antennaBody("11", "", ""));
}

TEST_F(Form_AntennaTest, ChangedJsanOfAStoredAntennaIsRefusedWhenInUseAndWarnedWhenFree) {
    const std::string first = antennaBody("001", "NONE", "S1");
    antennas.append(first);
    antennas.append(antennaBody("002", "NONE", "S2"));
    std::string body = first;
    expectInDialog("JSAN Error", jsanInUse("002"));
    expectInDialog("Warning", kChangedJsanWarning, Answer::No);
    expectInDialog("Warning", kChangedJsanWarning, Answer::Yes);
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            f.type("textb_JSAN", "002");
                            f.focus("textb_SerialNumber");
                            EXPECT_EQ(f.focused(), "textb_JSAN");
                            f.button("cb_OK").events.clicked(); // Enter
                            EXPECT_TRUE(f.isOpen());
                            f.type("textb_JSAN", "009");
                            f.click("cb_OK");
                            EXPECT_TRUE(f.isOpen());
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(body, antennaBody("009", "NONE", "S1"));
}

TEST_F(Form_AntennaTest, JsanErrorIsClearedWhenTheDialogOpensAndCancelKeepsTheBody) {
    antennas.append(antennaBody("100", "NONE", ""));
    std::string body;
    expectInDialog("JSAN Error", jsanInUse("100"));
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            f.type("textb_JSAN", "100");
                            f.focus("combo_AntennaCode");
                            f.closeBox();
                        }),
              0);
    EXPECT_EQ(body, "");
    body = antennas.at(0);
    EXPECT_EQ(runEditor(body,
                        [](HeadlessForm& f) {
                            f.choose("combo_AntennaCode", 113);
                            f.click("cb_Cancel");
                        }),
              0);
    EXPECT_EQ(body, antennas.at(0));
    EXPECT_EQ(runEditor(body, [](HeadlessForm& f) { f.button("cb_OK").events.clicked(); }), 1);
    EXPECT_EQ(body, antennas.at(0));
}

TEST_F(Form_AntennaTest, MoreInformationTellsWhereTheCodesComeFrom) {
    std::string body;
    expectInDialog("TOV GPS Antenna Code", "This selection box contains the TOV GPS Antenna codes \n"
                                           "that are contained in Annex M of the year 2002 update \n"
                                           "of the Vantry. However, additional codes may have been \n"
                                           "added to the TOV data base. Annex M is understood to be a \n"
                                           "file, whose contents at any time can be generated from the TOV \n"
                                           "data base. If you have a copy of the current version of \n"
                                           "Annex M on your local computer, you may copy and paste the \n"
                                           "code for your antenna from that file into this field. \n"
                                           "If you don't have such a file but wish \n"
                                           "to obtain one, you may download it from the TOV Web Site \n"
                                           "If your antenna is not in this list, you may initially code \n"
                                           "it as OTHER, but you should also contact TOV to indicate that \n"
                                           "you are submitting Vantry files with an antenna that is not on \n"
                                           "the TOV list. ");
    EXPECT_EQ(runEditor(body,
                        [this](HeadlessForm& f) {
                            f.type("textb_JSAN", "1");
                            f.click("cb_4");
                            EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Information);
                            f.click("cb_Cancel");
                        }),
              0);
}

} // namespace
} // namespace ardel
