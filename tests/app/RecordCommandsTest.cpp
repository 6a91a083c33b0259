#include "app/Form1.h"
#include "app/MainMenu.h"
#include "bfile/BFileWriter.h"
#include "support/HeadlessTest.h"

#include <sstream>

namespace ardel {
namespace {

using ui::Answer;
using ui::HeadlessForm;

// A complete *80* body: every field filled, so the editor gives it back unchanged.
std::string stationBody(const std::string& ssn, const std::string& name) {
    return fit(ssn, 4) + fit(name, 30) + "394512" + "12300" + "N" + "0771530" + "50000" + "W" + std::string(7, ' ') +
           "MD" + "A" + "1";
}

std::string heightsBody(const std::string& ssn) {
    return fit(ssn + "    12345A11Y88", 70);
}

std::string fixedBody(const std::string& ssn) {
    return fit(ssn + "TOVA", 64) + "G     ";
}

// A packed session of one occupation, its media identifier naming the ID ABCD.
std::string packedSession(const std::string& ssn, const std::string& jsin, const std::string& jsan,
                          const std::string& date = "240105") {
    return fit(ssn, 4) + "R0054AABCD" + "JSM" + fit(jsin, 3) + "05" + fit(jsan, 3) + "0000" + "0001" +
           fit(date + "1200 1500", 41);
}

std::string sessionLine(const std::string& ssn, const std::string& jsin, const std::string& jsan,
                        const std::string& date = "240105") {
    const std::string packed = packedSession(ssn, jsin, jsan, date);
    return buildSessionLine(unpackSession(packed), packed);
}

const char* const kStationSelectionEntries[] = {menu::kModifyStation, menu::kDeleteStation, menu::kPopupModifyStation,
                                                menu::kPopupDeleteStation};

class RecordCommandsTest : public testing::HeadlessTest {
protected:
    RecordCommandsTest() : window(toolkit) { window.form().show(); }

    HeadlessForm& form() { return *toolkit.form("Form1"); }
    Project& project() { return window.project(); }

    void addStationLine(const std::string& ssn, const std::string& name, const std::string& id = "ABCD") {
        project().lb_Stations.append(buildStationLine(stationBody(ssn, name), id));
    }

    void expectError(const std::string& text) { toolkit.expectMessage("Error", text); }

    bool stationEntriesEnabled() {
        bool all = true, none = true;
        for (const char* entry : kStationSelectionEntries) {
            (form().isMenuEnabled(entry) ? none : all) = false;
        }
        EXPECT_TRUE(all || none) << "the station entries disagree";
        return all;
    }

    Form1 window;
};

TEST_F(RecordCommandsTest, AClickOnTheSelectedStationUnselectsItAndGraysItsEntries) {
    addStationLine("0001", "ALPHA");
    addStationLine("0002", "BRAVO");
    EXPECT_FALSE(stationEntriesEnabled());

    form().choose("lb_Stations", 1);
    EXPECT_TRUE(stationEntriesEnabled());
    form().choose("lb_Stations", 1);
    EXPECT_EQ(form().listView("lb_Stations").selectedIndex(), -1);
    EXPECT_FALSE(stationEntriesEnabled());
    form().choose("lb_Stations", 0);
    EXPECT_TRUE(stationEntriesEnabled());
}

TEST_F(RecordCommandsTest, AddingAStationAppendsItsLineAndMarksTheProjectModified) {
    toolkit.expectDialog("Form_Station", [](HeadlessForm& f) {
        f.type("textb_SSN", "0042");
        f.type("textb_4CharacterID", "HBR1");
        f.type("textb_StationName", "HARBOUR LIGHT");
        f.click("cb_OK");
    });
    form().triggerMenu(menu::kAddStation);

    ASSERT_EQ(project().lb_Stations.count(), 1);
    const std::string& line = project().lb_Stations.at(0);
    EXPECT_EQ(line.substr(0, 42), "0042  HARBOUR LIGHT                   HBR1");
    EXPECT_EQ(slice(line, 42, 34), fit("0042HARBOUR LIGHT", 34));
    EXPECT_TRUE(project().isModified());
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [][modified]");
}

TEST_F(RecordCommandsTest, ModifyingTheThirdOfFiveStationsLeavesItThirdAndUnselected) {
    for (const char* ssn : {"0001", "0002", "0003", "0004", "0005"}) {
        addStationLine(ssn, std::string("STATION ") + ssn);
    }
    toolkit.expectDialog("Form_Station", [](HeadlessForm& f) {
        EXPECT_EQ(f.textBox("textb_StationName").text(), "STATION 0003");
        f.type("textb_StationName", "RENAMED");
        f.click("cb_OK");
    });
    form().doubleClick("lb_Stations", 2);

    EXPECT_EQ(project().lb_Stations.count(), 5);
    EXPECT_EQ(project().lb_Stations.at(2), buildStationLine(stationBody("0003", "RENAMED"), "ABCD"));
    EXPECT_EQ(form().listView("lb_Stations").selectedIndex(), -1);
    EXPECT_FALSE(stationEntriesEnabled());
    EXPECT_TRUE(project().isModified());
}

TEST_F(RecordCommandsTest, AChangedSsnCarriesTheHeightsAndFixedLinesButNotTheSessions) {
    addStationLine("0007", "SEVEN");
    project().lb_86.append(heightsBody("0007"));
    project().lb_90.append(fixedBody("0007"));
    project().lb_Instruments.append(fit("001", 70));
    project().lb_Antennas.append(fit("001", 70));
    project().lb_Sessions.append(sessionLine("0007", "001", "001"));

    toolkit.expectDialog("Form_Station", [](HeadlessForm& f) {
        f.type("textb_SSN", "0008");
        f.focus("textb_StationName");
        f.click("cb_OK");
    });
    toolkit.expectMessage("Warning",
                          "The SSN for this Station Has Changed.\n                One or more session records may "
                          "become invalid.\n                Do you wish to continue?",
                          Answer::Yes);
    form().choose("lb_Stations", 0);
    form().triggerMenu(menu::kModifyStation);

    EXPECT_EQ(project().lb_Stations.at(0), buildStationLine(stationBody("0008", "SEVEN"), "ABCD"));
    EXPECT_EQ(project().lb_86.lines(), std::vector<std::string>{heightsBody("0008")});
    EXPECT_EQ(project().lb_90.lines(), std::vector<std::string>{fixedBody("0008")});
    EXPECT_EQ(project().lb_Sessions.at(0).substr(0, 4), "0007");

    std::ostringstream out;
    ASSERT_TRUE(writeBFile(project(), out));
    const std::string file = out.str();
    EXPECT_NE(file.find("*80*" + stationBody("0008", "SEVEN") + "\r\n000100*86*" + heightsBody("0008")),
              std::string::npos);
}

TEST_F(RecordCommandsTest, AStationASessionNamesIsNotDeletedNorItsHeightsOrFixedLines) {
    addStationLine("0007", "SEVEN");
    addStationLine("0009", "NINE");
    project().lb_86.append(heightsBody("0007"));
    project().lb_90.append(fixedBody("0007"));
    project().lb_86.append(heightsBody("0009"));
    project().lb_90.append(fixedBody("0009"));
    project().lb_Sessions.append(sessionLine("0007", "001", "002"));

    expectError("Station 0007 cannot be deleted because it \n               is still referenced in session \n"
                "               " +
                project().lb_Sessions.at(0).substr(0, 30));
    form().choose("lb_Stations", 0);
    form().triggerMenu(menu::kPopupDeleteStation);
    EXPECT_EQ(project().lb_Stations.count(), 2);
    EXPECT_EQ(project().lb_86.count(), 2);
    EXPECT_EQ(project().lb_90.count(), 2);
    EXPECT_FALSE(project().isModified());

    form().choose("lb_Stations", 1);
    form().triggerMenu(menu::kDeleteStation);
    EXPECT_EQ(project().lb_Stations.count(), 1);
    EXPECT_EQ(project().lb_86.lines(), std::vector<std::string>{heightsBody("0007")});
    EXPECT_EQ(project().lb_90.lines(), std::vector<std::string>{fixedBody("0007")});
    EXPECT_FALSE(stationEntriesEnabled());
    EXPECT_TRUE(project().isModified());
}

TEST_F(RecordCommandsTest, InstrumentsAndAntennasASessionNamesAreNotDeleted) {
    project().lb_Instruments.append(fit("001", 70));
    project().lb_Instruments.append(fit("002", 70));
    project().lb_Antennas.append(fit("003", 70));
    project().lb_Antennas.append(fit("004", 70));
    project().lb_Sessions.append(sessionLine("0007", "002", "003"));
    const std::string prefix = project().lb_Sessions.at(0).substr(0, 30);

    expectError("Instrument 002 cannot be deleted because it \n               is still referenced in session \n"
                "               " +
                prefix);
    form().choose("lb_Instruments", 1);
    form().triggerMenu(menu::kDeleteEquipment);
    expectError("Antenna 003 cannot be deleted because it \n               is still referenced in session \n"
                "               " +
                prefix);
    form().choose("lb_Antennas", 0);
    form().triggerMenu(menu::kPopupDeleteAntenna);
    EXPECT_EQ(project().lb_Instruments.count(), 2);
    EXPECT_EQ(project().lb_Antennas.count(), 2);

    form().choose("lb_Instruments", 0);
    form().triggerMenu(menu::kPopupDeleteEquipment);
    form().choose("lb_Antennas", 1);
    form().triggerMenu(menu::kDeleteAntenna);
    EXPECT_EQ(project().lb_Instruments.lines(), std::vector<std::string>{fit("002", 70)});
    EXPECT_EQ(project().lb_Antennas.lines(), std::vector<std::string>{fit("003", 70)});
}

TEST_F(RecordCommandsTest, InstrumentsAndAntennasAreAddedAtTheEndAndModifiedInPlace) {
    toolkit.expectDialog("FormEquipment", [](HeadlessForm& f) {
        f.type("textb_JSIN", "001");
        f.type("textb_SerialNumber", "SN-1");
        f.click("cb_OK");
    });
    form().triggerMenu(menu::kAddEquipment);
    toolkit.expectDialog("FormEquipment", [](HeadlessForm& f) {
        f.type("textb_JSIN", "002");
        f.click("cb_OK");
    });
    form().triggerMenu(menu::kPopupAddEquipment);
    ASSERT_EQ(project().lb_Instruments.count(), 2);
    EXPECT_EQ(project().lb_Instruments.at(0).substr(0, 3), "001");

    toolkit.expectDialog("FormEquipment", [](HeadlessForm& f) {
        f.type("textb_SerialNumber", "SN-9");
        f.click("cb_OK");
    });
    form().doubleClick("lb_Instruments", 0);
    EXPECT_EQ(project().lb_Instruments.at(0).substr(0, 3), "001");
    EXPECT_EQ(slice(project().lb_Instruments.at(0), 60, 10), "SN-9      ");

    toolkit.expectDialog("Form_Antenna", [](HeadlessForm& f) {
        f.type("textb_JSAN", "005");
        f.type("textb_SerialNumber", "A-77");
        f.click("cb_OK");
    });
    form().triggerMenu(menu::kAddAntenna);
    ASSERT_EQ(project().lb_Antennas.count(), 1);
    EXPECT_EQ(slice(project().lb_Antennas.at(0), 0, 3), "005");
    EXPECT_EQ(slice(project().lb_Antennas.at(0), 34, 20), fit("A-77", 20));

    toolkit.expectDialog("Form_Antenna", [](HeadlessForm& f) { f.click("cb_Cancel"); });
    form().doubleClick("lb_Antennas", 0);
    EXPECT_EQ(slice(project().lb_Antennas.at(0), 34, 20), fit("A-77", 20));
}

TEST_F(RecordCommandsTest, TypingInTheStationListSelectsByNameWithLetterCaseCounting) {
    addStationLine("0001", "Meadow");
    addStationLine("0002", "MEADOW");
    addStationLine("0003", "MESA");
    form().press("lb_Stations", 'M');
    form().press("lb_Stations", 'E');
    EXPECT_EQ(form().listView("lb_Stations").selectedIndex(), 1);
    EXPECT_TRUE(stationEntriesEnabled());
    form().press("lb_Stations", 'S');
    EXPECT_EQ(form().listView("lb_Stations").selectedIndex(), 2);
    form().press("lb_Stations", 'Z');
    EXPECT_EQ(form().listView("lb_Stations").selectedIndex(), 2);
    form().press("lb_Stations", '\b');
    form().press("lb_Stations", '\b');
    form().press("lb_Stations", 'A');
    EXPECT_EQ(form().listView("lb_Stations").selectedIndex(), 1);
}

class SessionCommandsTest : public RecordCommandsTest {
protected:
    void addReferencedRecords() {
        addStationLine("0007", "SEVEN");
        project().lb_Instruments.append(fit("001", 70));
        project().lb_Instruments.append(fit("002", 70));
        project().lb_Antennas.append(fit("003", 70));
        project().lb_Antennas.append(fit("004", 70));
    }

    void expectSessionSaved(const std::string& ssn, const std::string& jsin, const std::string& jsan) {
        toolkit.expectDialog("Form_Session", [=](HeadlessForm& f) {
            EXPECT_EQ(f.textBox("textb_SSN").text(), ssn);
            EXPECT_EQ(f.textBox("textb_JSIN").text(), jsin);
            EXPECT_EQ(f.textBox("textb_JSAN").text(), jsan);
            f.click("cb_OK");
        });
    }
};

TEST_F(SessionCommandsTest, AddingASessionAsksForTheStationThenTheInstrumentThenTheAntenna) {
    addReferencedRecords();
    expectError("A station must be selected for this session. \n     Even if you have have no information for the "
                "station, \n     you must at least assign it a Station Serial Number (SSN)\n     and create a record "
                "as a placeholder.");
    form().triggerMenu(menu::kAddSession);
    form().choose("lb_Stations", 0);
    expectError("An instrument must be selected for this session. \n     Even if you have have no information for "
                "the instrument, \n     you must at least assign it a Job Specific Instrument Number (JSIN)\n     "
                "and create a record as a placeholder.");
    form().triggerMenu(menu::kPopupAddSession);
    form().choose("lb_Instruments", 1);
    expectError("An antenna must be selected for this session. \n     Even if you have have no information for the "
                "antenna, \n     you must at least assign it a Job Specific Antenna Number \n     and create a "
                "record as a placeholder.");
    form().triggerMenu(menu::kAddSession);
    EXPECT_TRUE(project().lb_Sessions.empty());

    form().choose("lb_Antennas", 0);
    toolkit.expectDialog("Form_Session", [](HeadlessForm& f) {
        EXPECT_EQ(f.textBox("textb_JSIN").text(), "002");
        f.choose("combo_manufacturer", 14);
        f.type("textb_sessionID", "A");
        f.focus("textb_Initials");
        EXPECT_EQ(f.textBox("textb_MediaID").text(), "R    AABCD");
        f.click("cb_OK");
    });
    form().triggerMenu(menu::kAddSession);
    ASSERT_EQ(project().lb_Sessions.count(), 1);
    const std::string& line = project().lb_Sessions.at(0);
    EXPECT_EQ(line.substr(0, 30), "0007" + std::string(16, ' ') + "ABCD      ");
    EXPECT_EQ(slice(line, 47, 3), "002");
    EXPECT_EQ(slice(line, 52, 3), "003");
    EXPECT_TRUE(project().isModified());
}

TEST_F(SessionCommandsTest, AModifiedSessionMovesToTheEndAndSubstitutingTakesTheSelectedEquipment) {
    addReferencedRecords();
    for (const char* date : {"240101", "240102", "240103"}) {
        project().lb_Sessions.append(sessionLine("0007", "001", "003", date));
    }
    expectSessionSaved("0007", "001", "003");
    form().doubleClick("lb_Sessions", 1);
    ASSERT_EQ(project().lb_Sessions.count(), 3);
    EXPECT_EQ(project().lb_Sessions.at(2), sessionLine("0007", "001", "003", "240102"));
    EXPECT_EQ(project().lb_Sessions.at(1), sessionLine("0007", "001", "003", "240103"));
    EXPECT_FALSE(form().isMenuEnabled(menu::kModifySessionSubstituting));

    form().choose("lb_Sessions", 0);
    expectError("An instrument must be selected for this session.");
    form().triggerMenu(menu::kModifySessionSubstituting);
    form().choose("lb_Instruments", 1);
    expectError("An antenna must be selected for this function.");
    form().triggerMenu(menu::kModifySessionSubstituting);
    form().choose("lb_Antennas", 1);
    expectSessionSaved("0007", "002", "004");
    form().triggerMenu(menu::kModifySessionSubstituting);
    EXPECT_EQ(project().lb_Sessions.at(2), sessionLine("0007", "002", "004", "240101"));

    form().choose("lb_Sessions", 0);
    form().triggerMenu(menu::kPopupDeleteSession);
    EXPECT_EQ(project().lb_Sessions.count(), 2);
    EXPECT_EQ(project().lb_Sessions.lines(), (std::vector<std::string>{sessionLine("0007", "001", "003", "240102"),
                                                                       sessionLine("0007", "002", "004", "240101")}));
    EXPECT_FALSE(form().isMenuEnabled(menu::kDeleteSession));
}

// The commands behind entries that the selection grays: reached with no line selected,
// each refuses with its message and changes nothing.
TEST_F(RecordCommandsTest, CommandsWithoutASelectionRefuseWithTheirMessages) {
    Project alone;
    const std::unique_ptr<ui::Form> main = toolkit.createForm(form1Decl());
    ListSelections selections(*main);
    Form_Station station(toolkit);
    FormEquipment instrument(toolkit);
    Form_Antenna antenna(toolkit);
    Form_Session session(toolkit);
    RecordCommands commands(toolkit, alone, selections,
                            {.station = station, .instrument = instrument, .antenna = antenna, .session = session});
    main->listView("lb_Stations").setSource(&alone.lb_Stations);
    main->listView("lb_Instruments").setSource(&alone.lb_Instruments);
    main->listView("lb_Antennas").setSource(&alone.lb_Antennas);
    main->listView("lb_Sessions").setSource(&alone.lb_Sessions);

    const std::pair<void (RecordCommands::*)(), const char*> refusals[] = {
        {&RecordCommands::modifyStation, "No Station is Selected."},
        {&RecordCommands::deleteStation, "No Station is Selected."},
        {&RecordCommands::modifySession, "Cannot Modify Session. \nNo Session is Selected."},
        {&RecordCommands::modifySessionSubstituting, "Cannot Modify Session. \nNo Session is Selected."},
        {&RecordCommands::deleteSession, "No Session Record is Selected."},
        {&RecordCommands::modifyEquipment, "No Equipment Record is selected"},
        {&RecordCommands::deleteEquipment, "No Equipment Record is Selected."},
        {&RecordCommands::modifyAntenna, "No Antenna Record is selected"},
        {&RecordCommands::deleteAntenna, "No Antenna Record is Selected."},
    };
    for (const auto& [command, message] : refusals) {
        expectError(message);
        (commands.*command)();
        EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Stop);
    }
    EXPECT_FALSE(alone.isModified());
}

} // namespace
} // namespace ardel
