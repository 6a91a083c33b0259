#include "utilities/Serfil.h"

#include "model/Lines.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "utilities/SerfilAndDefaultsFiles.h"

#include <algorithm>

namespace ardel {

namespace {

constexpr const char* kExplainCaption = "About SERFILs";
constexpr const char* kExplainText = " A SERFIL is an external file that provides the \n"
                                     "  correspondence between Station Serial Numbers (SSNs) and the four-\n"
                                     "  character identifier that appears in the media ID on *25* GPS session\n"
                                     "  records. It is the practice of many GPS surveying groups to create\n"
                                     "  a SERFIL before creating the B-File. The format is\n"
                                     "          cc 1-4   4-char ID\n"
                                     "          cc 5-7   blank\n"
                                     "          cc 8-11  SSN\n"
                                     "          \n"
                                     "     If a SERFIL is imported into this program, it will be used as the\n"
                                     "  authoritative source of the 4-character ID associated with each SSN.\n"
                                     "  If you are editing an existing B-File and the file contains *25* records\n"
                                     "  with different 4-character IDs, a warning will be issued.\n"
                                     "          \n"
                                     "     If no SERFIL is imported into this program, and you attempt to edit\n"
                                     "  an existing B-File, then the association between\n"
                                     "  an SSN and the 4-character ID is taken from the first *25* record\n"
                                     "  that appears for the station. If later *25* records have a different\n"
                                     "  association, a warning will be issued.\n"
                                     "  \n"
                                     "      When a B-File is saved, the association between SSNs and 4-character\n"
                                     "  IDs appears only on the *25* records. If you enter a 4-character ID for \n"
                                     "  a station on the station form of this program and then save the B-File\n"
                                     "  before creating any session records, this association will not be saved.\n"
                                     "  \n"
                                     "    Because of this behavior, if you have built a SERFIL beforehand that\n"
                                     "  contains the realationships between all files in your project, be sure to\n"
                                     "  Import the SERFIL BEFORE you load the B-file you intend to write *25* and\n"
                                     "  *27* records to.\n"
                                     "  \n"
                                     "      However, you may preserve this association by exporting a SERFIL\n"
                                     "  before exiting this program and then importing the SERFIL the next \n"
                                     "  time the program is executed.";

constexpr const char* kImportTitle = "Select SER File to be Imported";
constexpr const char* kChangeIdCaption = "SERFIL";
constexpr const char* kChangeIdText =
    "The current 4-character ID for station %s is %s.  \n"
    "                The SERFIL contains the value %s. \n"
    "                Would you like to change the current value to the one in the SERFIL?\n"
    "                (Caution - any existing sessions records for this station\n"
    "                may need to be changed as well).";
constexpr const char* kImportedCaption = "SERFIL Imported";
constexpr const char* kImportedText = "%d SERFIL records imported\n    from %s.";

const std::vector<ui::FileFilter>& importFilters() {
    static const std::vector<ui::FileFilter> filters = {
        {"SER Files (*.ser;*.SER)", "*.ser;*.SER"}, {"TextFiles (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}};
    return filters;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ui::startsWithNoCase(a, b);
}

// A blank line pairs nothing: it is not imported.
bool isBlank(const std::string& line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' '; });
}

// Offers the SERFIL's ID for the station of the SSN when the station has another one.
void offerStationId(ui::Toolkit& toolkit, TextStore& stations, const std::string& ssn, const std::string& id) {
    const int index = stations.find(ssn);
    if (index < 0) {
        return;
    }
    const std::string& line = stations.at(index);
    const std::string currentId = fit(slice(line, station_line::kId, station_line::kIdWidth), station_line::kIdWidth);
    if (currentId == id) {
        return;
    }
    const std::string question = ui::format(kChangeIdText, ssn.c_str(), currentId.c_str(), id.c_str());
    if (toolkit.messageBox(kChangeIdCaption, question, ui::Icon::Question, ui::Buttons::YesNo) == ui::Answer::Yes) {
        std::string changed = line;
        changed.replace(station_line::kId, station_line::kIdWidth, id);
        stations.replace(index, std::move(changed));
    }
}

} // namespace

std::string buildSerfilLine(std::string_view ssn, std::string_view id) {
    return fit(ssn, serfil_line::kSsnWidth) + kSerfilGap + fit(id, serfil_line::kIdWidth);
}

std::string serfilIdForSsn(const TextStore& serfil, std::string_view ssn) {
    const int index = serfil.find(ssn);
    return index < 0 ? std::string() : slice(serfil.at(index), serfil_line::kId, serfil_line::kIdWidth);
}

std::string serfilSsnForId(const TextStore& serfil, std::string_view id) {
    if (id.empty()) {
        return {};
    }
    for (const std::string& line : serfil.lines()) {
        if (equalsNoCase(slice(line, serfil_line::kId, serfil_line::kIdWidth), id)) {
            return slice(line, serfil_line::kSsn, serfil_line::kSsnWidth);
        }
    }
    return {};
}

void explainSerfil(ui::Toolkit& toolkit) {
    toolkit.messageBox(kExplainCaption, kExplainText, ui::Icon::Information, ui::Buttons::OK);
}

int takeSerfilLines(ui::Toolkit& toolkit, Project& project, const std::vector<std::string>& lines) {
    project.lb_SERFIL.clear();
    int count = 0;
    for (const std::string& line : lines) {
        if (isBlank(line)) {
            continue;
        }
        const std::string ssn = fit(slice(line, serfil_file::kSsn, serfil_file::kSsnWidth), serfil_line::kSsnWidth);
        const std::string id = fit(slice(line, serfil_file::kId, serfil_file::kIdWidth), serfil_line::kIdWidth);
        offerStationId(toolkit, project.lb_Stations, ssn, id);
        project.lb_SERFIL.append(buildSerfilLine(ssn, id));
        ++count;
    }
    return count;
}

void importSerfil(ui::Toolkit& toolkit, Project& project, std::string& serfilPath) {
    serfilPath = importStartPath(toolkit, kSerfilSetting);
    const std::optional<std::string> path = toolkit.openFileDialog({kImportTitle, serfilPath, importFilters()});
    if (!path) {
        return;
    }
    serfilPath = ui::absolutePath(*path);
    const std::optional<std::vector<std::string>> lines = readChosenImportFile(toolkit, kSerfilSetting, serfilPath);
    if (!lines) {
        return;
    }
    const int count = takeSerfilLines(toolkit, project, *lines);
    toolkit.messageBox(kImportedCaption, ui::format(kImportedText, count, serfilPath.c_str()), ui::Icon::Information,
                       ui::Buttons::OK);
}

} // namespace ardel
