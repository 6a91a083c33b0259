#include "editors/rec27/Form_Rec27Decl.h"

namespace ardel {

namespace {

constexpr const char* kMeasurements = "group_Weather";
constexpr const char* kWeatherCode = "group_WeatherCode";
constexpr const char* kCelsiusHint = "TOV prefers Celsius";

ui::ControlDecl numberBox(const char* name, const char* label, int limit) {
    return {.name = name, .kind = ui::ControlKind::TextBox, .label = label, .limit = limit, .group = kMeasurements};
}

ui::ControlDecl codeList(const char* name, const char* label, std::vector<std::string> items, const char* hint,
                         const char* beside) {
    return {.name = name,
            .kind = ui::ControlKind::DropDownList,
            .label = label,
            .hint = hint,
            .items = std::move(items),
            .group = kMeasurements,
            .beside = beside};
}

ui::ControlDecl indicatorList(const char* name, const char* label, std::vector<std::string> items) {
    items.insert(items.begin(), kNoInformation);
    return {.name = name,
            .kind = ui::ControlKind::DropDownList,
            .label = label,
            .items = std::move(items),
            .group = kWeatherCode,
            .fixedPitch = true};
}

ui::FormDecl buildDecl() {
    using ui::ControlKind;
    return {
        .name = "Form_Rec27",
        .caption = "GPS Occupation Measurement (*27* record) Data",
        .controls =
            {
                {.name = "mtextb_Date",
                 .kind = ControlKind::MaskedText,
                 .label = "UTC Date (YYMMDD):",
                 .limit = 8,
                 .hint = "Enter the date the session began",
                 .mask = "##/##/##",
                 .digitsOnly = true},
                {.name = "mtextb_Time",
                 .kind = ControlKind::MaskedText,
                 .label = "UTC Time (HHMM):",
                 .limit = 5,
                 .mask = "##:##",
                 .digitsOnly = true},
                {.name = "textb_AntennaHeight",
                 .kind = ControlKind::TextBox,
                 .label = "Antenna Height (MM.mmm):",
                 .limit = 6},
                {.name = "label_AntennaHeightReference",
                 .kind = ControlKind::Label,
                 .label = "(Monument to L1 Phase Center)",
                 .beside = "textb_AntennaHeight"},
                {.name = kMeasurements, .kind = ControlKind::GroupBox, .label = "Weather Data"},
                numberBox("textb_DryBulbTemperature", "Dry Bulb Temperature (XXX.x)", 5),
                codeList("combo_DryBulbTemperatureCode", "Code:", {"C", "F"}, kCelsiusHint, "textb_DryBulbTemperature"),
                numberBox("textb_WetBulbTemperature", "Wet Bulb Temperature (XXX.x):", 5),
                codeList("combo_WetBulbTemperatureCode", "Code:", {"C", "F"}, kCelsiusHint, "textb_WetBulbTemperature"),
                numberBox("textb_RelativeHumidity", "Relative Humidity (XX.x):", 4),
                {.name = "cb_Compute",
                 .kind = ControlKind::Button,
                 .label = "Compute Humidity from Other Measurements",
                 .group = kMeasurements,
                 .beside = "textb_RelativeHumidity"},
                numberBox("textb_BarometricPressure", "Barometric Pressure(XXXX.xx)", 7),
                codeList("combo_BarometricPressureCode", "Barometric Pressure Code:",
                         {"MB - Millibars", "MM - Millimeters of Mercury", "IN - Inches of Mercury"}, "TOV prefers MB",
                         ""),
                {.name = kWeatherCode, .kind = ControlKind::GroupBox, .label = "Weather Code:"},
                indicatorList("combo_Problem", "Problem Indicator:", {"0 - No Problem Encountered", "1 - See Comment"}),
                indicatorList("combo_Visibility", "Visibility Indicator:",
                              {"0 - Good (over 15 mi)", "1 - Fair (7 to 15 mi.)", "2 - Poor (Under 7 mi.)"}),
                indicatorList("combo_Temperature", "Temperature Indicator:",
                              {"0 - Normal Range (32 F to 80 F)", "1 - Hot (over 80 F)", "2 - Cold (below freezing)"}),
                indicatorList("combo_CloudCover", "Cloud Cover Indicator:",
                              {"0 - clear (below 20%)", "1 - Partly Cloudy (20 % to 70 %)", "2 - Overcast (over 70%)"}),
                indicatorList("combo_Wind", "Wind Indicator:",
                              {"0 - Calm (under 5 MPH)", "1 - Moderate (5 to 15 MPH)", "2 - Strong (over 15 MPH)"}),
                {.name = "cb_OK", .kind = ControlKind::Button, .label = "&Save Data and Close Form", .isDefault = true},
                {.name = "cb_Cancel",
                 .kind = ControlKind::Button,
                 .label = "&Close Form without Saving Data",
                 .isCancel = true},
            },
        .columns = 2,
    };
}

} // namespace

const ui::FormDecl& formRec27Decl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

} // namespace ardel
