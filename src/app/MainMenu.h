// The main window's menu bar and the four lists' pop-up menus: entry texts,
// mnemonics, hints and starting gray state, with the ids the commands are bound to.
#pragma once

#include "ui/Declaration.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ardel::menu {

inline constexpr const char* kNew = "menu_File_New";
inline constexpr const char* kOpen = "menu_File_Open";
inline constexpr const char* kMerge = "menu_File_Merge";
inline constexpr const char* kImportRinex = "menu_File_ImportRinex";
inline constexpr const char* kSave = "menu_File_Save";
inline constexpr const char* kSaveAs = "menu_File_SaveAs";
inline constexpr const char* kExit = "menu_File_Exit";
inline constexpr const char* kRecentFiles = "menu_File_Recent";
inline constexpr const char* kClearRecentFiles = "menu_File_Recent_Clear";

// The "&Edit" menu: its two entries name the step they undo or redo.
inline constexpr const char* kUndo = "menu_Changes_Undo";
inline constexpr const char* kRedo = "menu_Changes_Redo";
inline constexpr const char* kUndoText = "&Undo";
inline constexpr const char* kRedoText = "&Redo";

inline constexpr const char* kHeaderInfo = "menu_Edit_HeaderInfo";
inline constexpr const char* kAddStation = "menu_Station_Add";
inline constexpr const char* kModifyStation = "menu_Station_Modify";
inline constexpr const char* kDeleteStation = "menu_Station_Delete";
inline constexpr const char* kAddSession = "menu_Session_Add";
inline constexpr const char* kModifySession = "menu_Session_Modify";
inline constexpr const char* kModifySessionSubstituting = "menu_Session_ModifySubstituting";
inline constexpr const char* kDeleteSession = "menu_Session_Delete";
inline constexpr const char* kAddEquipment = "menu_Equipment_Add";
inline constexpr const char* kModifyEquipment = "menu_Equipment_Modify";
inline constexpr const char* kDeleteEquipment = "menu_Equipment_Delete";
inline constexpr const char* kAddAntenna = "menu_Antenna_Add";
inline constexpr const char* kModifyAntenna = "menu_Antenna_Modify";
inline constexpr const char* kDeleteAntenna = "menu_Antenna_Delete";

inline constexpr const char* kSortStationsBySsn = "menu_Sort_StationsBySsn";
inline constexpr const char* kSortStationsByName = "menu_Sort_StationsByName";
inline constexpr const char* kSortStationsById = "menu_Sort_StationsById";
inline constexpr const char* kSortInstrumentsByJsin = "menu_Sort_InstrumentsByJsin";
inline constexpr const char* kSortInstrumentsByCode = "menu_Sort_InstrumentsByCode";
inline constexpr const char* kSortInstrumentsByMaker = "menu_Sort_InstrumentsByMaker";
inline constexpr const char* kSortAntennasByJsan = "menu_Sort_AntennasByJsan";
inline constexpr const char* kSortAntennasByCode = "menu_Sort_AntennasByCode";
inline constexpr const char* kSortSessionsByAntenna = "menu_Sort_SessionsByAntenna";
inline constexpr const char* kSortSessionsById = "menu_Sort_SessionsById";
inline constexpr const char* kSortSessionsByInstrument = "menu_Sort_SessionsByInstrument";
inline constexpr const char* kSortSessionsByStart = "menu_Sort_SessionsByStart";
inline constexpr const char* kSortSessionsByStation = "menu_Sort_SessionsByStation";
inline constexpr const char* kRenumberOneStation = "menu_Renumber_OneStation";
inline constexpr const char* kRenumberAllStations = "menu_Renumber_AllStations";
inline constexpr const char* kRenumberOneInstrument = "menu_Renumber_OneInstrument";
inline constexpr const char* kRenumberAllInstruments = "menu_Renumber_AllInstruments";
inline constexpr const char* kRenumberOneAntenna = "menu_Renumber_OneAntenna";
inline constexpr const char* kRenumberAllAntennas = "menu_Renumber_AllAntennas";
inline constexpr const char* kSearchByName = "menu_Search_ByName";
inline constexpr const char* kCheckProject = "menu_Utilities_CheckProject";

inline constexpr const char* kSerfilExplain = "menu_Serfil_Explain";
inline constexpr const char* kSerfilImport = "menu_Serfil_Import";
inline constexpr const char* kSerfilExport = "menu_Serfil_Export";
inline constexpr const char* kDefaultsExplain = "menu_Defaults_Explain";
inline constexpr const char* kDefaultsImport = "menu_Defaults_Import";

inline constexpr const char* kUserGuide = "menu_Help_UserGuide";
inline constexpr const char* kAbout = "menu_Help_About";
inline constexpr const char* kDisclaimer = "menu_Help_Disclaimer";

// Pop-up menus of the four lists.
inline constexpr const char* kPopupAddStation = "popup_Station_Add";
inline constexpr const char* kPopupModifyStation = "popup_Station_Modify";
inline constexpr const char* kPopupDeleteStation = "popup_Station_Delete";
inline constexpr const char* kPopupAddSession = "popup_Session_Add";
inline constexpr const char* kPopupModifySession = "popup_Session_Modify";
inline constexpr const char* kPopupDeleteSession = "popup_Session_Delete";
inline constexpr const char* kPopupAddEquipment = "popup_Equipment_Add";
inline constexpr const char* kPopupModifyEquipment = "popup_Equipment_Modify";
inline constexpr const char* kPopupDeleteEquipment = "popup_Equipment_Delete";
inline constexpr const char* kPopupAddAntenna = "popup_Antenna_Add";
inline constexpr const char* kPopupModifyAntenna = "popup_Antenna_Modify";
inline constexpr const char* kPopupDeleteAntenna = "popup_Antenna_Delete";

std::vector<ui::MenuEntryDecl> menuBar();
// The id of the recent file at `index` (0 the newest) in the "Recent Files" submenu.
std::string recentFileId(std::size_t index);
// The text with each "&" doubled, so that a menu entry shows it as it is.
std::string shownInMenu(const std::string& text);
// The entries of "Recent Files": "&1 path" ... then "Clear", gray while there is no file.
std::vector<ui::MenuEntryDecl> recentFilesEntries(const std::vector<std::string>& paths);
std::vector<ui::MenuEntryDecl> stationPopup();
std::vector<ui::MenuEntryDecl> sessionPopup();
std::vector<ui::MenuEntryDecl> equipmentPopup();
std::vector<ui::MenuEntryDecl> antennaPopup();

} // namespace ardel::menu
