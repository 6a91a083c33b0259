#include "validate/Validators.h"

#include "model/Lines.h"
#include "ui/Text.h"

#include <array>

namespace ardel::validate {

namespace {

constexpr const char* kNumericFormatError = "Numeric Format Error";
constexpr const char* kNumberFormatError = "Number Format Error";
constexpr const char* kDateFormatError = "Date Format Error";

void showError(ui::Toolkit& toolkit, const char* caption, const char* textFormat, std::string_view entry) {
    const std::string text = ui::format(textFormat, std::string(entry).c_str());
    toolkit.messageBox(caption, text, ui::Icon::Stop, ui::Buttons::OK);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ';
}
bool isSign(char c) {
    return c == '+' || c == '-';
}
bool isPoint(char c) {
    return c == '.';
}

// --- Number-format state machine ---

enum class State { Start, AfterSign, IntegerDigits, AfterPoint, TrailingBlanks, FormatError, BlankError };

// One character read in one state: each state's rules are tried in order.
State next(State state, char c, const Allowances& allowed) {
    switch (state) {
    case State::Start:
        if (isBlank(c) && allowed.leadingBlanks) {
            return State::Start;
        }
        if (isSign(c) && allowed.sign) {
            return State::AfterSign;
        }
        if (isDigit(c)) {
            return State::IntegerDigits;
        }
        return isPoint(c) && allowed.point ? State::AfterPoint : State::FormatError;
    case State::AfterSign:
        if (isBlank(c) && allowed.leadingBlanks) {
            return State::AfterSign;
        }
        if (isDigit(c)) {
            return State::IntegerDigits;
        }
        return isPoint(c) && allowed.point ? State::AfterPoint : State::FormatError;
    case State::IntegerDigits:
        if (isDigit(c)) {
            return State::IntegerDigits;
        }
        if (isPoint(c) && allowed.point) {
            return State::AfterPoint;
        }
        return isBlank(c) && allowed.trailingBlanks ? State::TrailingBlanks : State::FormatError;
    case State::AfterPoint:
        if (isDigit(c)) {
            return State::AfterPoint;
        }
        return isBlank(c) && allowed.trailingBlanks ? State::TrailingBlanks : State::FormatError;
    case State::TrailingBlanks:
        return isBlank(c) ? State::TrailingBlanks : State::BlankError;
    case State::FormatError:
    case State::BlankError:
        break;
    }
    return state;
}

// --- Coordinates ---

// Where the subfields of a laid-out coordinate stand and how far it may reach.
struct CoordinateLayout {
    std::size_t degreesWidth;
    int maxDegrees;
    const char* beyondLimitMessage;
};

constexpr CoordinateLayout kLatitude{2, 90, "Illegal Latitude %s "};
constexpr CoordinateLayout kLongitude{3, 180, "Illegal Longitude %s "};

constexpr int kMinutesPerDegree = 60;
constexpr int kSecondsPerMinute = 60;

// True when a digit other than 0 follows the first point: a fraction of a second.
bool hasFraction(std::string_view text) {
    const std::size_t point = text.find('.');
    return point != std::string_view::npos && text.find_first_of("123456789", point + 1) != std::string_view::npos;
}

bool checkCoordinate(ui::Toolkit& toolkit, std::string_view text, const CoordinateLayout& layout) {
    const std::size_t width = layout.degreesWidth;
    const int degrees = leadingInt(slice(text, 0, width));
    const int minutes = leadingInt(slice(text, width, 2));
    const int seconds = leadingInt(slice(text, width + 2, 2));
    const char* failure = nullptr;
    if (degrees < 0 || degrees > layout.maxDegrees) {
        failure = "Illegal Degrees subfield in %s ";
    } else if (minutes < 0 || minutes >= kMinutesPerDegree) {
        failure = "Illegal minutes subfield in %s ";
    } else if (seconds < 0 || seconds >= kSecondsPerMinute) {
        failure = "Illegal seconds subfield in %s ";
    } else if (degrees == layout.maxDegrees && (minutes > 0 || seconds > 0 || hasFraction(text))) {
        failure = layout.beyondLimitMessage;
    }
    if (failure) {
        showError(toolkit, kNumericFormatError, failure, text);
    }
    return failure == nullptr;
}

// --- Dates ---

constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kFebruary = 2;

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int monthLength(int year, int month) {
    const int days = kMonthLengths[static_cast<std::size_t>(month - 1)];
    return month == kFebruary && isLeapYear(year) ? days + 1 : days;
}

} // namespace

bool checkNumberFormat(ui::Toolkit& toolkit, std::string_view text, Allowances allowed) {
    State state = State::Start;
    for (char c : text) {
        state = next(state, c, allowed);
        if (state == State::FormatError) {
            showError(toolkit, kNumericFormatError,
                      "%s does not meet the format specification for this field. \n"
                      "Please click OK and correct this entry before continuing",
                      text);
            return false;
        }
        if (state == State::BlankError) {
            showError(toolkit, kNumberFormatError,
                      "The field %s has illegal embedded blanks. \n"
                      "Please click OK and correct this entry before continuing",
                      text);
            return false;
        }
    }
    return true;
}

bool checkSignedDecimal(ui::Toolkit& toolkit, std::string_view text) {
    return checkNumberFormat(toolkit, text, kSignedDecimal);
}

std::string layOutDecimal(ui::Toolkit& toolkit, std::string_view text, DecimalLayout layout) {
    std::string work(text);
    std::size_t point = work.find('.');
    if (point == std::string::npos) {
        point = work.size();
        work += '.';
    }
    const auto before = static_cast<int>(point);
    const auto after = static_cast<int>(work.size() - point - 1);
    if (before > layout.digitsBeforePoint) {
        showError(toolkit, kNumberFormatError, "The field %s has too many digits before the decimal point.", text);
        return work;
    }
    if (after > layout.totalWidth - layout.digitsBeforePoint - 1) {
        showError(toolkit, kNumberFormatError, "The field %s has too many characters after the decimal point.", text);
        return work;
    }
    std::string laidOut(static_cast<std::size_t>(layout.digitsBeforePoint - before), layout.leftFill);
    laidOut += work;
    if (layout.fillRight) {
        laidOut.resize(static_cast<std::size_t>(layout.totalWidth), layout.rightFill);
    }
    return laidOut;
}

std::optional<std::string> layOutNumber(ui::Toolkit& toolkit, std::string_view text, Allowances allowed,
                                        DecimalLayout layout) {
    if (!checkNumberFormat(toolkit, text, allowed)) {
        return std::nullopt;
    }
    return layOutDecimal(toolkit, text, layout);
}

std::string zeroFillField(ui::Toolkit& toolkit, std::string_view text, int width, char fill) {
    if (static_cast<int>(text.size()) > width) {
        showError(toolkit, kNumberFormatError, "The field %s has too many characters.", text);
        return std::string(text);
    }
    const bool hasSign = !text.empty() && isSign(text.front());
    std::string filled = hasSign ? std::string(1, text.front()) : std::string();
    filled.append(static_cast<std::size_t>(width) - text.size(), fill);
    filled += text.substr(hasSign ? 1 : 0);
    return filled;
}

bool checkLatitude(ui::Toolkit& toolkit, std::string_view text) {
    return checkCoordinate(toolkit, text, kLatitude);
}

bool checkLongitude(ui::Toolkit& toolkit, std::string_view text) {
    return checkCoordinate(toolkit, text, kLongitude);
}

bool checkDate(ui::Toolkit& toolkit, std::string_view text, DateLayout layout) {
    const int year = leadingInt(slice(text, 0, 4));
    const int month = leadingInt(slice(text, 4, 2));
    if (month < 1 || month > static_cast<int>(kMonthLengths.size())) {
        showError(toolkit, kDateFormatError, "Illegal Month subfield in %s ", text);
        return false;
    }
    if (layout == DateLayout::YearMonthDay) {
        const int day = leadingInt(slice(text, 6, 2));
        if (day < 1 || day > monthLength(year, month)) {
            showError(toolkit, kDateFormatError, "Illegal day subfield in %s ", text);
            return false;
        }
    }
    return true;
}

} // namespace ardel::validate
