#include "import/ImportRecords.h"

#include "editors/equipment/EquipmentFields.h"
#include "editors/rec27/OccupationEntry.h"
#include "editors/station/Form_StationDecl.h"
#include "editors/station/StationLayout.h"
#include "model/Lines.h"
#include "ui/Text.h"
#include "utilities/Defaults.h"
#include "validate/Validators.h"

#include <cmath>
#include <cstdlib>

namespace ardel::rinex_import {

namespace {

using station_layout::Column;

constexpr const char* kNewInstrumentCode = "050";
constexpr std::size_t kManufacturerWidth = 18;

// The station editor's coordinate layouts: digits before the point, then the decimals.
constexpr int kLatitudeDegreeDigits = validate::kLatitudeLayout.digitsBeforePoint - 4;
constexpr int kLongitudeDegreeDigits = validate::kLongitudeLayout.digitsBeforePoint - 4;

struct ListDefault {
    const char* key;
    const char* list;
    Column column;
};
// The station editor's lists whose defaults reach the *80* body, besides the hemisphere codes.
constexpr ListDefault kStationListDefaults[] = {
    {"Station Order", "combo_StationOrder", station_layout::station::kStationOrder},
    {"Station Type", "combo_StationType", station_layout::station::kStationType},
};
// The hemisphere codes a station without a position gets, as a new station in the editor does.
constexpr ListDefault kHemisphereDefaults[] = {
    {"Latitude Code", "combo_LatitudeCode", station_layout::station::kLatitudeCode},
    {"Longitude Code", "combo_LongitudeCode", station_layout::station::kLongitudeCode},
};
constexpr const char* kStateDefault = "State or Country Code";

struct Maker {
    const char* name;
    char code;
};
// clang-format off
constexpr Maker kMakers[] = {
    {"TRIMBLE", 'R'}, {"LEICA", 'W'}, {"TOPCON", 'C'}, {"TPS", 'C'},    {"JAVAD", 'J'}, {"JPS", 'J'},
    {"NOVATEL", 'V'}, {"NOV", 'V'},   {"SOKKIA", 'K'}, {"ASHTECH", 'A'}, {"MAGELLAN", 'E'},
    {"SPECTRA", 'P'}, {"SERCEL", 'S'},
};
// clang-format on
constexpr char kOtherMaker = 'X';

void put(std::string& body, Column column, std::string_view text) {
    body.replace(column.offset, column.width, fit(text, column.width));
}

// The code of the first item of the editor's list that begins with the key's default, as
// selecting it in the editor would give; blank when there is none.
std::string defaultCode(const TextStore& defaults, const char* key, const char* list, std::size_t width) {
    const auto value = lookupDefault(defaults, key);
    const ui::ControlDecl* control = ui::findControl(formStationDecl(), list);
    if (!value || value->empty() || control == nullptr) {
        return {};
    }
    for (const std::string& item : control->items) {
        if (ui::startsWithNoCase(item, *value)) {
            return item.substr(0, width);
        }
    }
    return {};
}

std::string firstWord(const std::string& text) {
    return text.substr(0, text.find(' '));
}

double angleOf(const std::string& body, Column whole, Column fraction, int degreeDigits) {
    const std::string digits = slice(body, whole.offset, whole.width);
    const int degrees = leadingInt(digits.substr(0, static_cast<std::size_t>(degreeDigits)));
    const int minutes = leadingInt(digits.substr(static_cast<std::size_t>(degreeDigits), 2));
    const double seconds = leadingInt(digits.substr(static_cast<std::size_t>(degreeDigits) + 2, 2)) +
                           std::atof(("0." + slice(body, fraction.offset, fraction.width)).c_str());
    return degrees + minutes / 60.0 + seconds / 3600.0;
}

} // namespace

std::string newStationBody(const std::string& ssn, const std::string& name,
                           const std::optional<rinex::Geodetic>& position, const TextStore& defaults) {
    using namespace station_layout::station;
    std::string body(station_line::kBodyWidth, ' ');
    put(body, kSsn, ssn);
    put(body, kName, name);
    if (position) {
        const std::string latitude = rinex::degreesMinutesSeconds(position->latitude, kLatitudeDegreeDigits);
        const std::string longitude = rinex::degreesMinutesSeconds(position->longitude, kLongitudeDegreeDigits);
        put(body, kLatitude, latitude.substr(0, kLatitude.width));
        put(body, kLatitudeFraction, latitude.substr(kLatitude.width + 1));
        put(body, kLatitudeCode, position->latitude < 0 ? "S" : "N");
        put(body, kLongitude, longitude.substr(0, kLongitude.width));
        put(body, kLongitudeFraction, longitude.substr(kLongitude.width + 1));
        put(body, kLongitudeCode, position->longitude < 0 ? "W" : "E");
    } else {
        for (const ListDefault& entry : kHemisphereDefaults) {
            put(body, entry.column, defaultCode(defaults, entry.key, entry.list, entry.column.width));
        }
    }
    put(body, kStateOrCountry, lookupDefault(defaults, kStateDefault).value_or(""));
    for (const ListDefault& entry : kStationListDefaults) {
        put(body, entry.column, defaultCode(defaults, entry.key, entry.list, entry.column.width));
    }
    return body;
}

std::optional<rinex::Geodetic> positionOfStation(const std::string& body) {
    using namespace station_layout::station;
    if (ui::trimRight(slice(body, kLatitude.offset, kLatitude.width)).empty() ||
        ui::trimRight(slice(body, kLongitude.offset, kLongitude.width)).empty()) {
        return std::nullopt;
    }
    rinex::Geodetic position;
    position.latitude = angleOf(body, kLatitude, kLatitudeFraction, kLatitudeDegreeDigits);
    position.longitude = angleOf(body, kLongitude, kLongitudeFraction, kLongitudeDegreeDigits);
    if (slice(body, kLatitudeCode.offset, 1) == "S") {
        position.latitude = -position.latitude;
    }
    if (slice(body, kLongitudeCode.offset, 1) == "W") {
        position.longitude = -position.longitude;
    }
    return position;
}

std::string newInstrumentBody(const std::string& jsin, const std::string& receiverType, const std::string& serial) {
    const std::string maker = fit(firstWord(receiverType), kManufacturerWidth);
    return ui::format(kInstrumentBodyFormat, jsin.c_str(), kNewInstrumentCode, maker.c_str(), receiverType.c_str(), "",
                      serial.c_str());
}

std::string newAntennaBody(const std::string& jsan, const std::string& code, const std::string& serial) {
    return ui::format(kAntennaBodyFormat, jsan.c_str(), code.c_str(), serial.c_str());
}

std::optional<std::string> layOutAntennaHeight(double metres) {
    constexpr validate::DecimalLayout layout = validate::kAntennaHeightLayout;
    const std::string text = ui::format("%*.*f", layout.totalWidth, layout.totalWidth - layout.digitsBeforePoint - 1,
                                        std::round(metres * 1000) / 1000);
    if (text.size() != static_cast<std::size_t>(layout.totalWidth)) {
        return std::nullopt;
    }
    return text;
}

std::string occupationEntry(int year, int month, int day, int hour, int minute, const std::string& height) {
    using namespace rec27::entry;
    std::string entry(entryWidth(), ' ');
    auto place = [&](const char* control, std::size_t from, const std::string& text) {
        entry.replace(offsetOf(control, from), widthOf(control, from), fit(slice(text, from), widthOf(control, from)));
    };
    place(kDate, 0, ui::format("%02d%02d%02d", year % 100, month, day));
    place(kTime, 0, ui::format("%02d%02d", hour, minute));
    place(kAntennaHeight, 0, height);
    place(kAntennaHeight, 3, height);
    return entry;
}

char manufacturerCode(const std::string& receiverType) {
    const std::string maker = ui::upperCase(firstWord(receiverType));
    for (const Maker& known : kMakers) {
        if (maker == known.name) {
            return known.code;
        }
    }
    return kOtherMaker;
}

std::optional<std::string> layOutCableLength(const std::string& text) {
    const std::string digits = ui::trimRight(text.substr(std::min(text.find_first_not_of(' '), text.size())));
    if (digits.empty()) {
        return std::string();
    }
    if (digits.size() > packed_session::kCableLengthWidth ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::string(packed_session::kCableLengthWidth - digits.size(), '0') + digits;
}

} // namespace ardel::rinex_import
