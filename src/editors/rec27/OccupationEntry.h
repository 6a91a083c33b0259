// The layout of an occupation entry: the 41 characters of one *27* measurement that
// the occupation record editor builds from its controls (the *27* body keeps the SSN
// in its first 4 characters and the entry after it).
#pragma once

#include <cstddef>
#include <string_view>

namespace ardel::rec27::entry {

constexpr const char* kDate = "mtextb_Date";
constexpr const char* kTime = "mtextb_Time";
constexpr const char* kAntennaHeight = "textb_AntennaHeight";
constexpr const char* kDryBulb = "textb_DryBulbTemperature";
constexpr const char* kDryCode = "combo_DryBulbTemperatureCode";
constexpr const char* kWetBulb = "textb_WetBulbTemperature";
constexpr const char* kWetCode = "combo_WetBulbTemperatureCode";
constexpr const char* kHumidity = "textb_RelativeHumidity";
constexpr const char* kPressure = "textb_BarometricPressure";
constexpr const char* kPressureCode = "combo_BarometricPressureCode";
constexpr const char* kProblem = "combo_Problem";
constexpr const char* kVisibility = "combo_Visibility";
constexpr const char* kTemperature = "combo_Temperature";
constexpr const char* kCloudCover = "combo_CloudCover";
constexpr const char* kWind = "combo_Wind";
constexpr const char* kWeatherIndicators[] = {kProblem, kVisibility, kTemperature, kCloudCover, kWind};

// One part of the occupation entry: `width` characters of the control's text from
// `from` on (of a list, its selected item), blank-padded where the text ends. The
// date, the time, the antenna height (metres, millimetres), then the weather data.
struct EntryPart {
    const char* control;
    std::size_t from;
    std::size_t width;
};

// clang-format off
constexpr EntryPart kEntryLayout[] = {
    {kDate,           0, 6},
    {kTime,           0, 4},
    {kAntennaHeight,  0, 2},
    {kAntennaHeight,  3, 3},
    {kDryBulb,        0, 3},
    {kDryBulb,        4, 1},
    {kDryCode,        0, 1},
    {kWetBulb,        0, 3},
    {kWetBulb,        4, 1},
    {kWetCode,        0, 1},
    {kHumidity,       0, 2},
    {kHumidity,       3, 1},
    {kPressure,       0, 4},
    {kPressure,       5, 2},
    {kPressureCode,   0, 2},
    {kProblem,        0, 1},
    {kVisibility,     0, 1},
    {kTemperature,    0, 1},
    {kCloudCover,     0, 1},
    {kWind,           0, 1},
};
// clang-format on

constexpr std::size_t entryWidth() {
    std::size_t width = 0;
    for (const EntryPart& part : kEntryLayout) {
        width += part.width;
    }
    return width;
}
static_assert(entryWidth() == 41, "an occupation entry is 41 characters");

// Where a control's text (from its character `from` on) stands in the entry.
constexpr std::size_t offsetOf(const char* control, std::size_t from = 0) {
    std::size_t offset = 0;
    for (const EntryPart& part : kEntryLayout) {
        if (std::string_view(part.control) == control && part.from == from) {
            return offset;
        }
        offset += part.width;
    }
    return offset;
}

// How many characters of a control's text (from its character `from` on) the entry keeps.
constexpr std::size_t widthOf(const char* control, std::size_t from = 0) {
    for (const EntryPart& part : kEntryLayout) {
        if (std::string_view(part.control) == control && part.from == from) {
            return part.width;
        }
    }
    return 0;
}

} // namespace ardel::rec27::entry
