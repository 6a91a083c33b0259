#include "validate/Validators.h"

#include "ValidatorScript.h"

#include <gtest/gtest.h>

namespace ardel::validate {
namespace {

using testing::ExpectedBox;

enum class Box { None, BeforePoint, AfterPoint, TooLong };

ExpectedBox expectedBox(Box box, const std::string& text) {
    switch (box) {
    case Box::BeforePoint:
        return {"Number Format Error", "The field " + text + " has too many digits before the decimal point."};
    case Box::AfterPoint:
        return {"Number Format Error", "The field " + text + " has too many characters after the decimal point."};
    case Box::TooLong:
        return {"Number Format Error", "The field " + text + " has too many characters."};
    case Box::None:
        break;
    }
    return {};
}

struct LayoutRow {
    const char* text;
    DecimalLayout layout;
    const char* laidOut;
    Box box;
};

// clang-format off
const LayoutRow kLayoutRows[] = {
    // text              layout                 laid out           box
    {"45.5",             kHeightLayout,         "  45.5  ",        Box::None},
    {"-12",              kHeightLayout,         " -12.   ",        Box::None},
    {"1.5 ",             kHeightLayout,         "   1.5  ",        Box::None},  // a trailing blank counts after the point
    {"",                 kHeightLayout,         "    .   ",        Box::None},
    {"12345",            kHeightLayout,         "12345.",          Box::BeforePoint},
    {"1234.5678",        kHeightLayout,         "1234.5678",       Box::AfterPoint},
    {"1.5",              kAntennaHeightLayout,  " 1.500",          Box::None},  // right fill 0
    {"5",                kTemperatureLayout,    "  5.",            Box::None},  // no right fill: as long as its content
    {"-5.5",             kTemperatureLayout,    " -5.5",           Box::None},
    {"-5.55",            kTemperatureLayout,    "-5.55",           Box::AfterPoint},
    {"1013.25",          kPressureLayout,       "1013.25",         Box::None},
    {"1013.255",         kPressureLayout,       "1013.255",        Box::AfterPoint},
    {"  ",               kHumidityLayout,       "  .",             Box::None},
    {"   ",              kHumidityLayout,       "   .",            Box::BeforePoint}, // blanks count before the point
    {"394512.123",       kLatitudeLayout,       "394512.123  ",    Box::None},
    {"4512",             kLatitudeLayout,       "  4512.     ",    Box::None},
    {"1234567",          kLatitudeLayout,       "1234567.",        Box::BeforePoint}, // returned with its point
    {"123456.123456",    kLatitudeLayout,       "123456.123456",   Box::AfterPoint},
    {"1.2.3",            kLatitudeLayout,       "     1.2.3  ",    Box::None},  // only the first point counts
    {"0771530.5",        kLongitudeLayout,      "0771530.5    ",   Box::None},
    {"12345678",         kLongitudeLayout,      "12345678.",       Box::BeforePoint},
};
// clang-format on

TEST(DecimalLayoutStep, PlacesThePointAndFills) {
    for (const LayoutRow& row : kLayoutRows) {
        std::string laidOut;
        const std::string failure = testing::playRow(expectedBox(row.box, row.text), [&](ui::Toolkit& toolkit) {
            laidOut = layOutDecimal(toolkit, row.text, row.layout);
        });
        EXPECT_EQ(failure, "") << "input \"" << row.text << "\"";
        EXPECT_EQ(laidOut, row.laidOut) << "input \"" << row.text << "\"";
    }
}

TEST(DecimalLayoutStep, LayOutNumberSkipsTheLayoutOfABadNumber) {
    ui::HeadlessToolkit toolkit;
    EXPECT_EQ(layOutNumber(toolkit, "394512.123", kUnsignedDecimal, kLatitudeLayout), "394512.123  ");
    toolkit.expectMessage("Numeric Format Error", "39x does not meet the format specification for this field. \n"
                                                  "Please click OK and correct this entry before continuing");
    EXPECT_EQ(layOutNumber(toolkit, "39x", kUnsignedDecimal, kLatitudeLayout), std::nullopt);
    toolkit.expectMessage("Number Format Error", "The field 1234567 has too many digits before the decimal point.");
    EXPECT_EQ(layOutNumber(toolkit, "1234567", kUnsignedDecimal, kLatitudeLayout), "1234567.");
    EXPECT_TRUE(toolkit.unusedExpectations().empty());
}

struct ZeroFillRow {
    const char* text;
    int width;
    const char* filled;
    Box box;
};

// clang-format off
const ZeroFillRow kZeroFillRows[] = {
    // text   width  filled   box
    {"5",     2,     "05",    Box::None},
    {"",      2,     "00",    Box::None},
    {"-5",    3,     "-05",   Box::None},   // the sign stays in front
    {"+5",    2,     "+5",    Box::None},
    {"-",     2,     "-0",    Box::None},
    {" 5",    2,     " 5",    Box::None},
    {"123",   2,     "123",   Box::TooLong},
    {"-12",   2,     "-12",   Box::TooLong},
};
// clang-format on

TEST(ZeroFillStep, RightJustifiesWithTheFill) {
    for (const ZeroFillRow& row : kZeroFillRows) {
        std::string filled;
        const std::string failure = testing::playRow(expectedBox(row.box, row.text), [&](ui::Toolkit& toolkit) {
            filled = zeroFillField(toolkit, row.text, row.width, '0');
        });
        EXPECT_EQ(failure, "") << "input \"" << row.text << "\"";
        EXPECT_EQ(filled, row.filled) << "input \"" << row.text << "\"";
    }
}

} // namespace
} // namespace ardel::validate
