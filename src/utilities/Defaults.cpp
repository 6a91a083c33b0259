#include "utilities/Defaults.h"

#include "ui/Platform.h"
#include "ui/Text.h"
#include "utilities/SerfilAndDefaultsFiles.h"

#include <vector>

namespace ardel {

namespace {

const char* const kBuiltInDefaults[] = {
    "Latitude Code=N",
    "Longitude Code=W",
    "Datum for Orthometric Height=88",
    "Ellipsoidal Height Code=",
    "Ellipsoidal Height Datum=A",
    "State or Country Code=",
    "Station Order=",
    "Station Type=",
    "TOV Survey Equipment Code=",
    "Instrument Manufacturer=",
    "Type of Instrument or Trade Name=",
    "Model of Instrument=",
    "Instrument Serial Number=",
    "TOV GPS Antenna Code=",
    "Antenna Serial Number=",
    "Receiver Manufacturer=",
    "Letter or Number of Session=",
    "Initials of the Observer=",
    "Cable Length in Meters=",
    "Dry Bulb Temperature Code=F",
    "Wet Bulb Temperature Code=F",
    "Barometric Pressure Code=IN",
    "Weather Code Problem Indicator=0",
    "Weather Code Visibility Indicator=0",
    "Weather Code Temperature Indicator=0",
    "Weather Code Cloud Cover Indicator=0",
    "Weather Code Wind Indicator=0",
};

constexpr const char* kExplainCaption = "About Default Files";
constexpr const char* kExplainText = "    Default Values may be specified for many of the \n"
                                     "data fields used by this program. When they are specified, default \n"
                                     "values will be applied when new records are created.\n"
                                     "\n"
                                     "    The fields for which default values may be specified are listed \n"
                                     "in the file Ardel_Defaults.txt, distributed with this program.\n"
                                     "You may edit this file with a text editor if you wish, \n"
                                     "and you may then import the edited file into this program with \n"
                                     "the Import Defaults File function. If you do so, \n"
                                     "you may wish to save the edited file under another name so that \n"
                                     "the original file is not overwritten. \n"
                                     "\n"
                                     "    In a Defaults file, the default value for each field comes after \n"
                                     "the equal sign (=). You may edit the value for any field, but you \n"
                                     "should not change the field names. ";

constexpr const char* kImportTitle = "Select Defaults File to be Imported";
const std::vector<ui::FileFilter> kImportFilters = {{"TextFiles (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}};
constexpr const char* kImportedCaption = "Defaults File Imported";
constexpr const char* kImportedText = "%d Defaults File records imported\n    from %s.";

bool isDefaultsLine(const std::string& line) {
    return !line.empty() && line.front() != '=';
}

} // namespace

void loadBuiltInDefaults(TextStore& defaults) {
    defaults.assign(std::vector<std::string>(std::begin(kBuiltInDefaults), std::end(kBuiltInDefaults)));
}

std::optional<std::string> lookupDefault(const TextStore& defaults, std::string_view key) {
    const int index = defaults.find(key);
    if (index < 0) {
        return std::nullopt;
    }
    const std::string& line = defaults.at(index);
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
        return std::nullopt;
    }
    return line.substr(equals + 1);
}

int selectDefault(ui::ComboBox& list, const TextStore& defaults, std::string_view key) {
    const std::optional<std::string> value = lookupDefault(defaults, key);
    if (!value || value->empty()) {
        return -1;
    }
    return list.selectPrefix(*value);
}

void explainDefaults(ui::Toolkit& toolkit) {
    toolkit.messageBox(kExplainCaption, kExplainText, ui::Icon::Information, ui::Buttons::OK);
}

int takeDefaultsLines(TextStore& defaults, std::vector<std::string> lines) {
    std::erase_if(lines, [](const std::string& line) { return !isDefaultsLine(line); });
    const int count = static_cast<int>(lines.size());
    defaults.assign(std::move(lines));
    return count;
}

void importDefaultsFile(ui::Toolkit& toolkit, TextStore& defaults) {
    const std::optional<std::string> chosen =
        toolkit.openFileDialog({kImportTitle, importStartPath(toolkit, kDefaultsFilePathSetting), kImportFilters});
    if (!chosen) {
        return;
    }
    const std::string path = ui::absolutePath(*chosen);
    std::optional<std::vector<std::string>> lines = readChosenImportFile(toolkit, kDefaultsFilePathSetting, path);
    if (!lines) {
        return;
    }
    const int count = takeDefaultsLines(defaults, std::move(*lines));
    toolkit.messageBox(kImportedCaption, ui::format(kImportedText, count, path.c_str()), ui::Icon::Information,
                       ui::Buttons::OK);
}

} // namespace ardel
