#include "app/RecordCommands.h"

#include "ui/Text.h"

namespace ardel {

namespace {

constexpr const char* kErrorCaption = "Error";

constexpr const char* kNoStation = "No Station is Selected.";
constexpr const char* kStationReferenced = "Station %s cannot be deleted because it \n"
                                           "               is still referenced in session \n"
                                           "               %s";
constexpr const char* kSessionNeedsStation = "A station must be selected for this session. \n"
                                             "     Even if you have have no information for the station, \n"
                                             "     you must at least assign it a Station Serial Number (SSN)\n"
                                             "     and create a record as a placeholder.";
constexpr const char* kSessionNeedsInstrument =
    "An instrument must be selected for this session. \n"
    "     Even if you have have no information for the instrument, \n"
    "     you must at least assign it a Job Specific Instrument Number (JSIN)\n"
    "     and create a record as a placeholder.";
constexpr const char* kSessionNeedsAntenna = "An antenna must be selected for this session. \n"
                                             "     Even if you have have no information for the antenna, \n"
                                             "     you must at least assign it a Job Specific Antenna Number \n"
                                             "     and create a record as a placeholder.";
constexpr const char* kNoSessionToModify = "Cannot Modify Session. \nNo Session is Selected.";
constexpr const char* kSubstituteNeedsInstrument = "An instrument must be selected for this session.";
constexpr const char* kSubstituteNeedsAntenna = "An antenna must be selected for this function.";
constexpr const char* kNoSessionToDelete = "No Session Record is Selected.";
constexpr const char* kNoEquipmentToModify = "No Equipment Record is selected";
constexpr const char* kNoEquipmentToDelete = "No Equipment Record is Selected.";
constexpr const char* kInstrumentReferenced = "Instrument %s cannot be deleted because it \n"
                                              "               is still referenced in session \n"
                                              "               %s";
constexpr const char* kNoAntennaToModify = "No Antenna Record is selected";
constexpr const char* kNoAntennaToDelete = "No Antenna Record is Selected.";
constexpr const char* kAntennaReferenced = "Antenna %s cannot be deleted because it \n"
                                           "               is still referenced in session \n"
                                           "               %s";

std::string ssnOfStation(const std::string& stationLine) {
    return slice(stationLine, station_line::kSsn, station_line::kSsnWidth);
}

std::string idOfStation(const std::string& stationLine) {
    return slice(stationLine, station_line::kId, station_line::kIdWidth);
}

std::string prefixOfSession(const std::string& sessionLine) {
    return slice(sessionLine, 0, session_line::kPrefixWidth);
}

// How the names of undo steps call a record of the list.
const char* kindWord(RecordList list) {
    switch (list) {
    case RecordList::Sessions:
        return "Session";
    case RecordList::Instruments:
        return "Equipment";
    case RecordList::Stations:
        return "Station";
    case RecordList::Antennas:
        break;
    }
    return "Antenna";
}

std::size_t keyWidthOf(RecordList list) {
    return list == RecordList::Instruments ? kJsinWidth : list == RecordList::Antennas ? kJsanWidth : kSsnWidth;
}

// Replaces the line at `row`, or appends it when the record had no line (-1).
void putAt(TextStore& store, int row, std::string line) {
    if (row >= 0) {
        store.replace(row, std::move(line));
    } else {
        store.append(std::move(line));
    }
}

} // namespace

RecordCommands::RecordCommands(ui::Toolkit& toolkit, Project& project, ListSelections& selections,
                               RecordEditors editors)
    : toolkit_(toolkit), project_(project), selections_(selections), editors_(editors) {}

int RecordCommands::takeSelection(RecordList list) {
    const int row = selections_.selected(list);
    selections_.remember(list, row);
    return row;
}

int RecordCommands::requireSelection(RecordList list, const char* message) {
    const int row = selections_.selected(list);
    if (row < 0) {
        refuse(message);
    }
    return row;
}

void RecordCommands::refuse(const std::string& message) {
    toolkit_.messageBox(kErrorCaption, message, ui::Icon::Stop, ui::Buttons::OK);
}

// --- Stations ---

void RecordCommands::addStation() {
    StationBodies bodies;
    if (editors_.station.run(bodies, project_.header.SubmittingAgencyAbbreviation, project_.lb_SERFIL,
                             project_.lb_Defaults) != ui::kAccepted) {
        return;
    }
    const UndoStep step(project_, "Add Station " + slice(bodies.station, 0, kSsnWidth));
    project_.markModified();
    project_.lb_Stations.append(buildStationLine(bodies.station, bodies.id));
    if (!bodies.heights.empty()) {
        project_.lb_86.append(bodies.heights);
    }
    if (!bodies.fixed.empty()) {
        project_.lb_90.append(bodies.fixed);
    }
}

void RecordCommands::modifyStation() {
    const int row = takeSelection(RecordList::Stations);
    if (row < 0) {
        refuse(kNoStation);
        return;
    }
    const std::string& line = project_.lb_Stations.at(row);
    StationBodies given{.station = slice(line, station_line::kBody, station_line::kBodyWidth),
                        .heights = {},
                        .fixed = {},
                        .id = idOfStation(line)};
    const std::string ssn = slice(given.station, 0, kSsnWidth);
    const int heightsRow = project_.lb_86.find(ssn);
    const int fixedRow = project_.lb_90.find(ssn);
    if (heightsRow >= 0) {
        given.heights = project_.lb_86.at(heightsRow);
    }
    if (fixedRow >= 0) {
        given.fixed = project_.lb_90.at(fixedRow);
    }
    StationBodies saved = given;
    if (editors_.station.run(saved, project_.header.SubmittingAgencyAbbreviation, project_.lb_SERFIL,
                             project_.lb_Defaults) != ui::kAccepted) {
        return;
    }
    storeModifiedStation(row, given, saved, heightsRow, fixedRow);
}

// The station line goes back at its index; its heights and fixed lines are replaced,
// added or removed as the editor says, and those it left alone follow a changed SSN.
void RecordCommands::storeModifiedStation(int row, const StationBodies& given, const StationBodies& saved,
                                          int heightsRow, int fixedRow) {
    const UndoStep step(project_, "Modify Station " + slice(given.station, 0, kSsnWidth));
    project_.markModified();
    selections_.unselect(RecordList::Stations);
    project_.lb_Stations.replace(row, buildStationLine(saved.station, saved.id));

    const bool heightsReplaced = !saved.heights.empty() && editors_.station.heightsChanged();
    if (heightsReplaced) {
        putAt(project_.lb_86, heightsRow, saved.heights);
    }
    bool fixedReplaced = false;
    if (!given.fixed.empty() && saved.fixed.empty() && fixedRow >= 0) {
        project_.lb_90.remove(fixedRow);
        fixedReplaced = true;
    } else if (!saved.fixed.empty() && editors_.station.fixedBoxClicked()) {
        putAt(project_.lb_90, fixedRow, saved.fixed);
        fixedReplaced = true;
    }

    const std::string newSsn = slice(saved.station, 0, kSsnWidth);
    if (newSsn != slice(given.station, 0, kSsnWidth)) {
        if (!heightsReplaced) {
            followNewSsn(project_.lb_86, heightsRow, newSsn);
        }
        if (!fixedReplaced) {
            followNewSsn(project_.lb_90, fixedRow, newSsn);
        }
    }
}

void RecordCommands::followNewSsn(TextStore& store, int row, const std::string& ssn) {
    if (row >= 0) {
        std::string line = store.at(row);
        line.replace(0, std::min(line.size(), kSsnWidth), fit(ssn, kSsnWidth));
        store.replace(row, std::move(line));
    }
}

void RecordCommands::deleteStation() {
    const int row = requireSelection(RecordList::Stations, kNoStation);
    if (row < 0) {
        return;
    }
    const std::string ssn = ssnOfStation(project_.lb_Stations.at(row));
    if (const int session = project_.lb_Sessions.find(ssn); session >= 0) {
        refuse(ui::format(kStationReferenced, ssn.c_str(), prefixOfSession(project_.lb_Sessions.at(session)).c_str()));
        return;
    }
    const UndoStep step(project_, "Delete Station " + ssn);
    for (TextStore* store : {&project_.lb_86, &project_.lb_90}) {
        if (const int own = store->find(ssn); own >= 0) {
            store->remove(own);
        }
    }
    project_.lb_Stations.remove(row);
    project_.markModified();
    selections_.unselect(RecordList::Stations);
}

bool RecordCommands::stationListTyped(char key) {
    if (key == '\b') {
        if (!typedStationName_.empty()) {
            typedStationName_.pop_back();
        }
    } else {
        typedStationName_ += key;
    }
    const TextStore& stations = project_.lb_Stations;
    for (int row = 0; row < stations.count(); ++row) {
        if (slice(stations.at(row), station_line::kName, typedStationName_.size()) == typedStationName_) {
            selections_.select(RecordList::Stations, row);
            break;
        }
    }
    return true;
}

// --- Sessions ---

void RecordCommands::addSession() {
    const int station = selections_.selected(RecordList::Stations);
    if (station < 0) {
        refuse(kSessionNeedsStation);
        return;
    }
    const int instrument = selections_.selected(RecordList::Instruments);
    if (instrument < 0) {
        refuse(kSessionNeedsInstrument);
        return;
    }
    const int antenna = selections_.selected(RecordList::Antennas);
    if (antenna < 0) {
        refuse(kSessionNeedsAntenna);
        return;
    }
    selections_.remember(RecordList::Stations, station);
    selections_.remember(RecordList::Instruments, instrument);
    selections_.remember(RecordList::Antennas, antenna);

    const std::string& stationLine = project_.lb_Stations.at(station);
    const SessionInputs inputs{.ssn = ssnOfStation(stationLine),
                               .jsin = slice(project_.lb_Instruments.at(instrument), 0, kJsinWidth),
                               .jsan = slice(project_.lb_Antennas.at(antenna), 0, kJsanWidth),
                               .stationId = idOfStation(stationLine),
                               .projectStartDate = project_.header.ProjectStartDate};
    std::string packed;
    if (editors_.session.run(inputs, packed, project_.lb_Defaults) != ui::kAccepted) {
        return;
    }
    const UndoStep step(project_, "Add Session " + slice(packed, packed_session::kSsn, kSsnWidth));
    project_.markModified();
    project_.lb_Sessions.append(buildSessionLine(unpackSession(packed), packed));
}

void RecordCommands::modifySession() {
    const int row = takeSelection(RecordList::Sessions);
    if (row < 0) {
        refuse(kNoSessionToModify);
        return;
    }
    const std::string packed = packedOf(project_.lb_Sessions.at(row));
    runSessionEditor(row, slice(packed, packed_session::kJsin, kJsinWidth),
                     slice(packed, packed_session::kJsan, kJsanWidth));
}

void RecordCommands::modifySessionSubstituting() {
    const int row = takeSelection(RecordList::Sessions);
    if (row < 0) {
        refuse(kNoSessionToModify);
        return;
    }
    const int instrument = takeSelection(RecordList::Instruments);
    if (instrument < 0) {
        refuse(kSubstituteNeedsInstrument);
        return;
    }
    const int antenna = takeSelection(RecordList::Antennas);
    if (antenna < 0) {
        refuse(kSubstituteNeedsAntenna);
        return;
    }
    runSessionEditor(row, slice(project_.lb_Instruments.at(instrument), 0, kJsinWidth),
                     slice(project_.lb_Antennas.at(antenna), 0, kJsanWidth));
}

// The session of `sessionRow` edited with the given instrument and antenna; when saved it
// moves to the end of the list.
void RecordCommands::runSessionEditor(int sessionRow, const std::string& jsin, const std::string& jsan) {
    std::string packed = packedOf(project_.lb_Sessions.at(sessionRow));
    const std::string ssn = slice(packed, packed_session::kSsn, kSsnWidth);
    const int station = project_.lb_Stations.find(ssn);
    const SessionInputs inputs{.ssn = ssn,
                               .jsin = jsin,
                               .jsan = jsan,
                               .stationId = station >= 0 ? idOfStation(project_.lb_Stations.at(station))
                                                         : std::string(station_line::kIdWidth, ' '),
                               .projectStartDate = project_.header.ProjectStartDate};
    if (editors_.session.run(inputs, packed, project_.lb_Defaults) != ui::kAccepted) {
        return;
    }
    const UndoStep step(project_, "Modify Session " + ssn);
    project_.markModified();
    project_.lb_Sessions.remove(sessionRow);
    selections_.unselect(RecordList::Sessions);
    project_.lb_Sessions.append(buildSessionLine(unpackSession(packed), packed));
}

void RecordCommands::deleteSession() {
    const int row = requireSelection(RecordList::Sessions, kNoSessionToDelete);
    if (row < 0) {
        return;
    }
    const UndoStep step(project_, "Delete Session " + slice(project_.lb_Sessions.at(row), 0, kSsnWidth));
    project_.lb_Sessions.remove(row);
    project_.markModified();
    selections_.unselect(RecordList::Sessions);
}

// --- Instruments and antennas ---

int RecordCommands::editInstrument(std::string& body) {
    return editors_.instrument.run(body, project_.lb_Defaults);
}

int RecordCommands::editAntenna(std::string& body) {
    return editors_.antenna.run(body, project_.lb_Defaults);
}

void RecordCommands::addEquipment() {
    std::string body;
    if (editInstrument(body) == ui::kAccepted) {
        const UndoStep step(project_, "Add Equipment " + slice(body, 0, kJsinWidth));
        project_.markModified();
        project_.lb_Instruments.append(body);
    }
}

void RecordCommands::addAntenna() {
    std::string body;
    if (editAntenna(body) == ui::kAccepted) {
        const UndoStep step(project_, "Add Antenna " + slice(body, 0, kJsanWidth));
        project_.markModified();
        project_.lb_Antennas.append(body);
    }
}

void RecordCommands::modifyEquipment() {
    modifyBodyRecord(RecordList::Instruments, project_.lb_Instruments, kNoEquipmentToModify,
                     &RecordCommands::editInstrument);
}

void RecordCommands::modifyAntenna() {
    modifyBodyRecord(RecordList::Antennas, project_.lb_Antennas, kNoAntennaToModify, &RecordCommands::editAntenna);
}

void RecordCommands::modifyBodyRecord(RecordList list, TextStore& store, const char* noSelection,
                                      int (RecordCommands::*edit)(std::string&)) {
    const int row = takeSelection(list);
    if (row < 0) {
        refuse(noSelection);
        return;
    }
    std::string body = store.at(row);
    if ((this->*edit)(body) != ui::kAccepted) {
        return;
    }
    const UndoStep step(project_,
                        std::string("Modify ") + kindWord(list) + " " + slice(store.at(row), 0, keyWidthOf(list)));
    project_.markModified();
    selections_.unselect(list);
    store.replace(row, body);
}

void RecordCommands::deleteEquipment() {
    deleteBodyRecord(RecordList::Instruments, project_.lb_Instruments, kNoEquipmentToDelete, packed_session::kJsin,
                     kJsinWidth, kInstrumentReferenced);
}

void RecordCommands::deleteAntenna() {
    deleteBodyRecord(RecordList::Antennas, project_.lb_Antennas, kNoAntennaToDelete, packed_session::kJsan, kJsanWidth,
                     kAntennaReferenced);
}

void RecordCommands::deleteBodyRecord(RecordList list, TextStore& store, const char* noSelection,
                                      std::size_t keyInPacked, std::size_t keyWidth, const char* referencedFormat) {
    const int row = requireSelection(list, noSelection);
    if (row < 0) {
        return;
    }
    const std::string key = slice(store.at(row), 0, keyWidth);
    const std::size_t keyInLine = session_line::kPrefixWidth + keyInPacked;
    for (const std::string& session : project_.lb_Sessions.lines()) {
        if (slice(session, keyInLine, keyWidth) == key) {
            refuse(ui::format(referencedFormat, key.c_str(), prefixOfSession(session).c_str()));
            return;
        }
    }
    const UndoStep step(project_, std::string("Delete ") + kindWord(list) + " " + key);
    store.remove(row);
    project_.markModified();
    selections_.unselect(list);
}

} // namespace ardel
