#include "app/MainMenu.h"

namespace ardel::menu {

namespace {
using Entry = ui::MenuEntryDecl;

Entry entry(const char* id, const char* text, const char* hint = "", bool grayed = false, const char* shortcut = "") {
    return Entry{.id = id, .text = text, .hint = hint, .grayed = grayed, .shortcut = shortcut, .children = {}};
}

Entry submenu(const char* id, const char* text, std::vector<Entry> children) {
    return Entry{.id = id, .text = text, .hint = "", .grayed = false, .shortcut = "", .children = std::move(children)};
}

constexpr bool kGrayed = true;

Entry fileMenu() {
    return submenu("menu_File", "&File",
                   {entry(kNew, "&New", "Create a New B-File", false, "Ctrl+N"),
                    entry(kOpen, "&Open", "Open Existing B-File", false, "Ctrl+O"), entry(kMerge, "&Merge"),
                    entry(kImportRinex, "&Import RINEX...", "Build sessions from the receivers' RINEX observation files",
                          false, "Ctrl+I"),
                    entry(kSave, "&Save", "Save the current B-File with the Current Name", false, "Ctrl+S"),
                    entry(kSaveAs, "Save &As", "Save the Current B-File with a new name", false, "Ctrl+Shift+S"),
                    submenu(kRecentFiles, "Recent &Files", recentFilesEntries({})),
                    entry(kExit, "E&xit", "Quit this Program", false, "Ctrl+Q")});
}

Entry changesMenu() {
    Entry redo = entry(kRedo, kRedoText, "Do again what was undone", kGrayed, "Ctrl+Shift+Z");
    redo.alternateShortcut = "Ctrl+Y";
    return submenu("menu_Changes", "&Edit",
                   {entry(kUndo, kUndoText, "Undo the last change", kGrayed, "Ctrl+Z"), std::move(redo)});
}

Entry editMenu() {
    return submenu(
        "menu_Edit", "&Add/Modify/Delete",
        {entry(kHeaderInfo, "&Header Info", "Enter or Modify the Header info "),
         submenu("menu_Station", "S&tation Record",
                 {entry(kAddStation, "&Add Station Record", "Add a new Station Occupation Record"),
                  entry(kModifyStation, "&Modify Selected Station Record", "Modify Existing Record", kGrayed),
                  entry(kDeleteStation, "&Delete Selected Station Record", "Delete existing station occupation record",
                        kGrayed)}),
         submenu("menu_Session", "&Session",
                 {entry(kAddSession, "&Add a New Session, using the Selected Station, Instrument, and Antenna"),
                  entry(kModifySession, "&Modify Selected Session", "", kGrayed),
                  entry(kModifySessionSubstituting,
                        "M&odify Selected Session, Substituting Selected Instrument,and Antenna", "", kGrayed),
                  entry(kDeleteSession, "&Delete Selected Session", "", kGrayed)}),
         submenu("menu_Equipment", "&Equipment",
                 {entry(kAddEquipment, "&Add Equipment Record", "Add new equipment record"),
                  entry(kModifyEquipment, "&Modify Selected Equipment Record", "Modify Existing Record", kGrayed),
                  entry(kDeleteEquipment, "&Delete Selected Equipment Record", "Delete existing reocrd", kGrayed)}),
         submenu("menu_Antenna", "&Antenna Record",
                 {entry(kAddAntenna, "&Add Antenna Record", "Add new reocrd"),
                  entry(kModifyAntenna, "&Modify Selected Antenna Record", "Modify existing reocrd", kGrayed),
                  entry(kDeleteAntenna, "&Delete Selected Antenna Record", "Delete existing record", kGrayed)})});
}

Entry utilitiesMenu() {
    return submenu("menu_Utilities", "&Utilities",
                   {submenu("menu_SortStations", "Sort &Stations",
                            {entry(kSortStationsBySsn, "Sort Stations by &SSN"),
                             entry(kSortStationsByName, "Sort Stations by &Name"),
                             entry(kSortStationsById, "Sort Stations by &Four Character ID")}),
                    submenu("menu_SortInstruments", "Sort &Instruments",
                            {entry(kSortInstrumentsByJsin, "Sort Instruments by &JSIN"),
                             entry(kSortInstrumentsByCode, "Sort Instruments By &Equipment Code"),
                             entry(kSortInstrumentsByMaker, "Sort Instruments By &Manufacturer")}),
                    submenu("menu_SortAntennas", "Sort &Antennas",
                            {entry(kSortAntennasByJsan, "Sort Antennas by &JSAN"),
                             entry(kSortAntennasByCode, "Sort Antennas by &Antenna Code")}),
                    submenu("menu_SortSessions", "Sort S&essions",
                            {entry(kSortSessionsByAntenna, "Sort Sessions by &Antenna"),
                             entry(kSortSessionsById, "Sort Sessions By &Four Char ID"),
                             entry(kSortSessionsByInstrument, "Sort Sessions by &Instrument"),
                             entry(kSortSessionsByStart, "Sort Sessions by Start &Date and Time"),
                             entry(kSortSessionsByStation, "Sort Sessions by &Station")}),
                    submenu("menu_RenumberStations", "Renumber &Stations",
                            {entry(kRenumberOneStation, "Renumber &Selected Station"),
                             entry(kRenumberAllStations, "Renumber &All Stations")}),
                    submenu("menu_RenumberInstruments", "Renumber &Instruments",
                            {entry(kRenumberOneInstrument, "Renumber &Selected Intrument"),
                             entry(kRenumberAllInstruments, "Renumber &All Instruments")}),
                    submenu("menu_RenumberAntennas", "Renumber &Antennas",
                            {entry(kRenumberOneAntenna, "Renumber &Selected Antenna"),
                             entry(kRenumberAllAntennas, "Renumber &All Antennas")}),
                    submenu("menu_SearchStations", "Search Stations", {entry(kSearchByName, "Search by Name")}),
                    entry(kCheckProject, "&Check Project",
                          "List every place where the project breaks the format's rules", false, "F7")});
}

Entry serfilMenu() {
    return submenu("menu_Serfil", "&SERFIL",
                   {entry(kSerfilExplain, "&Explain"), entry(kSerfilImport, "&Import SERFIL"),
                    entry(kSerfilExport, "&Export SERFIL")});
}

Entry defaultsMenu() {
    return submenu("menu_Defaults", "&Defaults",
                   {entry(kDefaultsExplain, "&Ex plain"), entry(kDefaultsImport, "&Import Defaults File")});
}

Entry helpMenu() {
    return submenu("menu_Help", "&Help",
                   {entry(kUserGuide, "&User Guide", "Open the User Guide", false, "F1"),
                    entry(kAbout, "&About", "About this Program"),
                    entry(kDisclaimer, "&Disclaimer", "View the Disclaimer")});
}

std::vector<Entry> popup(const char* add, const char* addText, const char* modify, const char* modifyText,
                         const char* remove, const char* removeText) {
    return {entry(add, addText), entry(modify, modifyText, "", kGrayed), entry(remove, removeText, "", kGrayed)};
}
} // namespace

std::vector<ui::MenuEntryDecl> menuBar() {
    return {fileMenu(), changesMenu(), editMenu(), utilitiesMenu(), serfilMenu(), defaultsMenu(), helpMenu()};
}

std::string recentFileId(std::size_t index) {
    return std::string(kRecentFiles) + "_" + std::to_string(index + 1);
}

std::string shownInMenu(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        shown += c == '&' ? "&&" : std::string(1, c);
    }
    return shown;
}

std::vector<ui::MenuEntryDecl> recentFilesEntries(const std::vector<std::string>& paths) {
    std::vector<Entry> entries;
    for (std::size_t index = 0; index < paths.size(); ++index) {
        const std::string text = "&" + std::to_string(index + 1) + " " + shownInMenu(paths[index]);
        entries.push_back(Entry{.id = recentFileId(index), .text = text, .hint = "Open " + paths[index]});
    }
    if (!paths.empty()) {
        entries.push_back(entry("menu_File_Recent_Separator", "-"));
    }
    entries.push_back(entry(kClearRecentFiles, "&Clear", "Clear the list of recent files", paths.empty()));
    return entries;
}

std::vector<ui::MenuEntryDecl> stationPopup() {
    return popup(kPopupAddStation, "Add Station", kPopupModifyStation, "Modify Station", kPopupDeleteStation,
                 "Delete Station");
}

std::vector<ui::MenuEntryDecl> sessionPopup() {
    return popup(kPopupAddSession, "Add Session", kPopupModifySession, "Modify Session", kPopupDeleteSession,
                 "Delete Session");
}

std::vector<ui::MenuEntryDecl> equipmentPopup() {
    return popup(kPopupAddEquipment, "Add Equipment", kPopupModifyEquipment, "Modify Equipment", kPopupDeleteEquipment,
                 "Delete Equipment");
}

std::vector<ui::MenuEntryDecl> antennaPopup() {
    return popup(kPopupAddAntenna, "Add Antenna", kPopupModifyAntenna, "Modify Antenna", kPopupDeleteAntenna,
                 "Delete Antenna");
}

} // namespace ardel::menu
