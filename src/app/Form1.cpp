#include "app/Form1.h"

#include "app/MainMenu.h"
#include "app/UserGuide.h"
#include "bfile/BFileReader.h"
#include "model/Lines.h"
#include "ui/Platform.h"
#include "utilities/Defaults.h"
#include "utilities/Serfil.h"

#include <algorithm>

namespace ardel {

namespace {
using ui::ControlDecl;
using ui::ControlKind;

// One pane of the main window: the label above the list, the heading and the list.
std::vector<ControlDecl> listPane(const std::string& store, const std::string& label, const std::string& heading,
                                  std::vector<ui::MenuEntryDecl> popup) {
    const std::string pane = "pane_" + store.substr(3);
    return {
        {.name = pane, .kind = ControlKind::GroupBox},
        {.name = "label_" + store.substr(3), .kind = ControlKind::Label, .label = label, .group = pane},
        {.name = "heading_" + store.substr(3),
         .kind = ControlKind::Heading,
         .label = heading,
         .group = pane,
         .tabStop = false,
         .fixedPitch = true},
        {.name = store,
         .kind = ControlKind::TextList,
         .group = pane,
         .fixedPitch = true,
         .visibleLines = 12,
         .popup = std::move(popup)},
    };
}

// The station list's heading, its "4-Char ID" over the ID column of the lines.
std::string stationHeading() {
    std::string heading = "SSN   Name";
    heading.resize(station_line::kId, ' ');
    return heading + "4-Char ID";
}

ui::FormDecl buildDecl() {
    ui::FormDecl decl{.name = "Form1",
                      .caption = kStartupTitle,
                      .controls = {},
                      .menuBar = menu::menuBar(),
                      .mainWindow = true,
                      .columns = 2};
    decl.controls = {
        {.name = "label_JobCode", .kind = ControlKind::Label, .label = "Job Code: "},
        {.name = "label_Project", .kind = ControlKind::Label, .label = "Project: "},
    };
    for (auto&& pane : {listPane("lb_Sessions", "Sessions:", "SSN   DATE    TIME  4-Char ID", menu::sessionPopup()),
                        listPane("lb_Instruments", "Instruments:", "JSIN", menu::equipmentPopup()),
                        listPane("lb_Stations", "Stations:", stationHeading(), menu::stationPopup()),
                        listPane("lb_Antennas", "Antennas:", "JSAN", menu::antennaPopup())}) {
        decl.controls.insert(decl.controls.end(), pane.begin(), pane.end());
    }
    return decl;
}

// The title on one line: its lines without their trailing blanks, joined by " / ".
std::string oneLine(const std::string& title) {
    std::string shown;
    for (std::size_t start = 0; start <= title.size();) {
        const std::size_t end = std::min(title.find("\r\n", start), title.size());
        std::string line = title.substr(start, end - start);
        line.erase(line.find_last_not_of(' ') + 1);
        shown += (start == 0 ? "" : " / ") + line;
        start = end + 2;
    }
    return shown;
}
} // namespace

const ui::FormDecl& form1Decl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

Form1::Form1(ui::Toolkit& toolkit)
    : toolkit_(toolkit), form_(toolkit.createForm(form1Decl())), warning_(toolkit), warningYesNo_(toolkit),
      aboutBox_(toolkit), headerEditor_(toolkit), stationEditor_(toolkit), instrumentEditor_(toolkit),
      antennaEditor_(toolkit), sessionEditor_(toolkit), recentFiles_(toolkit.settings()),
      commands_(toolkit, project_, warning_, warningYesNo_, recentFiles_), selections_(*form_),
      records_(toolkit, project_, selections_,
               {.station = stationEditor_,
                .instrument = instrumentEditor_,
                .antenna = antennaEditor_,
                .session = sessionEditor_}),
      utilities_(toolkit, project_, selections_), recovery_(toolkit, project_, warning_), problems_(toolkit, project_),
      rinexPreview_(toolkit), rinexImport_(toolkit, project_, rinexPreview_) {
    loadConversionTable(project_.lb_J2M);
    loadBuiltInDefaults(project_.lb_Defaults);
    project_.newHeader = true;
    warning_.setSuppressed(false);
    warningYesNo_.setSuppressed(false);
    project_.titleChanged = [this](const std::string& title) { form_->setCaption(title); };
    project_.headerChanged = [this] { showHeader(); };
    project_.history.changed = [this] { showUndoEntries(); };
    project_.changed = [this] { recovery_.projectChanged(); };
    bindStores();
    bindLists();
    bindMenus();
    bindRecentFiles();
    form_->fileDropped = [this](const std::string& path) { commands_.openFile(path); };
    commands_.showStatus = [this](const std::string& text) { form_->setStatusText(text); };
    recovery_.showStatus = [this](const std::string& text) { form_->setStatusText(text); };
    problems_.openRecord = [this](const check::Problem& problem) { openProblemRecord(problem); };
    problems_.refreshRequested = [this] { checkProject(); };
    form_->closeRequested = [this] { return closing_ || commands_.mayClose(); };
    form_->setCaption(kStartupTitle);
    showHeader();
}

Form1::~Form1() {
    recentFiles_.changed = nullptr;
    project_.titleChanged = nullptr;
    project_.headerChanged = nullptr;
    project_.history.changed = nullptr;
    project_.changed = nullptr;
}

void Form1::bindStores() {
    form_->listView("lb_Stations").setSource(&project_.lb_Stations);
    form_->listView("lb_Instruments").setSource(&project_.lb_Instruments);
    form_->listView("lb_Antennas").setSource(&project_.lb_Antennas);
    form_->listView("lb_Sessions").setSource(&project_.lb_Sessions);
    stationEditor_.setStationStore(project_.lb_Stations);
    instrumentEditor_.setInstrumentStore(project_.lb_Instruments);
    antennaEditor_.setAntennaStore(project_.lb_Antennas);
}

// Clicks follow the selection rule, a double-click modifies the line, and typing in the
// station list searches the station names.
void Form1::bindLists() {
    const std::pair<RecordList, std::function<void()>> lists[] = {
        {RecordList::Sessions, [this] { records_.modifySession(); }},
        {RecordList::Instruments, [this] { records_.modifyEquipment(); }},
        {RecordList::Stations, [this] { records_.modifyStation(); }},
        {RecordList::Antennas, [this] { records_.modifyAntenna(); }},
    };
    for (const auto& [each, modify] : lists) {
        const RecordList list =
            each; // a plain variable: structured bindings cannot be captured before C++20 in clang 14
        ui::ListView& view = form_->listView(ListSelections::viewName(list));
        view.events.clicked = [this, list] { selections_.clicked(list); };
        view.events.selectionChanged = [this, list] { selections_.selectionChanged(list); };
        view.events.doubleClicked = modify;
    }
    form_->listView("lb_Stations").events.charTyped = [this](char key) { return records_.stationListTyped(key); };
}

void Form1::bindMenus() {
    menuCommands_ = {
        {menu::kNew, [this] { commands_.newProject(); }},
        {menu::kOpen, [this] { commands_.open(); }},
        {menu::kMerge, [this] { commands_.merge(); }},
        {menu::kImportRinex, [this] { rinexImport_.run(); }},
        {menu::kSave, [this] { commands_.save(); }},
        {menu::kSaveAs, [this] { commands_.saveAs(); }},
        {menu::kExit, [this] { exitProgram(); }},
        {menu::kUndo, [this] { undoOrRedo(&Project::undo); }},
        {menu::kRedo, [this] { undoOrRedo(&Project::redo); }},
        {menu::kHeaderInfo, [this] { editHeader(); }},
        {menu::kAddStation, [this] { records_.addStation(); }},
        {menu::kModifyStation, [this] { records_.modifyStation(); }},
        {menu::kDeleteStation, [this] { records_.deleteStation(); }},
        {menu::kAddSession, [this] { records_.addSession(); }},
        {menu::kModifySession, [this] { records_.modifySession(); }},
        {menu::kModifySessionSubstituting, [this] { records_.modifySessionSubstituting(); }},
        {menu::kDeleteSession, [this] { records_.deleteSession(); }},
        {menu::kAddEquipment, [this] { records_.addEquipment(); }},
        {menu::kModifyEquipment, [this] { records_.modifyEquipment(); }},
        {menu::kDeleteEquipment, [this] { records_.deleteEquipment(); }},
        {menu::kAddAntenna, [this] { records_.addAntenna(); }},
        {menu::kModifyAntenna, [this] { records_.modifyAntenna(); }},
        {menu::kDeleteAntenna, [this] { records_.deleteAntenna(); }},
        {menu::kPopupAddStation, [this] { records_.addStation(); }},
        {menu::kPopupModifyStation, [this] { records_.modifyStation(); }},
        {menu::kPopupDeleteStation, [this] { records_.deleteStation(); }},
        {menu::kPopupAddSession, [this] { records_.addSession(); }},
        {menu::kPopupModifySession, [this] { records_.modifySession(); }},
        {menu::kPopupDeleteSession, [this] { records_.deleteSession(); }},
        {menu::kPopupAddEquipment, [this] { records_.addEquipment(); }},
        {menu::kPopupModifyEquipment, [this] { records_.modifyEquipment(); }},
        {menu::kPopupDeleteEquipment, [this] { records_.deleteEquipment(); }},
        {menu::kPopupAddAntenna, [this] { records_.addAntenna(); }},
        {menu::kPopupModifyAntenna, [this] { records_.modifyAntenna(); }},
        {menu::kPopupDeleteAntenna, [this] { records_.deleteAntenna(); }},
        {menu::kSerfilExplain, [this] { explainSerfil(toolkit_); }},
        {menu::kSerfilImport,
         [this] {
             UndoStep step(project_, "Import SERFIL");
             importSerfil(toolkit_, project_, serfilPath_);
             step.rename("Import SERFIL " + ui::fileNameOf(serfilPath_));
         }},
        {menu::kSerfilExport, [this] { exportSerfil(toolkit_, project_, serfilPath_); }},
        {menu::kDefaultsExplain, [this] { explainDefaults(toolkit_); }},
        {menu::kDefaultsImport, [this] { importDefaultsFile(toolkit_, project_.lb_Defaults); }},
        {menu::kUserGuide, [this] { showUserGuide(toolkit_); }},
        {menu::kAbout, [this] { aboutBox_.run(); }},
        {menu::kDisclaimer, [this] { showDisclaimer(toolkit_); }},
        {menu::kCheckProject, [this] { checkProject(); }},
    };
    for (auto& [id, command] : utilities_.menuCommands()) {
        menuCommands_.emplace(id, std::move(command));
    }
    // Entries whose commands are not built yet stay gray.
    for (const ui::MenuEntryDecl* entry : ui::allMenuEntries(form1Decl())) {
        if (entry->children.empty() && !menuCommands_.count(entry->id)) {
            form_->setMenuEnabled(entry->id, false);
        }
    }
    form_->menuTriggered = [this](const std::string& id) {
        if (const auto found = menuCommands_.find(id); found != menuCommands_.end()) {
            found->second();
        }
    };
}

// The entries of "Recent Files" follow the list; each opens the file it shows then.
void Form1::bindRecentFiles() {
    for (std::size_t index = 0; index < RecentFiles::kLimit; ++index) {
        menuCommands_[menu::recentFileId(index)] = [this, index] {
            if (index < recentFiles_.paths().size()) {
                const std::string path = recentFiles_.paths()[index]; // a copy: opening changes the list
                commands_.openRecent(path);
            }
        };
    }
    menuCommands_[menu::kClearRecentFiles] = [this] { recentFiles_.clear(); };
    recentFiles_.changed = [this] { showRecentFiles(); };
    showRecentFiles();
}

void Form1::showRecentFiles() {
    form_->setMenuEntries(menu::kRecentFiles, menu::recentFilesEntries(recentFiles_.paths()));
}

// The entries name the step they would replay; a "&" in a name is shown as one.
void Form1::showUndoEntries() {
    const UndoHistory& history = project_.history;
    const auto text = [](const char* verb, const std::string& name) {
        return name.empty() ? std::string(verb) : std::string(verb) + " " + menu::shownInMenu(name);
    };
    form_->setMenuText(menu::kUndo, text(menu::kUndoText, history.undoName()));
    form_->setMenuText(menu::kRedo, text(menu::kRedoText, history.redoName()));
    form_->setMenuEnabled(menu::kUndo, history.canUndo());
    form_->setMenuEnabled(menu::kRedo, history.canRedo());
}

// The lines selected before may be other lines now: no list keeps a selection.
void Form1::undoOrRedo(void (Project::*move)()) {
    (project_.*move)();
    for (const RecordList list :
         {RecordList::Sessions, RecordList::Instruments, RecordList::Stations, RecordList::Antennas}) {
        selections_.unselect(list);
    }
}

void Form1::showHeader() {
    form_->label("label_JobCode").setText("Job Code: " + project_.header.JobCode);
    form_->label("label_Project").setText("Project: " + oneLine(project_.header.ProjectTitle));
}

// The header editor; the job code and title are shown again whether or not it saved.
void Form1::editHeader() {
    const UndoStep step(project_, "Edit Header Info");
    const bool saved = headerEditor_.run(project_.header, project_.newHeader) == 1;
    showHeader();
    if (saved) {
        project_.markModified();
    }
}

// The Problems window lists what the check finds; a project without problems says so
// in the status bar.
void Form1::checkProject() {
    form_->setStatusText(problems_.check() == 0 ? kNoProblems : "");
}

// The record's editor, run as its list's Modify command runs it on the selected line.
void Form1::openProblemRecord(const check::Problem& problem) {
    using check::Place;
    if (problem.place == Place::Header) {
        editHeader();
        return;
    }
    struct Opening {
        Place place;
        RecordList list;
        void (RecordCommands::*modify)();
    };
    static constexpr Opening kOpenings[] = {
        {Place::Session, RecordList::Sessions, &RecordCommands::modifySession},
        {Place::Instrument, RecordList::Instruments, &RecordCommands::modifyEquipment},
        {Place::Antenna, RecordList::Antennas, &RecordCommands::modifyAntenna},
        {Place::Station, RecordList::Stations, &RecordCommands::modifyStation},
    };
    const Opening* opening = std::find_if(std::begin(kOpenings), std::end(kOpenings),
                                          [&problem](const Opening& o) { return o.place == problem.place; });
    ui::ListView& view = form_->listView(ListSelections::viewName(opening->list));
    if (problem.index < 0 || problem.index >= view.source()->count()) {
        return;
    }
    view.setSelectedIndex(problem.index);
    (records_.*(opening->modify))();
}

void Form1::openAtStartup(const std::string& path) {
    commands_.openAtStartup(path);
}

// Exit asks the save question, then closes the window without asking again; the
// program ends normally.
void Form1::exitProgram() {
    if (!commands_.mayClose()) {
        return;
    }
    closing_ = true;
    toolkit_.quit(0);
    form_->close();
}

} // namespace ardel
