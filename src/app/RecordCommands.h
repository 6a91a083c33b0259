// The record list commands of the main window: add, modify and delete a station, a
// session, an instrument or an antenna, from the menus, the pop-up menus and the
// double-clicks. Each runs its editor on the selected line and puts the result back
// into the stores, keeping the references from sessions to the other records intact.
#pragma once

#include "app/ListSelections.h"
#include "editors/antenna/Form_Antenna.h"
#include "editors/equipment/FormEquipment.h"
#include "editors/session/Form_Session.h"
#include "editors/station/Form_Station.h"
#include "model/Project.h"
#include "ui/Toolkit.h"

#include <string>

namespace ardel {

// The editors the commands run; the main window owns them for the whole run.
struct RecordEditors {
    Form_Station& station;
    FormEquipment& instrument;
    Form_Antenna& antenna;
    Form_Session& session;
};

class RecordCommands {
public:
    RecordCommands(ui::Toolkit& toolkit, Project& project, ListSelections& selections, RecordEditors editors);

    void addStation();
    void modifyStation();
    void deleteStation();

    void addSession();
    void modifySession();
    // Modify the selected session with the selected instrument and antenna in place of its own.
    void modifySessionSubstituting();
    void deleteSession();

    void addEquipment();
    void modifyEquipment();
    void deleteEquipment();

    void addAntenna();
    void modifyAntenna();
    void deleteAntenna();

    // A character typed into the station list: it extends the typed search text (Backspace
    // takes one away) and the first station whose name begins with the text, letter case
    // counting, is selected. Always handled.
    bool stationListTyped(char key);

private:
    // The selected line of a list, remembered for the selection rule; nothing shown.
    int takeSelection(RecordList list);
    // The selected line, or the error box with `message` and -1.
    int requireSelection(RecordList list, const char* message);
    void refuse(const std::string& message);
    void runSessionEditor(int sessionRow, const std::string& jsin, const std::string& jsan);
    void storeModifiedStation(int row, const StationBodies& given, const StationBodies& saved, int heightsRow,
                              int fixedRow);
    void followNewSsn(TextStore& store, int row, const std::string& ssn);
    // A record of `store` edited in its editor and put back at its index; false when not saved.
    void modifyBodyRecord(RecordList list, TextStore& store, const char* noSelection,
                          int (RecordCommands::*edit)(std::string&));
    void deleteBodyRecord(RecordList list, TextStore& store, const char* noSelection, std::size_t keyInPacked,
                          std::size_t keyWidth, const char* referencedFormat);
    int editInstrument(std::string& body);
    int editAntenna(std::string& body);

    ui::Toolkit& toolkit_;
    Project& project_;
    ListSelections& selections_;
    RecordEditors editors_;
    std::string typedStationName_; // the station list's typed search text, kept for the whole run
};

} // namespace ardel
