#include "validate/Validators.h"

#include "ValidatorScript.h"

#include <gtest/gtest.h>

namespace ardel::validate {
namespace {

using testing::ExpectedBox;

// The message of a failing row: its format, "%s" standing for the input.
struct RangeRow {
    const char* text;
    const char* message; // nullptr when the text passes
};

ExpectedBox expectedBox(const char* caption, const RangeRow& row) {
    if (!row.message) {
        return {};
    }
    std::string text = row.message;
    text.replace(text.find("%s"), 2, row.text);
    return {caption, text};
}

template <class Check> void checkRows(const char* caption, const std::vector<RangeRow>& rows, Check check) {
    for (const RangeRow& row : rows) {
        bool passes = row.message != nullptr;
        const std::string failure = testing::playRow(expectedBox(caption, row),
                                                     [&](ui::Toolkit& toolkit) { passes = check(toolkit, row.text); });
        EXPECT_EQ(failure, "") << "input \"" << row.text << "\"";
        EXPECT_EQ(passes, row.message == nullptr) << "input \"" << row.text << "\"";
    }
}

constexpr const char* kDegrees = "Illegal Degrees subfield in %s ";
constexpr const char* kMinutes = "Illegal minutes subfield in %s ";
constexpr const char* kSeconds = "Illegal seconds subfield in %s ";

TEST(LatitudeCheck, DegreesUpTo90AndNothingBeyond) {
    constexpr const char* kBeyond = "Illegal Latitude %s ";
    // clang-format off
    checkRows("Numeric Format Error", {
        // text             message
        {"900000.00000",    nullptr},
        {"895959.99999",    nullptr},
        {"000000.00000",    nullptr},
        {"394512.123  ",    nullptr},
        {"  4512.     ",    nullptr},  // blanks in place of the degrees
        {"",                nullptr},
        {"910000.00000",    kDegrees},
        {"896000.00000",    kMinutes},
        {"895960.00000",    kSeconds},
        {"900100.00000",    kBeyond},
        {"900001.00000",    kBeyond},
        {"900000.00001",    kBeyond},  // a fraction of a second beyond the pole
        {"91",              kDegrees}, // a short text: the missing subfields are 0
        {"1234567.",        nullptr},  // a layout that did not fit is still read by position
    }, checkLatitude);
    // clang-format on
}

TEST(LongitudeCheck, DegreesUpTo180AndNothingBeyond) {
    constexpr const char* kBeyond = "Illegal Longitude %s ";
    // clang-format off
    checkRows("Numeric Format Error", {
        // text              message
        {"1800000.00000",    nullptr},
        {"1795959.99999",    nullptr},
        {"0771530.5    ",    nullptr},
        {"1810000.00000",    kDegrees},
        {"1796000.00000",    kMinutes},
        {"1795960.00000",    kSeconds},
        {"1800001.00000",    kBeyond},
        {"1800100.00000",    kBeyond},
        {"1800000.5    ",    kBeyond},
    }, checkLongitude);
    // clang-format on
}

TEST(DateCheck, MonthsAndGregorianDays) {
    constexpr const char* kMonth = "Illegal Month subfield in %s ";
    constexpr const char* kDay = "Illegal day subfield in %s ";
    const auto ymd = [](ui::Toolkit& toolkit, const char* text) {
        return checkDate(toolkit, text, DateLayout::YearMonthDay);
    };
    const auto ym = [](ui::Toolkit& toolkit, const char* text) {
        return checkDate(toolkit, text, DateLayout::YearMonth);
    };
    // clang-format off
    checkRows("Date Format Error", {
        // text          message
        {"20000229",     nullptr},  // 2000 is divisible by 400: a leap year
        {"19000229",     kDay},     // 1900 is divisible by 100 only: no leap year
        {"20040229",     nullptr},
        {"20010229",     kDay},
        {"16000229",     nullptr},
        {"21000229",     kDay},
        {"20000230",     kDay},
        {"20000131",     nullptr},
        {"20000431",     kDay},
        {"20001231",     nullptr},
        {"20000100",     kDay},
        {"20001300",     kMonth},   // the month is checked first
        {"20000001",     kMonth},
        {"99991231",     nullptr},  // the year has no limit
        {"2000",         kMonth},   // a missing month is 0
        {"200001",       kDay},
    }, ymd);
    checkRows("Date Format Error", {
        {"200012",       nullptr},
        {"200001",       nullptr},
        {"200013",       kMonth},
        {"200000",       kMonth},
        {"20001",        nullptr},  // month "1"
    }, ym);
    // clang-format on
}

} // namespace
} // namespace ardel::validate
