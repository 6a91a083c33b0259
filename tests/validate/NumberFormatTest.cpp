#include "validate/Validators.h"

#include "ValidatorScript.h"

#include <gtest/gtest.h>

namespace ardel::validate {
namespace {

using testing::ExpectedBox;

enum class Box { None, Format, Blanks };

ExpectedBox expectedBox(Box box, const std::string& text) {
    switch (box) {
    case Box::Format:
        return {"Numeric Format Error", text + " does not meet the format specification for this field. \n"
                                               "Please click OK and correct this entry before continuing"};
    case Box::Blanks:
        return {"Number Format Error", "The field " + text +
                                           " has illegal embedded blanks. \n"
                                           "Please click OK and correct this entry before continuing"};
    case Box::None:
        break;
    }
    return {};
}

// Allowances beyond the four the editors use.
constexpr Allowances kNoTrailingBlanks{.sign = true, .leadingBlanks = true, .point = true};
constexpr Allowances kSignOnly{.sign = true};

struct Row {
    const char* text;
    Allowances allowed;
    bool passes;
    Box box;
};

// clang-format off
const Row kRows[] = {
    // text          allowed             passes box
    {"",             kDigitsOnly,        true,  Box::None},   // an empty field passes every variant
    {"1234",         kDigitsOnly,        true,  Box::None},
    {"  12",         kDigitsOnly,        false, Box::Format}, // an SSN of 12 after "%4.4s"
    {"12a",          kDigitsOnly,        false, Box::Format},
    {"   ",          kDigitsOnly,        false, Box::Format},
    {"   ",          kUnsignedInteger,   true,  Box::None},   // blanks only pass wherever leading blanks may stand
    {"   ",          kUnsignedDecimal,   true,  Box::None},
    {"   ",          kSignedDecimal,     true,  Box::None},
    {"5.",           kUnsignedInteger,   false, Box::Format},
    {".",            kUnsignedInteger,   false, Box::Format},
    {".",            kUnsignedDecimal,   true,  Box::None},
    {"-",            kSignedDecimal,     true,  Box::None},
    {"12 3",         kUnsignedDecimal,   false, Box::Blanks}, // embedded blank read as trailing
    {"12 3",         kNoTrailingBlanks,  false, Box::Format}, // no trailing blanks: a format error
    {"12 3",         kUnsignedInteger,   false, Box::Blanks},
    {"45. 5",        kSignedDecimal,     false, Box::Blanks},
    {"45.5 ",        kNoTrailingBlanks,  false, Box::Format},
    {"45.5\t",       kSignedDecimal,     false, Box::Format}, // a tab is not a blank
    {"+ 5",          kSignedDecimal,     true,  Box::None},   // blanks may follow the sign
    {"+ 5",          kSignOnly,          false, Box::Format},
    {"  -  12.5  ",  kSignedDecimal,     true,  Box::None},
    {"--1",          kSignedDecimal,     false, Box::Format},
    {"1-",           kSignedDecimal,     false, Box::Format},
    {"1 -",          kSignedDecimal,     false, Box::Blanks},
    {"1.2.3",        kSignedDecimal,     false, Box::Format}, // a second point
    {"5.",           kSignedDecimal,     true,  Box::None},
    {".5 ",          kSignedDecimal,     true,  Box::None},
    {"100%s",        kSignedDecimal,     false, Box::Format}, // the entry is quoted, never taken as a format
};
// clang-format on

TEST(NumberFormatCheck, FollowsTheStateTable) {
    for (const Row& row : kRows) {
        bool passes = !row.passes;
        const std::string failure = testing::playRow(expectedBox(row.box, row.text), [&](ui::Toolkit& toolkit) {
            passes = row.allowed == kSignedDecimal ? checkSignedDecimal(toolkit, row.text)
                                                   : checkNumberFormat(toolkit, row.text, row.allowed);
        });
        EXPECT_EQ(failure, "") << "input \"" << row.text << "\"";
        EXPECT_EQ(passes, row.passes) << "input \"" << row.text << "\"";
    }
}

} // namespace
} // namespace ardel::validate
