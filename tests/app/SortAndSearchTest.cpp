#include "app/UtilityTestProject.h"

namespace ardel {
namespace {

using testing::stationBody;
using testing::UtilityTest;
using ui::HeadlessForm;

class SortAndSearchTest : public UtilityTest {};

std::vector<std::string> keysOf(const TextStore& store, std::size_t width = 4) {
    std::vector<std::string> ssns;
    for (const std::string& line : store.lines()) {
        ssns.push_back(line.substr(0, width));
    }
    return ssns;
}

TEST_F(SortAndSearchTest, StationsByNameIgnoreCaseAndBreakTiesByTheWholeLine) {
    addStation("0002", "Smith", "BBBB");
    addStation("0010", "ADAMS");
    addStation("0001", "SMITH", "AAAA");
    addStation("0009", "smithers");
    const std::string smith2 = project().lb_Stations.at(0);
    form().choose("lb_Stations", 1);
    for (const char* entry : {menu::kModifyStation, menu::kPopupDeleteStation}) {
        form().setMenuEnabled(entry, true); // as a selected line leaves them
    }
    form().triggerMenu(menu::kSortStationsByName);

    EXPECT_EQ(keysOf(project().lb_Stations), (std::vector<std::string>{"0010", "0001", "0002", "0009"}));
    EXPECT_EQ(project().lb_Stations.at(2), smith2);
    EXPECT_EQ(form().listView("lb_Stations").selectedIndex(), -1);
    EXPECT_FALSE(form().isMenuEnabled(menu::kModifyStation));
    EXPECT_FALSE(form().isMenuEnabled(menu::kPopupDeleteStation));
    EXPECT_FALSE(toolkit.busy);
    EXPECT_TRUE(project().isModified()); // an undo step: the file is written in list order
    EXPECT_EQ(project().lb_sort.count(), 4);
    EXPECT_EQ(project().lb_sort.at(0), fit("ADAMS", 30) + project().lb_Stations.at(0));

    form().triggerMenu(menu::kSortStationsBySsn);
    EXPECT_EQ(keysOf(project().lb_Stations), (std::vector<std::string>{"0001", "0002", "0009", "0010"}));
    form().triggerMenu(menu::kSortStationsById);
    EXPECT_EQ(keysOf(project().lb_Stations), (std::vector<std::string>{"0009", "0010", "0001", "0002"}));
}

TEST_F(SortAndSearchTest, SessionsSortByTheirFieldsAndTwiceIsOnce) {
    addSession("0003", "CCCC", "002", "005", "9912311200");
    addSession("0001", "AAAA", "001", "005", "0301150800");
    addSession("0002", "BBBB", "003", "004", "0301150800");
    addSession("0001", "AAAA", "002", "004", "");
    const std::vector<std::string> lines = project().lb_Sessions.lines();
    auto order = [this, &lines] {
        std::vector<int> indexes;
        for (const std::string& line : project().lb_Sessions.lines()) {
            indexes.push_back(static_cast<int>(std::find(lines.begin(), lines.end(), line) - lines.begin()));
        }
        return indexes;
    };
    form().triggerMenu(menu::kSortSessionsByStart);
    EXPECT_EQ(order(), (std::vector{3, 1, 2, 0})) << "no date first; 991231 after 030115; a tie by SSN";
    form().triggerMenu(menu::kSortSessionsByStart);
    EXPECT_EQ(order(), (std::vector{3, 1, 2, 0}));
    form().triggerMenu(menu::kSortSessionsByAntenna);
    EXPECT_EQ(order(), (std::vector{3, 2, 1, 0})) << "equal JSANs by SSN, then date and time";
    form().triggerMenu(menu::kSortSessionsByInstrument);
    EXPECT_EQ(order(), (std::vector{1, 3, 0, 2}));
    form().triggerMenu(menu::kSortSessionsById);
    EXPECT_EQ(order(), (std::vector{3, 1, 2, 0}));
    form().triggerMenu(menu::kSortSessionsByStation);
    EXPECT_EQ(order(), (std::vector{3, 1, 2, 0}));
}

TEST_F(SortAndSearchTest, EquipmentSortsAndAnEmptyListStaysEmpty) {
    project().lb_Instruments.append(instrumentBody("010", "TRM      ZETA  "));
    project().lb_Instruments.append(instrumentBody("009", "ASH      alpha"));
    project().lb_Antennas.append(antennaBody("002", "TRM22020.00+GP"));
    project().lb_Antennas.append(antennaBody("001", "ASH700936A_M"));
    form().triggerMenu(menu::kSortInstrumentsByJsin);
    EXPECT_EQ(keysOf(project().lb_Instruments, 3), (std::vector<std::string>{"009", "010"}));
    form().triggerMenu(menu::kSortInstrumentsByCode);
    EXPECT_EQ(keysOf(project().lb_Instruments, 3), (std::vector<std::string>{"009", "010"}));
    form().triggerMenu(menu::kSortInstrumentsByMaker);
    EXPECT_EQ(project().lb_Instruments.at(0), instrumentBody("009", "ASH      alpha"));
    form().triggerMenu(menu::kSortAntennasByCode);
    EXPECT_EQ(project().lb_Antennas.lines(), (std::vector{antennaBody("001", "ASH700936A_M"), antennaBody("002")}));
    form().triggerMenu(menu::kSortAntennasByJsan);
    EXPECT_EQ(keysOf(project().lb_Antennas, 3), (std::vector<std::string>{"001", "002"}));
    form().triggerMenu(menu::kSortStationsByName);
    EXPECT_TRUE(project().lb_Stations.empty());
    EXPECT_TRUE(project().lb_sort.empty());
}

TEST_F(SortAndSearchTest, ALineShorterThanItsKeyComesBackWhole) {
    project().lb_Sessions.append("0002  short");
    project().lb_Sessions.append("0001");
    addSession("0003", "CCCC", "002", "005");
    const std::string full = project().lb_Sessions.at(2);
    form().triggerMenu(menu::kSortSessionsByAntenna);
    EXPECT_EQ(project().lb_Sessions.lines(), (std::vector<std::string>{"0001", "0002  short", full}));
}

TEST_F(SortAndSearchTest, SearchSelectsAsTheUserTypesAndOkSelectsTheStation) {
    addStation("0001", "ANDERSON");
    addStation("0002", "BAKER");
    addStation("0003", "BALDWIN");
    addStation("0004", "BAKER");
    toolkit.expectDialog("SearchBox", [](HeadlessForm& f) {
        EXPECT_EQ(f.caption(), "Search for Station By Name");
        EXPECT_EQ(f.focused(), "textb_1");
        ui::ListView& rows = f.listView("lb_1");
        ASSERT_EQ(rows.source()->count(), 4);
        EXPECT_EQ(rows.source()->at(1), fit("BAKER", 30));
        EXPECT_EQ(rows.selectedIndex(), -1);
        f.type("textb_1", "B");
        EXPECT_EQ(rows.selectedIndex(), 1);
        f.typeMore("textb_1", "a");
        EXPECT_EQ(rows.selectedIndex(), 1);
        f.typeMore("textb_1", "L");
        EXPECT_EQ(rows.selectedIndex(), 2);
        f.typeMore("textb_1", "X");
        EXPECT_EQ(rows.selectedIndex(), 2) << "no name begins with BALX";
        f.type("textb_1", "ba");
        EXPECT_EQ(rows.selectedIndex(), 1) << "ba finds what BA finds";
        f.type("textb_1", "KER");
        EXPECT_EQ(rows.selectedIndex(), -1) << "a name is matched at its start only";
        f.type("textb_1", "bal");
        f.click("cb_OK");
    });
    form().triggerMenu(menu::kSearchByName);
    EXPECT_EQ(form().listView("lb_Stations").selectedIndex(), 2);
    EXPECT_TRUE(form().isMenuEnabled(menu::kDeleteStation));
    EXPECT_FALSE(project().isModified());

    toolkit.expectDialog("SearchBox", [](HeadlessForm& f) {
        EXPECT_EQ(f.listView("lb_1").selectedIndex(), -1) << "each showing starts without a row";
        f.type("textb_1", "BAKER");
        EXPECT_EQ(f.listView("lb_1").selectedIndex(), 1) << "the higher of two equal names";
        f.click("cb_Cancel");
    });
    form().triggerMenu(menu::kSearchByName);
    EXPECT_EQ(form().listView("lb_Stations").selectedIndex(), 2) << "Cancel keeps the selection";
}

TEST_F(SortAndSearchTest, AnEmptySearchTextOrNoTypingSelectsNoStation) {
    addStation("0001", "ANDERSON");
    addStation("0002", "BAKER");
    form().choose("lb_Stations", 0);
    toolkit.expectDialog("SearchBox", [](HeadlessForm& f) {
        f.type("textb_1", "B");
        EXPECT_EQ(f.listView("lb_1").selectedIndex(), 1);
        f.type("textb_1", "\b");
        EXPECT_EQ(f.textBox("textb_1").text(), "");
        EXPECT_EQ(f.listView("lb_1").selectedIndex(), -1);
        f.click("cb_OK");
    });
    form().triggerMenu(menu::kSearchByName);
    EXPECT_EQ(form().listView("lb_Stations").selectedIndex(), -1);
    EXPECT_FALSE(form().isMenuEnabled(menu::kModifyStation));

    form().choose("lb_Stations", 1);
    toolkit.expectDialog("SearchBox", [](HeadlessForm& f) {
        f.choose("lb_1", 0);
        f.click("cb_OK");
    });
    form().triggerMenu(menu::kSearchByName);
    EXPECT_EQ(form().listView("lb_Stations").selectedIndex(), -1) << "a row chosen without typing is no result";
}

} // namespace
} // namespace ardel
