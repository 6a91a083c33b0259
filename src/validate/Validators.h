// The field validators every editor runs on a numeric or date entry before its
// text goes into a record body: a format check, two layout steps and the range
// checks of coordinates and dates. Each shows its own error box (stop icon, OK)
// through the toolkit, quoting the entry's text, and reports by its result; none
// keeps state. The checks only warn: callers decide what a failure stops.
//
// Character classes: digit "0"-"9"; blank = the space only (a tab is "other");
// sign "+" or "-"; point ".".
#pragma once

#include "ui/Toolkit.h"

#include <optional>
#include <string>
#include <string_view>

namespace ardel::validate {

// What a number field admits besides digits.
struct Allowances {
    bool sign = false;           // one "+" or "-" before the digits
    bool leadingBlanks = false;  // blanks before the number (and between the sign and the digits)
    bool trailingBlanks = false; // blanks after the number
    bool point = false;          // one decimal point

    bool operator==(const Allowances&) const = default;
};

// The allowances the editors use.
inline constexpr Allowances kDigitsOnly{};
inline constexpr Allowances kUnsignedInteger{.leadingBlanks = true, .trailingBlanks = true};
inline constexpr Allowances kUnsignedDecimal{.leadingBlanks = true, .trailingBlanks = true, .point = true};
inline constexpr Allowances kSignedDecimal{.sign = true, .leadingBlanks = true, .trailingBlanks = true, .point = true};

// Number-format check. Reads the text left to right: leading blanks, a sign, digits,
// a point, digits, trailing blanks, each part only where `allowed` admits it. Any
// part may be missing, so "", "-", "." and a text of blanks pass whenever their
// characters are admitted.
//   With kSignedDecimal: "12.5", " -3", "+ 5", "5.", ".5 ", "   " pass.
//   "1.2.3", "12a", "--1", "1-" fail with the format error ("%s does not meet ...");
//   "12 3" fails with the embedded-blanks error ("The field %s has illegal embedded
//   blanks. ..."). With kDigitsOnly, "  12" and "12 3" fail with the format error.
bool checkNumberFormat(ui::Toolkit& toolkit, std::string_view text, Allowances allowed);

// The number-format check with all four allowances: checkNumberFormat(text, kSignedDecimal).
bool checkSignedDecimal(ui::Toolkit& toolkit, std::string_view text);

// Where a decimal-layout step puts the point and what it fills with.
struct DecimalLayout {
    int digitsBeforePoint = 0; // characters before the point, blanks and sign included
    int totalWidth = 0;
    char leftFill = ' ';
    bool fillRight = false; // pad the result to totalWidth
    char rightFill = ' ';
};

// The layouts the editors use.
inline constexpr DecimalLayout kLatitudeLayout{.digitsBeforePoint = 6, .totalWidth = 12, .fillRight = true};
inline constexpr DecimalLayout kLongitudeLayout{.digitsBeforePoint = 7, .totalWidth = 13, .fillRight = true};
inline constexpr DecimalLayout kHeightLayout{.digitsBeforePoint = 4, .totalWidth = 8, .fillRight = true};
inline constexpr DecimalLayout kAntennaHeightLayout{
    .digitsBeforePoint = 2, .totalWidth = 6, .fillRight = true, .rightFill = '0'};
inline constexpr DecimalLayout kTemperatureLayout{.digitsBeforePoint = 3, .totalWidth = 5};
inline constexpr DecimalLayout kPressureLayout{.digitsBeforePoint = 4, .totalWidth = 7};
inline constexpr DecimalLayout kHumidityLayout{.digitsBeforePoint = 2, .totalWidth = 4};

// Decimal-layout step. Puts the text's first point (a point is appended when there
// is none) at offset digitsBeforePoint by filling on the left, then pads to
// totalWidth when fillRight is set. Expects a text that passed the format check.
//   kHeightLayout: "45.5" -> "  45.5  ", "-12" -> " -12.   ", "" -> "    .   ".
//   kAntennaHeightLayout: "1.5" -> " 1.500". kTemperatureLayout: "5" -> "  5.".
// When the text does not fit it shows "The field %s has too many digits before the
// decimal point." or "... too many characters after the decimal point." and returns
// the text with its appended point: kLatitudeLayout of "1234567" gives "1234567.".
std::string layOutDecimal(ui::Toolkit& toolkit, std::string_view text, DecimalLayout layout);

// The focus-lost step of a number field: the format check and, when it passed,
// the decimal layout. Returns the text to put back into the field (laid out, or
// as the layout step left it when it did not fit), or nothing when the format
// check failed and the field keeps its text.
//   kUnsignedDecimal, kLatitudeLayout: "394512.123" -> "394512.123  "; "39x" -> nothing.
std::optional<std::string> layOutNumber(ui::Toolkit& toolkit, std::string_view text, Allowances allowed,
                                        DecimalLayout layout);

// Zero-fill step. Right-justifies the text in `width` with `fill`, keeping a leading
// sign in front: width 2, fill "0": "5" -> "05", "" -> "00", "12" -> "12";
// width 3: "-5" -> "-05". A text longer than width shows "The field %s has too
// many characters." and comes back unchanged: "123" stays "123".
std::string zeroFillField(ui::Toolkit& toolkit, std::string_view text, int width, char fill);

// Latitude check of a laid-out DDMMSS.sssss (kLatitudeLayout): degrees 0-90,
// minutes and seconds 0-59, nothing beyond 90 degrees. Subfields are read as C's
// atoi reads them, so blanks count as leading blanks and a missing subfield is 0.
//   Pass: "394512.123  ", "  4512.     ", "900000.00000", "895959.99999".
//   Fail: "910000." (degrees), "896000." (minutes), "895960." (seconds),
//   "900001.00000" and "900000.00001" ("Illegal Latitude %s ").
bool checkLatitude(ui::Toolkit& toolkit, std::string_view text);

// Longitude check of a laid-out DDDMMSS.sssss (kLongitudeLayout): degrees 0-180,
// minutes and seconds 0-59, nothing beyond 180 degrees.
//   Pass: "1800000.00000", "0771530.5    ". Fail: "1810000." (degrees), "1796000."
//   (minutes), "1795960.00000" (seconds), "1800100." ("Illegal Longitude %s ").
bool checkLongitude(ui::Toolkit& toolkit, std::string_view text);

enum class DateLayout {
    YearMonthDay = 2, // CCYYMMDD
    YearMonth = 3,    // CCYYMM
};

// Date check: month 1-12 and, for YearMonthDay, a day within the month, February
// having 29 days in a Gregorian leap year. The year is not limited.
//   YearMonthDay: "20000229" passes; "19000229" fails on the day, "20001300" on the
//   month, "2000" on the month (a missing subfield is 0).
//   YearMonth: "200012" passes, "200013" and "200000" fail on the month.
bool checkDate(ui::Toolkit& toolkit, std::string_view text, DateLayout layout);

} // namespace ardel::validate
