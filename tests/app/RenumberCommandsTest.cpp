#include "app/UtilityTestProject.h"

namespace ardel {
namespace {

using testing::stationBody;
using testing::UtilityTest;
using ui::Answer;
using ui::HeadlessForm;

const std::string kStationUpdated = " Session (*25*/*27*) records and one station (*25*) record updated";
const std::string kInstrumentUpdated = " Session (*25*/*27*) records and one Instrument (*70*) record updated";
const std::string kAntennaUpdated = " Session (*25*/*27*) records and one Antenna (*72*) record updated";

class RenumberCommandsTest : public UtilityTest {
protected:
    void expectNewNumber(const std::string& typed) {
        toolkit.expectDialog("Form_RenumberOne", [typed](HeadlessForm& f) {
            f.type("textb_numbertext", typed);
            f.click("cb_OK");
        });
    }
    void expectBaseAndIncrement(const std::string& base, const std::string& increment) {
        toolkit.expectDialog("Form_RenumberAll", [=](HeadlessForm& f) {
            f.type("textb_base", base);
            f.type("textb_increment", increment);
            f.click("cb_OK");
        });
    }
    void renumberSelected(const char* menuId, const char* list, int row) {
        form().choose(list, row);
        form().triggerMenu(menuId);
    }
};

TEST_F(RenumberCommandsTest, StationTakesTheNewNumberInItsLinesAndSessions) {
    addStation("0003", "THIRD");
    addStation("0007", "SEVENTH", "ABCD");
    project().lb_86.append(heightsBody("0003"));
    project().lb_86.append(heightsBody("0007"));
    project().lb_90.append(fixedBody("0007"));
    addSession("0007", "ABCD", "001", "001", "2401151030");
    addSession("0003", "THRD");
    addSession("0007", "ABCD", "002", "001", "");
    toolkit.expectDialog("Form_RenumberOne", [](HeadlessForm& f) {
        EXPECT_EQ(f.caption(), "Renumber One ");
        EXPECT_EQ(f.label("label_1").text(), "Please enter the new number for  Station 0007. \n"
                                             "All sessions for this Station will also be modified.");
        EXPECT_EQ(f.label("label_2").text(), "New Station Serial Number");
        EXPECT_EQ(f.focused(), "textb_numbertext");
        f.type("textb_numbertext", "12");
        f.click("cb_OK");
    });
    toolkit.expectMessage("Sessions Updated", "2" + kStationUpdated);
    renumberSelected(menu::kRenumberOneStation, "lb_Stations", 1);

    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Information);
    EXPECT_EQ(project().lb_Stations.at(0), buildStationLine(stationBody("0003", "THIRD"), "    "));
    EXPECT_EQ(project().lb_Stations.at(1),
              "0012  SEVENTH                         ABCD" + stationBody("0012", "SEVENTH"));
    EXPECT_EQ(project().lb_86.lines(), (std::vector{heightsBody("0003"), heightsBody("0012")}));
    EXPECT_EQ(project().lb_90.lines(), (std::vector{fixedBody("0012")}));
    EXPECT_EQ(project().lb_Sessions.lines(),
              (std::vector{sessionLine("0012", "ABCD", "001", "001", "2401151030"),
                           sessionLine("0003", "THRD", "001", "001"), sessionLine("0012", "ABCD", "002", "001", "")}));
    EXPECT_EQ(project().lb_Sessions.at(0).substr(0, 34), "0012  240115  1030  ABCD      0012");
    EXPECT_EQ(project().lb_Sessions.at(2).substr(0, 34), "0012" + std::string(16, ' ') + "ABCD      0012");
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [][modified]");
}

TEST_F(RenumberCommandsTest, StationToANumberInUseIsRefusedAndAbcIsZero) {
    addStation("0007", "SEVENTH");
    addStation("0012", "TWELFTH");
    addSession("0007", "ABCD");
    const auto before = allLines();
    form().choose("lb_Stations", 0);
    for (const char* typed : {"7", "  +12xyz"}) {
        expectNewNumber(typed);
        toolkit.expectMessage("Number in Use", ui::format("Cannot Renumber Station. New Number %s is already in use.",
                                                          typed[0] == '7' ? "0007" : "0012"));
        form().triggerMenu(menu::kRenumberOneStation);
        EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Stop);
    }
    EXPECT_EQ(allLines(), before);
    EXPECT_FALSE(project().isModified());

    expectNewNumber("abc");
    toolkit.expectMessage("Sessions Updated", "1" + kStationUpdated);
    form().triggerMenu(menu::kRenumberOneStation);
    EXPECT_EQ(project().lb_Stations.at(0).substr(0, 4) + project().lb_Stations.at(0).substr(42, 4), "00000000");
    EXPECT_EQ(project().lb_Sessions.at(0), sessionLine("0000", "ABCD", "001", "001"));
}

TEST_F(RenumberCommandsTest, NothingSelectedOrCancelledChangesNothing) {
    addStation("0007", "SEVENTH");
    project().lb_Instruments.append(instrumentBody("001"));
    project().lb_Antennas.append(antennaBody("001"));
    toolkit.expectMessage("No Station selected", "No Station has been selected");
    form().triggerMenu(menu::kRenumberOneStation);
    toolkit.expectMessage("No Instrument selected", "No Instrument has been selected");
    form().triggerMenu(menu::kRenumberOneInstrument);
    toolkit.expectMessage("No Antenna selected", "No Antenna has been selected");
    form().triggerMenu(menu::kRenumberOneAntenna);
    const auto before = allLines();
    toolkit.expectDialog("Form_RenumberOne", [](HeadlessForm& f) {
        f.type("textb_numbertext", "5");
        f.click("cb_Cancel");
    });
    renumberSelected(menu::kRenumberOneAntenna, "lb_Antennas", 0);
    toolkit.expectDialog("Form_RenumberAll", [](HeadlessForm& f) { f.click("cb_Cancel"); });
    form().triggerMenu(menu::kRenumberAllStations);
    EXPECT_EQ(allLines(), before);
    EXPECT_FALSE(project().isModified());
}

TEST_F(RenumberCommandsTest, InstrumentRenumberedToAnotherOneMergesIntoItAfterYes) {
    project().lb_Instruments.append(instrumentBody("001", "GPS      FIRST"));
    project().lb_Instruments.append(instrumentBody("002", "GPS      SECOND"));
    addSession("0001", "AAAA", "002", "004");
    addSession("0002", "BBBB", "001", "002");
    addSession("0003", "CCCC", "002", "002");
    const std::string question = "Warning - The New Number 001 is already in use. \n"
                                 "                Do you wish to declare that instrument 002 is the \n"
                                 "                same as instrument 001, with all of its properties?";
    const auto before = allLines();
    expectNewNumber("1");
    toolkit.expectMessage("Warning - Renumber Problem", question, Answer::No);
    renumberSelected(menu::kRenumberOneInstrument, "lb_Instruments", 1);
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Warning);
    EXPECT_EQ(allLines(), before);

    expectNewNumber("1");
    toolkit.expectMessage("Warning - Renumber Problem", question, Answer::Yes);
    toolkit.expectMessage("Sessions Updated", "2" + kInstrumentUpdated);
    form().triggerMenu(menu::kRenumberOneInstrument);
    EXPECT_EQ(project().lb_Instruments.lines(), (std::vector{instrumentBody("001", "GPS      FIRST")}));
    EXPECT_EQ(project().lb_Sessions.lines(),
              (std::vector{sessionLine("0001", "AAAA", "001", "004"), sessionLine("0002", "BBBB", "001", "002"),
                           sessionLine("0003", "CCCC", "001", "002")}));
    EXPECT_TRUE(project().isModified());
}

TEST_F(RenumberCommandsTest, AntennaRenumberedToItsOwnNumberAsksNothingAndLosesNothing) {
    project().lb_Antennas.append(antennaBody("004"));
    project().lb_Antennas.append(antennaBody("005", "ASH700936A_M    SNOW"));
    addSession("0001", "AAAA", "001", "005");
    const auto before = allLines();
    expectNewNumber("005");
    toolkit.expectMessage("Sessions Updated", "1" + kAntennaUpdated);
    renumberSelected(menu::kRenumberOneAntenna, "lb_Antennas", 1);
    EXPECT_EQ(allLines(), before);

    expectNewNumber("abc");
    toolkit.expectMessage("Sessions Updated", "1" + kAntennaUpdated);
    form().triggerMenu(menu::kRenumberOneAntenna);
    EXPECT_EQ(project().lb_Antennas.at(1), antennaBody("000", "ASH700936A_M    SNOW"));
    EXPECT_EQ(project().lb_Sessions.at(0), sessionLine("0001", "AAAA", "001", "000"));
}

TEST_F(RenumberCommandsTest, NumbersThatDoNotFitTheirFieldAreRefusedBeforeAnythingChanges) {
    addStation("0007", "SEVENTH");
    addStation("0008", "EIGHTH");
    project().lb_Instruments.append(instrumentBody("001"));
    project().lb_Instruments.append(instrumentBody("002"));
    addSession("0007", "ABCD");
    const auto before = allLines();
    expectNewNumber("10000");
    toolkit.expectMessage("Number Out of Range", "Cannot Renumber Station. New Number 10000 does not fit; Station "
                                                 "numbers run from 0 to 9999.");
    renumberSelected(menu::kRenumberOneStation, "lb_Stations", 0);
    expectNewNumber("-3");
    toolkit.expectMessage("Number Out of Range", "Cannot Renumber Station. New Number -3 does not fit; Station "
                                                 "numbers run from 0 to 9999.");
    form().triggerMenu(menu::kRenumberOneStation);
    expectNewNumber("99999999999999999999");
    toolkit.expectMessage("Number Out of Range", "Cannot Renumber Instrument. New Number 1000000000000 does not fit; "
                                                 "Instrument numbers run from 0 to 999.");
    renumberSelected(menu::kRenumberOneInstrument, "lb_Instruments", 0);

    expectBaseAndIncrement("9990", "10");
    toolkit.expectMessage("Number Out of Range", "Cannot Renumber Stations. The numbers from 9990 to 10000 do not all "
                                                 "fit; Station numbers run from 0 to 9999.");
    form().triggerMenu(menu::kRenumberAllStations);
    expectBaseAndIncrement("5", "-10");
    toolkit.expectMessage("Number Out of Range", "Cannot Renumber Instruments. The numbers from 5 to -5 do not all "
                                                 "fit; Instrument numbers run from 0 to 999.");
    form().triggerMenu(menu::kRenumberAllInstruments);
    expectBaseAndIncrement("5", "abc");
    toolkit.expectMessage("Invalid Increment",
                          "Cannot Renumber Stations. An increment of 0 would give all 2 Stations the same number.");
    form().triggerMenu(menu::kRenumberAllStations);
    EXPECT_EQ(allLines(), before);
    EXPECT_FALSE(project().isModified());

    // The last number may be the field's largest; one record needs no increment.
    expectBaseAndIncrement("9989", "10");
    form().triggerMenu(menu::kRenumberAllStations);
    EXPECT_EQ(project().lb_Stations.at(1).substr(0, 4), "9999");
    expectBaseAndIncrement("999", "0");
    form().triggerMenu(menu::kRenumberAllAntennas); // an empty list: nothing to number
    EXPECT_TRUE(project().isModified());
}

TEST_F(RenumberCommandsTest, RenumberAllStationsLetsEveryLineFollowItsOwnStation) {
    addStation("0015", "FIFTEEN", "FFFF");
    addStation("0005", "FIVE", "VVVV");
    addStation("0025", "TWENTYFIVE");
    project().lb_86.append(heightsBody("0005"));
    project().lb_86.append(heightsBody("0015"));
    project().lb_90.append(fixedBody("0025"));
    project().lb_90.append(fixedBody("0015"));
    addSession("0005", "VVVV", "001", "001", "2401011200");
    addSession("0015", "FFFF", "002", "001", "2401021200");
    addSession("0025", "TTTT", "003", "001", "2401031200");
    addSession("0015", "FFFF", "004", "001", "2401041200");
    toolkit.expectDialog("Form_RenumberAll", [](HeadlessForm& f) {
        EXPECT_EQ(f.caption(), "Renumber All");
        EXPECT_EQ(f.label("label_1").text(),
                  "Please enter the base and increment for renumbering Stations. \nExample: If the base is 5 and the "
                  "increment 10, Stations will be numbered \n5,15,25,...\n\nAll sessions will also be modified.");
        EXPECT_EQ(f.label("label_2").text(), "Base Station Number");
        EXPECT_EQ(f.label("label_3").text(), "Numbering Increment:");
        EXPECT_EQ(f.focused(), "textb_base");
        f.type("textb_base", "5");
        f.type("textb_increment", "10");
        f.click("cb_OK");
    });
    form().triggerMenu(menu::kRenumberAllStations);

    EXPECT_EQ(project().lb_Stations.lines(),
              (std::vector{buildStationLine(stationBody("0005", "FIFTEEN"), "FFFF"),
                           buildStationLine(stationBody("0015", "FIVE"), "VVVV"),
                           buildStationLine(stationBody("0025", "TWENTYFIVE"), "    ")}));
    EXPECT_EQ(project().lb_86.lines(), (std::vector{heightsBody("0015"), heightsBody("0005")}));
    EXPECT_EQ(project().lb_90.lines(), (std::vector{fixedBody("0025"), fixedBody("0005")}));
    EXPECT_EQ(project().lb_Sessions.lines(), (std::vector{sessionLine("0015", "VVVV", "001", "001", "2401011200"),
                                                          sessionLine("0005", "FFFF", "002", "001", "2401021200"),
                                                          sessionLine("0025", "TTTT", "003", "001", "2401031200"),
                                                          sessionLine("0005", "FFFF", "004", "001", "2401041200")}));
    EXPECT_EQ(form().caption(), "Ardel - Create B-File [][modified]");
}

TEST_F(RenumberCommandsTest, RenumberAllInstrumentsAndAntennasFollowsTheListOrder) {
    project().lb_Instruments.append(instrumentBody("007", "GPS      SEVEN"));
    project().lb_Instruments.append(instrumentBody("003", "GPS      THREE"));
    project().lb_Antennas.append(antennaBody("009"));
    project().lb_Antennas.append(antennaBody("001"));
    addSession("0001", "AAAA", "003", "009");
    addSession("0002", "BBBB", "007", "001");
    expectBaseAndIncrement("3", "4");
    form().triggerMenu(menu::kRenumberAllInstruments);
    expectBaseAndIncrement("1", "1");
    form().triggerMenu(menu::kRenumberAllAntennas);
    EXPECT_EQ(project().lb_Instruments.lines(),
              (std::vector{instrumentBody("003", "GPS      SEVEN"), instrumentBody("007", "GPS      THREE")}));
    EXPECT_EQ(project().lb_Antennas.lines(), (std::vector{antennaBody("001"), antennaBody("002")}));
    EXPECT_EQ(project().lb_Sessions.lines(),
              (std::vector{sessionLine("0001", "AAAA", "007", "001"), sessionLine("0002", "BBBB", "003", "002")}));
}

} // namespace
} // namespace ardel
