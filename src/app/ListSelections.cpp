#include "app/ListSelections.h"

#include "app/MainMenu.h"

namespace ardel {

namespace {

struct ListEntries {
    const char* view;
    std::vector<const char*> selectionEntries; // Modify and Delete, menu bar and pop-up
};

const ListEntries& entriesOf(RecordList list) {
    static const ListEntries sessions{"lb_Sessions",
                                      {menu::kModifySession, menu::kModifySessionSubstituting, menu::kDeleteSession,
                                       menu::kPopupModifySession, menu::kPopupDeleteSession}};
    static const ListEntries instruments{
        "lb_Instruments",
        {menu::kModifyEquipment, menu::kDeleteEquipment, menu::kPopupModifyEquipment, menu::kPopupDeleteEquipment}};
    static const ListEntries stations{
        "lb_Stations",
        {menu::kModifyStation, menu::kDeleteStation, menu::kPopupModifyStation, menu::kPopupDeleteStation}};
    static const ListEntries antennas{
        "lb_Antennas",
        {menu::kModifyAntenna, menu::kDeleteAntenna, menu::kPopupModifyAntenna, menu::kPopupDeleteAntenna}};
    switch (list) {
    case RecordList::Sessions:
        return sessions;
    case RecordList::Instruments:
        return instruments;
    case RecordList::Stations:
        return stations;
    case RecordList::Antennas:
        break;
    }
    return antennas;
}

} // namespace

ListSelections::ListSelections(ui::Form& mainWindow) : mainWindow_(mainWindow) {}

const char* ListSelections::viewName(RecordList list) {
    return entriesOf(list).view;
}

int ListSelections::selected(RecordList list) const {
    return mainWindow_.listView(viewName(list)).selectedIndex();
}

void ListSelections::clicked(RecordList list) {
    const int row = selected(list);
    if (row == remembered(list)) {
        unselect(list);
    } else {
        setEntriesEnabled(list, true);
    }
    remember(list, selected(list));
}

void ListSelections::selectionChanged(RecordList list) {
    setEntriesEnabled(list, selected(list) >= 0);
}

void ListSelections::select(RecordList list, int row) {
    mainWindow_.listView(viewName(list)).setSelectedIndex(row);
    setEntriesEnabled(list, selected(list) >= 0);
}

void ListSelections::unselect(RecordList list) {
    select(list, -1);
    remember(list, -1);
}

void ListSelections::setEntriesEnabled(RecordList list, bool enabled) {
    for (const char* entry : entriesOf(list).selectionEntries) {
        mainWindow_.setMenuEnabled(entry, enabled);
    }
}

} // namespace ardel
