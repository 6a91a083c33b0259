#include "app/UtilityCommands.h"

#include "app/MainMenu.h"
#include "ui/Text.h"

namespace ardel {

namespace {

struct SortCommand {
    const char* menuId;
    RecordList list;
    SortKey key;
    const char* name; // the undo step's
};

// clang-format off
const SortCommand kSortCommands[] = {
    {menu::kSortStationsBySsn,        RecordList::Stations,    {0, 4},   "Sort Stations by SSN"},
    {menu::kSortStationsByName,       RecordList::Stations,    {6, 30},  "Sort Stations by Name"},
    {menu::kSortStationsById,         RecordList::Stations,    {38, 4},  "Sort Stations by Four Character ID"},
    {menu::kSortInstrumentsByJsin,    RecordList::Instruments, {0, 3},   "Sort Instruments by JSIN"},
    {menu::kSortInstrumentsByCode,    RecordList::Instruments, {3, 3},   "Sort Instruments By Equipment Code"},
    {menu::kSortInstrumentsByMaker,   RecordList::Instruments, {12, 18}, "Sort Instruments By Manufacturer"},
    {menu::kSortAntennasByJsan,       RecordList::Antennas,    {0, 3},   "Sort Antennas by JSAN"},
    {menu::kSortAntennasByCode,       RecordList::Antennas,    {6, 20},  "Sort Antennas by Antenna Code"},
    {menu::kSortSessionsByAntenna,    RecordList::Sessions,    {52, 3},  "Sort Sessions by Antenna"},
    {menu::kSortSessionsById,         RecordList::Sessions,    {20, 4},  "Sort Sessions By Four Char ID"},
    {menu::kSortSessionsByInstrument, RecordList::Sessions,    {47, 3},  "Sort Sessions by Instrument"},
    {menu::kSortSessionsByStart,      RecordList::Sessions,    {6, 12},  "Sort Sessions by Start Date and Time"},
    {menu::kSortSessionsByStation,    RecordList::Sessions,    {0, 4},   "Sort Sessions by Station"},
};

struct RenumberCommand {
    const char* selectedId;
    const char* allId;
    KeyKind kind;
};

const RenumberCommand kRenumberCommands[] = {
    {menu::kRenumberOneStation,    menu::kRenumberAllStations,    KeyKind::Station},
    {menu::kRenumberOneInstrument, menu::kRenumberAllInstruments, KeyKind::Instrument},
    {menu::kRenumberOneAntenna,    menu::kRenumberAllAntennas,    KeyKind::Antenna},
};

// The messages that name the kind of record.
struct KindTexts {
    RecordList list;
    const char* noneSelectedCaption;
    const char* noneSelected;
    const char* mergeQuestion; // equipment only: the new number belongs to another record
    const char* updated;
};

const KindTexts kStationTexts {
    RecordList::Stations, "No Station selected", "No Station has been selected", nullptr,
    "%d Session (*25*/*27*) records and one station (*25*) record updated"};
const KindTexts kInstrumentTexts {
    RecordList::Instruments, "No Instrument selected", "No Instrument has been selected",
    "Warning - The New Number %s is already in use. \n                Do you wish to declare that instrument %s is the \n"
    "                same as instrument %s, with all of its properties?",
    "%d Session (*25*/*27*) records and one Instrument (*70*) record updated"};
const KindTexts kAntennaTexts {
    RecordList::Antennas, "No Antenna selected", "No Antenna has been selected",
    "Warning - The New Number %s is already in use. \n                Do you wish to declare that antenna %s is the \n"
    "                same as antenna %s, with all of its properties?",
    "%d Session (*25*/*27*) records and one Antenna (*72*) record updated"};
// clang-format on

const KindTexts& textsOf(KeyKind kind) {
    switch (kind) {
    case KeyKind::Station:
        return kStationTexts;
    case KeyKind::Instrument:
        return kInstrumentTexts;
    case KeyKind::Antenna:
        break;
    }
    return kAntennaTexts;
}

TextStore& storeOf(Project& project, RecordList list) {
    switch (list) {
    case RecordList::Sessions:
        return project.lb_Sessions;
    case RecordList::Instruments:
        return project.lb_Instruments;
    case RecordList::Stations:
        return project.lb_Stations;
    case RecordList::Antennas:
        break;
    }
    return project.lb_Antennas;
}

constexpr const char* kOutOfRangeCaption = "Number Out of Range";

} // namespace

UtilityCommands::UtilityCommands(ui::Toolkit& toolkit, Project& project, ListSelections& selections)
    : toolkit_(toolkit), project_(project), selections_(selections), renumberOne_(toolkit), renumberAll_(toolkit),
      searchBox_(toolkit) {}

std::vector<std::pair<std::string, std::function<void()>>> UtilityCommands::menuCommands() {
    std::vector<std::pair<std::string, std::function<void()>>> commands;
    for (const SortCommand& sort : kSortCommands) {
        commands.emplace_back(sort.menuId, [this, sort] { this->sort(sort.list, sort.key, sort.name); });
    }
    for (const RenumberCommand& renumber : kRenumberCommands) {
        commands.emplace_back(renumber.selectedId, [this, kind = renumber.kind] { renumberSelected(kind); });
        commands.emplace_back(renumber.allId, [this, kind = renumber.kind] { renumberAll(kind); });
    }
    commands.emplace_back(menu::kSearchByName, [this] { searchByName(); });
    return commands;
}

void UtilityCommands::sort(RecordList list, SortKey key, const std::string& stepName) {
    {
        ui::BusyCursor busy(toolkit_);
        const UndoStep step(project_, stepName);
        sortByKey(storeOf(project_, list), project_.lb_sort, key);
    }
    selections_.unselect(list);
}

// A number that does not fit the key's field would shift every column after it.
bool UtilityCommands::numberFits(KeyKind kind, long long number) {
    if (fitsKey(kind, number)) {
        return true;
    }
    const KeyField& field = keyField(kind);
    toolkit_.messageBox(kOutOfRangeCaption,
                        ui::format("Cannot Renumber %s. New Number %lld does not fit; %s numbers run from 0 to %d.",
                                   field.kindWord, number, field.kindWord, field.largest),
                        ui::Icon::Stop, ui::Buttons::OK);
    return false;
}

// Every number handed out must fit, and an increment of 0 would give two records one key.
bool UtilityCommands::numbersFit(KeyKind kind, long long base, long long increment, int count) {
    if (count < 1) {
        return true;
    }
    const KeyField& field = keyField(kind);
    if (increment == 0 && count > 1) {
        toolkit_.messageBox("Invalid Increment",
                            ui::format("Cannot Renumber %ss. An increment of 0 would give all %d %ss the same number.",
                                       field.kindWord, count, field.kindWord),
                            ui::Icon::Stop, ui::Buttons::OK);
        return false;
    }
    const long long last = base + (count - 1) * increment;
    if (fitsKey(kind, base) && fitsKey(kind, last)) {
        return true;
    }
    toolkit_.messageBox(kOutOfRangeCaption,
                        ui::format("Cannot Renumber %ss. The numbers from %lld to %lld do not all fit; %s numbers "
                                   "run from 0 to %d.",
                                   field.kindWord, base, last, field.kindWord, field.largest),
                        ui::Icon::Stop, ui::Buttons::OK);
    return false;
}

void UtilityCommands::renumberSelected(KeyKind kind) {
    const KindTexts& texts = textsOf(kind);
    const int row = selections_.selected(texts.list);
    if (row < 0) {
        toolkit_.messageBox(texts.noneSelectedCaption, texts.noneSelected, ui::Icon::Stop, ui::Buttons::OK);
        return;
    }
    const KeyField& field = keyField(kind);
    const std::string current = slice((project_.*field.store).at(row), field.lineKey, field.width);
    if (renumberOne_.run(field.kindWord, current) == 0) {
        return;
    }
    const long long number = typedNumber(renumberOne_.newNumberText());
    if (!numberFits(kind, number)) {
        return;
    }
    if (kind == KeyKind::Station) {
        renumberSelectedStation(row, keyText(kind, number));
    } else {
        renumberSelectedEquipment(kind, row, keyText(kind, number));
    }
}

void UtilityCommands::renumberSelectedStation(int row, const std::string& newSsn) {
    if (project_.lb_Stations.find(newSsn) >= 0) {
        toolkit_.messageBox("Number in Use",
                            ui::format("Cannot Renumber Station. New Number %s is already in use.", newSsn.c_str()),
                            ui::Icon::Stop, ui::Buttons::OK);
        return;
    }
    const int sessions = [&] {
        const UndoStep step(project_, "Renumber Station " + slice(project_.lb_Stations.at(row), 0, kSsnWidth));
        return renumberStation(project_, row, newSsn);
    }();
    project_.markModified();
    toolkit_.messageBox("Sessions Updated", ui::format(kStationTexts.updated, sessions), ui::Icon::Information,
                        ui::Buttons::OK);
}

// A number held by another record merges the two after a Yes; the record's own number
// is no other record's and asks nothing.
void UtilityCommands::renumberSelectedEquipment(KeyKind kind, int row, const std::string& newKey) {
    const KindTexts& texts = textsOf(kind);
    TextStore& store = project_.*keyField(kind).store;
    const std::string current = slice(store.at(row), 0, static_cast<std::size_t>(keyField(kind).width));
    const int holder = store.find(newKey);
    if (holder >= 0 && holder != row &&
        toolkit_.messageBox("Warning - Renumber Problem",
                            ui::format(texts.mergeQuestion, newKey.c_str(), current.c_str(), newKey.c_str()),
                            ui::Icon::Warning, ui::Buttons::YesNo) != ui::Answer::Yes) {
        return;
    }
    const int sessions = [&] {
        const UndoStep step(project_, std::string("Renumber ") + keyField(kind).kindWord + " " + current);
        return renumberEquipment(project_, kind, row, newKey);
    }();
    project_.markModified();
    toolkit_.messageBox("Sessions Updated", ui::format(texts.updated, sessions), ui::Icon::Information,
                        ui::Buttons::OK);
}

void UtilityCommands::renumberAll(KeyKind kind) {
    const KeyField& field = keyField(kind);
    if (renumberAll_.run(field.kindWord) == 0) {
        return;
    }
    const long long base = typedNumber(renumberAll_.baseText());
    const long long increment = typedNumber(renumberAll_.incrementText());
    if (!numbersFit(kind, base, increment, (project_.*field.store).count())) {
        return;
    }
    const UndoStep step(project_, std::string("Renumber All ") + field.kindWord + "s");
    ardel::renumberAll(project_, kind, base, increment);
    project_.markModified();
}

void UtilityCommands::searchByName() {
    searchBox_.configure("Search for Station By Name", project_.lb_Stations, -1, -1,
                         static_cast<int>(station_line::kName), static_cast<int>(station_line::kNameWidth));
    if (searchBox_.run() == 1) {
        selections_.select(RecordList::Stations, searchBox_.resultIndex());
    }
}

} // namespace ardel
