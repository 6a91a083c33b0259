#include "editors/session/Form_Session.h"

#include "support/HeadlessTest.h"
#include "ui/Text.h"
#include "utilities/Defaults.h"

namespace ardel {
namespace {

using ui::HeadlessForm;

using testing::blanks;

// An occupation entry as the occupation editor saves it when only its date and time are typed.
std::string entry(const std::string& yymmdd, const std::string& hhmm) {
    return yymmdd + hhmm + blanks(31);
}

const std::string kNoStartDate = "The Project Start Date in the Project Header must be specified \n"
                                 "            before any observation records are entered (this is how the program \n"
                                 "            determines the correct century for the observation and becomes \n"
                                 "            Y2K compliant)";

std::string disagreeingId(const std::string& stored, const std::string& station) {
    return "The four character station abbreviation recorded in the \n"
           "            data media identifier for this station is " +
           stored +
           ",\n"
           "            which does not agree with the abbreviation record for this station,\n"
           "            which is " +
           station +
           ".\n"
           "            The four character abbreviation for this station is taken from the \n"
           "            first session for this station (if you are updating an existing B-file)\n"
           "            or from what you have entered on the station record.\n"
           "            Do you wish to overwrite the current contents of the data media identifier\n"
           "            with the abbreviation recorded for this station?";
}

class FormSessionTest : public testing::HeadlessTest {
protected:
    int runEditor(std::string& packed, ui::HeadlessToolkit::DialogScript script) {
        toolkit.expectDialog("Form_Session", std::move(script));
        return editor.run(inputs, packed, defaults);
    }

    // The occupation editor that the next Add or Modify opens: it is given `expected`
    // (empty for a new entry), gets a date and time typed and is saved.
    void expectOccupation(const std::string& yymmdd, const std::string& hhmm) {
        toolkit.expectDialog("Form_Rec27", [=](HeadlessForm& f) {
            f.type("mtextb_Date", yymmdd);
            f.type("mtextb_Time", hhmm);
            f.click("cb_OK");
        });
    }

    // Adds an entry through the nested editor.
    void add(HeadlessForm& f, const std::string& yymmdd, const std::string& hhmm = "1200") {
        expectOccupation(yymmdd, hhmm);
        f.click("cb_Add");
    }

    static std::vector<std::string> listed(HeadlessForm& f) {
        std::vector<std::string> lines;
        const ui::ListSource* source = f.listView("lb_27").source();
        for (int i = 0; i < source->count(); ++i) {
            lines.push_back(source->at(i));
        }
        return lines;
    }

    static std::string mediaId(HeadlessForm& f) { return f.textBox("textb_MediaID").text(); }

    SessionInputs inputs{
        .ssn = "0012", .jsin = "003", .jsan = "004", .stationId = "ABCD", .projectStartDate = "199912"};
    TextStore defaults;
    Form_Session editor{toolkit};
};

TEST_F(FormSessionTest, NewSessionTakesItsDefaultsAndComposesTheIdentifier) {
    defaults.assign({"Receiver Manufacturer=r", "Letter or Number of Session=A", "Initials of the Observer=JSM",
                     "Cable Length in Meters=5"});
    std::string packed;
    EXPECT_EQ(runEditor(packed,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.caption(), "GPS Session  Information for *25*,*26*, and *27* records");
                            EXPECT_EQ(f.focused(), "combo_manufacturer");
                            EXPECT_EQ(f.textBox("textb_SSN").text(), "0012");
                            EXPECT_EQ(f.textBox("textb_JSIN").text(), "003");
                            EXPECT_EQ(f.textBox("textb_JSAN").text(), "004");
                            EXPECT_EQ(f.comboBox("combo_manufacturer").text(), "R - TRIMBLE");
                            EXPECT_EQ(f.textBox("textb_sessionID").text(), "A");
                            EXPECT_EQ(f.textBox("textb_Initials").text(), "JSM");
                            EXPECT_EQ(f.textBox("textb_CableLength").text(), "5");
                            EXPECT_EQ(mediaId(f), "R    AABCD");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(packed, "0012R    AABCDJSM0035 00400000000");
}

TEST_F(FormSessionTest, BuiltInDefaultsLeaveTheManufacturerOutOfTheIdentifier) {
    loadBuiltInDefaults(defaults);
    std::string packed;
    EXPECT_EQ(runEditor(packed,
                        [](HeadlessForm& f) {
                            EXPECT_EQ(f.comboBox("combo_manufacturer").selectedIndex(), -1);
                            EXPECT_EQ(mediaId(f), "    ABCD");
                            f.type("textb_sessionID", "A");
                            f.focus("textb_Initials");
                            EXPECT_EQ(mediaId(f), "    AABCD");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(packed, "0012    AABCD    003  00400000000");
}

TEST_F(FormSessionTest, ManufacturerItemsAreInTheirFixedOrder) {
    std::string packed;
    runEditor(packed, [](HeadlessForm& f) {
        const std::vector<std::string> expected = {"A - ASHTECH",
                                                   "C - TOPCON",
                                                   "E - MAGELLAN",
                                                   "D - DEL NORTE ",
                                                   "G - ALLEN OSBORNE",
                                                   "I - ISTAC",
                                                   "J - JAVAD POSITIONING SYSTEMS",
                                                   "K - SOKKIA",
                                                   "L - MIN-MAC",
                                                   "M - MACROMETER",
                                                   "N - NORSTAR",
                                                   "O - MOTOROLA",
                                                   "P - SPECTRA PRECISION",
                                                   "Q - 3S NAVIGATION",
                                                   "R - TRIMBLE",
                                                   "S - SERCEL",
                                                   "T - TEXAS INSTRUMENTS",
                                                   "W - LEICA/WILD",
                                                   "V - NOVATEL",
                                                   "X - OTHER"};
        ui::ComboBox& list = f.comboBox("combo_manufacturer");
        std::vector<std::string> items;
        for (int i = 0; i < list.count(); ++i) {
            items.push_back(list.itemText(i));
        }
        EXPECT_EQ(items, expected);
        f.click("cb_Cancel");
    });
    EXPECT_EQ(packed, "");
}

// The earliest entry gives the day of year and the year digit; adding an earlier one
// changes them, deleting the last one blanks them.
TEST_F(FormSessionTest, IdentifierFollowsTheEarliestEntry) {
    std::string packed;
    EXPECT_EQ(runEditor(packed,
                        [this](HeadlessForm& f) {
                            f.choose("combo_manufacturer", 14);
                            EXPECT_EQ(mediaId(f), "R    ABCD");
                            f.type("textb_sessionID", "A");
                            EXPECT_EQ(mediaId(f), "R    ABCD"); // until the letter is left
                            f.focus("textb_Initials");
                            EXPECT_EQ(mediaId(f), "R    AABCD");
                            add(f, "000110");
                            EXPECT_EQ(mediaId(f), "R0100AABCD");
                            add(f, "000105", "0830");
                            EXPECT_EQ(listed(f), (std::vector{entry("000105", "0830"), entry("000110", "1200")}));
                            EXPECT_EQ(mediaId(f), "R0050AABCD");
                            // Modify by double click: the entry moves to its sorted place.
                            toolkit.expectDialog("Form_Rec27", [](HeadlessForm& rec) {
                                EXPECT_EQ(rec.textBox("mtextb_Date").text(), "000105");
                                rec.type("mtextb_Date", "000201");
                                rec.click("cb_OK");
                            });
                            f.doubleClick("lb_27", 0);
                            EXPECT_EQ(listed(f), (std::vector{entry("000110", "1200"), entry("000201", "0830")}));
                            EXPECT_EQ(mediaId(f), "R0100AABCD");
                            // A cancelled Modify changes nothing.
                            toolkit.expectDialog("Form_Rec27", [](HeadlessForm& rec) { rec.click("cb_Cancel"); });
                            f.choose("lb_27", 1);
                            f.click("cb_Modify");
                            EXPECT_EQ(listed(f).size(), 2u);
                            f.choose("lb_27", 0);
                            f.click("cb_Delete");
                            EXPECT_EQ(listed(f), std::vector{entry("000201", "0830")});
                            EXPECT_EQ(mediaId(f), "R0320AABCD");
                            f.choose("lb_27", 0);
                            f.click("cb_Delete");
                            EXPECT_EQ(mediaId(f), "R    AABCD");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(packed, "0012R    AABCD   003  00400000000");
}

TEST_F(FormSessionTest, CenturyRuleGivesDayOfYearAndYearDigit) {
    struct Case {
        const char* start;
        const char* date;
        const char* id;
    };
    // clang-format off
    const Case cases[] = {
        {"199912", "000105", "R0050AABCD"}, // 5 January 1900 precedes December 1999: 2000
        {"199906", "990101", "R0019AABCD"}, // 1 January 1999 precedes June 1999: 2099
        {"199906", "990601", "R1529AABCD"}, // the start day itself stays in 1999
        {"200001", "000301", "R0610AABCD"}, // 2000 is a leap year
        {"190001", "000301", "R0600AABCD"}, // 1900 is none
        {"200006", "001231", "R3660AABCD"},
        {"209912", "000229", "R    AABCD"}, // 29 February 2100 does not exist
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << " " << c.date);
        inputs.projectStartDate = c.start;
        std::string packed;
        runEditor(packed, [&](HeadlessForm& f) {
            f.choose("combo_manufacturer", 14);
            f.type("textb_sessionID", "A");
            add(f, c.date);
            EXPECT_EQ(mediaId(f), c.id);
            f.click("cb_OK");
        });
        EXPECT_EQ(packed.substr(4, 10), c.id);
    }
}

// A month that is missing must be given; one that is given but is no CCYYMM must be mended.
TEST_F(FormSessionTest, AddNeedsAProjectStartMonth) {
    for (const char* start : {"", "      ", "199913", "1999  ", "19AB12"}) {
        SCOPED_TRACE(::testing::Message() << '"' << start << '"');
        inputs.projectStartDate = start;
        const std::string given = ui::trimRight(start);
        const std::string message =
            given.empty() ? kNoStartDate
                          : "The Project Start Date in the Project Header, \"" + given +
                                "\", is not a valid date.\n"
                                "            Open Header Info and enter the month the project started \n"
                                "            as six digits CCYYMM (for example 199912) before any observation \n"
                                "            records are entered.";
        std::string packed;
        runEditor(packed, [this, &message](HeadlessForm& f) {
            toolkit.expectMessage("Error", message);
            f.click("cb_Add");
            EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Stop);
            EXPECT_TRUE(listed(f).empty());
            f.click("cb_Cancel");
        });
    }
}

// A session read from a file without a usable start month keeps its entries; Modify
// still runs, and the identifier then has blanks for the day and year it cannot know.
TEST_F(FormSessionTest, EntriesWithoutAStartMonthLeaveTheDayAndYearBlank) {
    inputs.projectStartDate = "2023";
    std::string packed = "0012R0050AABCDJSM00305004"
                         "0000"
                         "0001" +
                         entry("000105", "1200");
    EXPECT_EQ(runEditor(packed,
                        [this](HeadlessForm& f) {
                            EXPECT_EQ(mediaId(f), "R0050AABCD"); // not recomputed on opening
                            expectOccupation("000106", "1300");
                            f.doubleClick("lb_27", 0);
                            EXPECT_EQ(mediaId(f), "R    AABCD");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(packed, "0012R    AABCDJSM00305004"
                      "0000"
                      "0001" +
                          entry("000106", "1300"));
}

TEST_F(FormSessionTest, ModifyAndDeleteNeedASelectedEntry) {
    std::string packed;
    runEditor(packed, [this](HeadlessForm& f) {
        add(f, "000105");
        toolkit.expectMessage("No Record Selected", "No Record was selected to be modified");
        f.click("cb_Modify");
        toolkit.expectMessage("No Record Selected", "No Record was selected to be deleted");
        f.click("cb_Delete");
        EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Stop);
        EXPECT_EQ(listed(f).size(), 1u);
        f.click("cb_Cancel");
    });
}

TEST_F(FormSessionTest, CommentsAreSavedAsDisplayedSeventyColumnsALine) {
    defaults.assign({"Receiver Manufacturer=R", "Letter or Number of Session=A"});
    const std::string third = "THE THIRD LINE";
    std::string packed;
    runEditor(packed, [](HeadlessForm& f) {
        f.type("textb_Comments", "FIRST LINE OF THE COMMENTS\nTEN CHARS.\nTHE THIRD LINE");
        f.click("cb_OK");
    });
    const std::string block =
        "FIRST LINE OF THE COMMENTS" + blanks(44) + "\r\n" + "TEN CHARS." + blanks(60) + "\r\n" + third + blanks(56);
    ASSERT_EQ(block.size(), 214u);
    EXPECT_EQ(packed, "0012R    AABCD   003  004"
                      "0003"
                      "0000" +
                          block);

    // Opened again: the block goes into the box as it is and comes back unchanged.
    std::string again = packed;
    runEditor(again, [&](HeadlessForm& f) {
        EXPECT_EQ(f.textBox("textb_Comments").text(), block);
        f.click("cb_OK");
    });
    EXPECT_EQ(again, packed);
}

TEST_F(FormSessionTest, LongCommentWrapsAtAWordBoundary) {
    const std::string words = "GPS OBSERVATIONS AT THE HARBOUR MARK WERE TAKEN UNDER A CLEAR SKY THROUGHOUT";
    std::string packed;
    runEditor(packed, [&](HeadlessForm& f) {
        f.type("textb_Comments", words);
        EXPECT_EQ(f.textBox("textb_Comments").lineCount(), 2);
        f.click("cb_OK");
    });
    const std::string first = "GPS OBSERVATIONS AT THE HARBOUR MARK WERE TAKEN UNDER A CLEAR SKY "; // 66
    ASSERT_EQ(first.size(), 66u);
    EXPECT_EQ(packed.substr(25), "0002"
                                 "0000" +
                                     first + blanks(4) + "\r\nTHROUGHOUT" + blanks(60));
}

TEST_F(FormSessionTest, CommentThatBeginsWithALineBreakKeepsItsFirstEmptyLine) {
    std::string packed;
    runEditor(packed, [](HeadlessForm& f) {
        f.type("textb_Comments", "\nSECOND\n");
        f.click("cb_OK");
    });
    EXPECT_EQ(packed.substr(25), "0003"
                                 "0000" +
                                     blanks(70) + "\r\nSECOND" + blanks(64) + "\r\n" + blanks(70));
}

TEST_F(FormSessionTest, EmptyCommentBoxGivesNoCommentLines) {
    std::string packed;
    runEditor(packed, [this](HeadlessForm& f) {
        add(f, "000105");
        f.type("textb_Comments", "X");
        f.press("textb_Comments", '\b');
        EXPECT_EQ(f.textBox("textb_Comments").lineCount(), 1);
        f.click("cb_OK");
    });
    EXPECT_EQ(packed.substr(25), "0000"
                                 "0001" +
                                     entry("000105", "1200"));
}

TEST_F(FormSessionTest, CableLengthIsZeroFilledOnLeaving) {
    const std::string formatError = "5x does not meet the format specification for this field. \n"
                                    "Please click OK and correct this entry before continuing";
    std::string packed;
    runEditor(packed, [&](HeadlessForm& f) {
        f.type("textb_CableLength", "5");
        f.focus("textb_Comments");
        EXPECT_EQ(f.textBox("textb_CableLength").text(), "05");

        f.type("textb_CableLength", "5x");
        EXPECT_EQ(toolkit.beeps, 1); // only the x
        toolkit.expectMessage("Numeric Format Error", formatError);
        f.focus("textb_Comments");
        EXPECT_EQ(f.textBox("textb_CableLength").text(), "5x");

        f.type("textb_CableLength", "");
        f.press("textb_CableLength", '\b');
        f.press("textb_CableLength", '\b');
        EXPECT_EQ(toolkit.beeps, 1); // an emptied box does not beep
        f.focus("textb_Comments");
        EXPECT_EQ(f.textBox("textb_CableLength").text(), "00");

        f.type("textb_CableLength", "  ");
        f.focus("textb_Comments");
        EXPECT_EQ(f.textBox("textb_CableLength").text(), "  ");
        f.click("cb_OK");
    });
    EXPECT_EQ(packed.substr(20, 2), "  ");
}

TEST_F(FormSessionTest, FillingTheFieldsAsksAndBeepsNothing) {
    defaults.assign({"Cable Length in Meters=x"});
    std::string packed;
    runEditor(packed, [](HeadlessForm& f) {
        EXPECT_EQ(f.textBox("textb_CableLength").text(), "x");
        f.click("cb_Cancel");
    });
    EXPECT_EQ(toolkit.beeps, 0);
    std::string stored = "0012R0050AABCDJSM003x 004"
                         "0000"
                         "0000";
    runEditor(stored, [](HeadlessForm& f) { f.click("cb_Cancel"); });
    EXPECT_EQ(toolkit.beeps, 0);
}

TEST_F(FormSessionTest, DisagreeingStationIdIsReplacedOnlyOnYes) {
    const std::string stored = "0099R0050AWXYZJSM999"
                               "05"
                               "999"
                               "0000"
                               "0001" +
                               entry("000105", "1200");
    // No: the stored identifier stays until the next recomputation.
    std::string packed = stored;
    toolkit.expectMessage("Warning", disagreeingId("WXYZ", "ABCD"), ui::Answer::No);
    EXPECT_EQ(runEditor(packed,
                        [this](HeadlessForm& f) {
                            EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Warning);
                            EXPECT_EQ(toolkit.lastButtons(), ui::Buttons::YesNo);
                            EXPECT_EQ(mediaId(f), "R0050AWXYZ");
                            EXPECT_EQ(f.comboBox("combo_manufacturer").text(), "R - TRIMBLE");
                            EXPECT_EQ(f.textBox("textb_sessionID").text(), "A");
                            EXPECT_EQ(f.textBox("textb_Initials").text(), "JSM");
                            EXPECT_EQ(f.textBox("textb_CableLength").text(), "05");
                            f.click("cb_OK");
                        }),
              1);
    // The inputs stand in for the stored SSN, JSIN and JSAN.
    EXPECT_EQ(packed, "0012R0050AWXYZJSM00305004"
                      "0000"
                      "0001" +
                          entry("000105", "1200"));

    packed = stored;
    toolkit.expectMessage("Warning", disagreeingId("WXYZ", "ABCD"), ui::Answer::No);
    runEditor(packed, [](HeadlessForm& f) {
        f.choose("combo_manufacturer", 0);
        EXPECT_EQ(mediaId(f), "A0050AABCD");
        f.click("cb_Cancel");
    });
    EXPECT_EQ(packed, stored);

    toolkit.expectMessage("Warning", disagreeingId("WXYZ", "ABCD"), ui::Answer::Yes);
    runEditor(packed, [](HeadlessForm& f) {
        EXPECT_EQ(mediaId(f), "R0050AABCD");
        f.click("cb_OK");
    });
    EXPECT_EQ(packed.substr(4, 10), "R0050AABCD");
}

TEST_F(FormSessionTest, WholePackedSessionAndAFreshStartOnTheNextShowing) {
    std::string packed;
    EXPECT_EQ(runEditor(packed,
                        [this](HeadlessForm& f) {
                            f.choose("combo_manufacturer", 17);
                            f.type("textb_sessionID", "B");
                            f.type("textb_Initials", "KLM");
                            f.type("textb_CableLength", "7");
                            f.type("textb_Comments", "CLEAR SKY\nLIGHT WIND");
                            add(f, "000106", "1400");
                            add(f, "000105", "1300");
                            f.click("cb_OK");
                        }),
              1);
    EXPECT_EQ(packed, "0012W0050BABCDKLM00307004"
                      "0002"
                      "0002"
                      "CLEAR SKY" +
                          blanks(61) + "\r\nLIGHT WIND" + blanks(60) + entry("000105", "1300") +
                          entry("000106", "1400"));

    std::string fresh;
    runEditor(fresh, [](HeadlessForm& f) {
        EXPECT_EQ(f.comboBox("combo_manufacturer").selectedIndex(), -1);
        EXPECT_EQ(f.textBox("textb_Comments").text(), "");
        EXPECT_EQ(f.textBox("textb_CableLength").text(), "");
        EXPECT_EQ(f.listView("lb_27").source()->count(), 0);
        EXPECT_EQ(mediaId(f), "    ABCD");
        f.closeBox();
    });
    EXPECT_EQ(fresh, "");
}

} // namespace
} // namespace ardel
