// The Utilities menu's commands: the thirteen sorts of the four record lists, the six
// renumbering commands with their dialogs and messages, and the search for a station
// by name. The dialogs are owned here, one object each for the whole run.
#pragma once

#include "app/ListSelections.h"
#include "model/Project.h"
#include "ui/Toolkit.h"
#include "utilities/Form_RenumberAll.h"
#include "utilities/Form_RenumberOne.h"
#include "utilities/Renumbering.h"
#include "utilities/SearchBox.h"
#include "utilities/Sorting.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ardel {

class UtilityCommands {
public:
    UtilityCommands(ui::Toolkit& toolkit, Project& project, ListSelections& selections);

    // Each menu id of the Utilities menu with its command.
    std::vector<std::pair<std::string, std::function<void()>>> menuCommands();

    // Sorts the list by the key as one undo step of that name; afterwards no line of it is selected.
    void sort(RecordList list, SortKey key, const std::string& stepName);
    void renumberSelected(KeyKind kind);
    void renumberAll(KeyKind kind);
    // Selects in the station list the station found, or no station when none was.
    void searchByName();

private:
    bool numberFits(KeyKind kind, long long number);
    bool numbersFit(KeyKind kind, long long base, long long increment, int count);
    void renumberSelectedStation(int row, const std::string& newSsn);
    void renumberSelectedEquipment(KeyKind kind, int row, const std::string& newKey);

    ui::Toolkit& toolkit_;
    Project& project_;
    ListSelections& selections_;
    Form_RenumberOne renumberOne_;
    Form_RenumberAll renumberAll_;
    SearchBox searchBox_;
};

} // namespace ardel
