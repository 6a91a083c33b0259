// The selections of the main window's four record lists: the index each list
// remembers for the selection rule of a click, and the gray or enabled state of the
// list's Modify and Delete entries (menu bar and pop-up) that follows the selection.
#pragma once

#include "ui/Form.h"

#include <array>
#include <string>
#include <vector>

namespace ardel {

enum class RecordList { Sessions, Instruments, Stations, Antennas };

class ListSelections {
public:
    explicit ListSelections(ui::Form& mainWindow);

    // The list view's name ("lb_Stations", ...).
    static const char* viewName(RecordList list);

    // The selected line of the list view, -1 when none.
    int selected(RecordList list) const;
    // The index the selection rule compares a click with; -1 at start-up.
    int remembered(RecordList list) const { return remembered_[index(list)]; }
    void remember(RecordList list, int row) { remembered_[index(list)] = row; }

    // A click in the list: a click on the line remembered unselects it and grays the
    // entries; any other enables them. The selected index is then remembered.
    void clicked(RecordList list);
    // The selection changed (by the keyboard, a typed search or from code): the entries
    // are enabled while a line is selected and gray while none is. Nothing is remembered.
    void selectionChanged(RecordList list);
    // Selects `row` of the list from code (-1 unselects) and sets the entries to match.
    void select(RecordList list, int row);
    // Unselects the list, grays its entries and forgets the remembered index, so that the
    // next click on any line selects it.
    void unselect(RecordList list);

private:
    static std::size_t index(RecordList list) { return static_cast<std::size_t>(list); }
    void setEntriesEnabled(RecordList list, bool enabled);

    ui::Form& mainWindow_;
    std::array<int, 4> remembered_{-1, -1, -1, -1};
};

} // namespace ardel
