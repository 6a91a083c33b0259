#include "editors/rec27/Form_Rec27.h"

#include "editors/rec27/Form_Rec27Decl.h"
#include "editors/rec27/Humidity.h"
#include "editors/rec27/OccupationEntry.h"
#include "ui/Text.h"
#include "utilities/Defaults.h"
#include "validate/Validators.h"

#include <algorithm>
#include <map>
#include <utility>

namespace ardel {

namespace rec27 {

// A number field: what its typing rule lets pass without a beep besides digits,
// and how it is checked and laid out when it is left.
struct NumberField {
    const char* box;
    const char* admitted;
    validate::Allowances allowed;
    validate::DecimalLayout layout;
};

} // namespace rec27

namespace {

using rec27::NumberField;

using namespace rec27::entry;

// clang-format off
constexpr NumberField kNumberFields[] = {
    {kAntennaHeight, " +-.", validate::kSignedDecimal,   validate::kAntennaHeightLayout},
    {kDryBulb,       " +-.", validate::kSignedDecimal,   validate::kTemperatureLayout},
    {kWetBulb,       " +-.", validate::kSignedDecimal,   validate::kTemperatureLayout},
    {kPressure,      " .",   validate::kUnsignedDecimal, validate::kPressureLayout},
    {kHumidity,      " .",   validate::kUnsignedDecimal, validate::kHumidityLayout},
};

// The list each default of a new entry selects in, in the order they are looked up.
struct ListDefault {
    const char* key;
    const char* list;
};

constexpr ListDefault kListDefaults[] = {
    {"Dry Bulb Temperature Code",          kDryCode},
    {"Wet Bulb Temperature Code",          kWetCode},
    {"Barometric Pressure Code",           kPressureCode},
    {"Weather Code Problem Indicator",     kProblem},
    {"Weather Code Visibility Indicator",  kVisibility},
    {"Weather Code Temperature Indicator", kTemperature},
    {"Weather Code Cloud Cover Indicator", kCloudCover},
    {"Weather Code Wind Indicator",        kWind},
};

// A humidity input that must be given before the computation, with its refusal.
struct RequiredText {
    const char* box;
    const char* emptyLayout; // the text of the field left empty
    const char* message;
};

constexpr RequiredText kRequiredTexts[] = {
    {kDryBulb,  "   .",  "Cannot Compute Humidity. Dry Bulb Temperature must be given."},
    {kWetBulb,  "   .",  "Cannot Compute Humidity. Wet Bulb Temperature must be given."},
    {kPressure, "    .", "Cannot Compute Humidity. Barometric Pressure must be given."},
};

struct RequiredCode {
    const char* list;
    const char* message;
};

constexpr RequiredCode kRequiredCodes[] = {
    {kDryCode,      "Cannot Compute Humidity. Dry Bulb Temperature Code must be given."},
    {kWetCode,      "Cannot Compute Humidity. Wet Bulb Temperature Code must be given."},
    {kPressureCode, "Cannot Compute Humidity. Barometric Pressure Code must be given."},
};
// clang-format on

constexpr const char* kComputeCaption = "Error";
constexpr char kPoint = '.';

// A date or time box that is filled must hold a real instant of the day.
struct InstantField {
    const char* box;
    bool (*valid)(const std::string& value);
    const char* caption;
    const char* message; // %s: the box's value
};

bool allDigits(const std::string& text, std::size_t length) {
    return text.size() == length && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(const std::string& text, std::size_t from, std::size_t width) {
    return std::stoi(text.substr(from, width));
}

// YYMMDD with a month 1-12 and a day of that month; the century is unknown here,
// so 29 February is always admitted.
bool validDate(const std::string& date) {
    constexpr int kMonthLengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (!allDigits(date, 6)) {
        return false;
    }
    const int month = number(date, 2, 2);
    const int day = number(date, 4, 2);
    return month >= 1 && month <= 12 && day >= 1 && day <= kMonthLengths[month - 1];
}

// HHMM with an hour 0-23 and a minute 0-59.
bool validTime(const std::string& time) {
    return allDigits(time, 4) && number(time, 0, 2) <= 23 && number(time, 2, 2) <= 59;
}

constexpr InstantField kInstantFields[] = {
    {kDate, validDate, "Date Error",
     "The UTC date %s is not a valid date (YYMMDD). \nPlease correct it before saving."},
    {kTime, validTime, "Time Error", "The UTC time %s is not a valid time (HHMM). \nPlease correct it before saving."},
};

std::string cut(const std::string& text, std::size_t from, std::size_t width) {
    std::string part = from < text.size() ? text.substr(from, width) : std::string();
    part.resize(width, ' ');
    return part;
}

bool isList(ui::Control& control) {
    return control.decl().kind == ui::ControlKind::DropDownList;
}

} // namespace

Form_Rec27::Form_Rec27(ui::Toolkit& toolkit) : toolkit_(toolkit), form_(toolkit.createForm(formRec27Decl())) {
    bindEvents();
}

Form_Rec27::~Form_Rec27() = default;

void Form_Rec27::bindEvents() {
    for (const NumberField& field : kNumberFields) {
        bindNumberField(field);
    }
    form_->textBox(kDryBulb).events.focusGained = [this] { form_->textBox(kDryBulb).selectAll(); };
    form_->button("cb_Compute").events.clicked = [this] { computeHumidity(); };
    form_->button("cb_OK").events.clicked = [this] { save(); };
    form_->button("cb_Cancel").events.clicked = [this] { form_->done(ui::kCancelled); };
}

void Form_Rec27::bindNumberField(const NumberField& field) {
    ui::ControlEvents& events = form_->textBox(field.box).events;
    events.textChanged = [this, &field] { beepOnTyping(field); };
    events.focusLost = [this, &field] { layOutOnLeaving(field); };
}

int Form_Rec27::run(std::string& entry, const TextStore& defaults) {
    open(entry, defaults);
    if (form_->exec() != ui::kAccepted) {
        return ui::kCancelled;
    }
    entry = saved_;
    return ui::kAccepted;
}

// Every showing starts from its entry alone: the fields of the last one are cleared.
void Form_Rec27::open(const std::string& entry, const TextStore& defaults) {
    opening_ = true;
    clearFields();
    if (entry.empty()) {
        selectDefaults(defaults);
    } else {
        fillFields(entry);
    }
    opening_ = false;
    form_->control(kDate).setFocus();
}

void Form_Rec27::clearFields() {
    for (const EntryPart& part : kEntryLayout) {
        ui::Control& control = form_->control(part.control);
        if (isList(control)) {
            form_->comboBox(part.control).setSelectedIndex(-1);
        } else {
            form_->textBox(part.control).setText("");
        }
    }
}

void Form_Rec27::selectDefaults(const TextStore& defaults) {
    for (const ListDefault& list : kListDefaults) {
        selectDefault(form_->comboBox(list.list), defaults, list.key);
    }
}

// The inverse of Save: each text is rebuilt with every part where Save takes it
// from and a point in each gap ("  5" and "3" give "  5.3"), trailing blanks
// removed, so that a measurement stored as blanks reads as the empty field's
// layout. The antenna height keeps its blank millimetres: laid out again on leaving,
// it would otherwise be filled with zeros. Each list selects the first item that
// begins with its code.
void Form_Rec27::fillFields(const std::string& entry) {
    std::map<std::string, std::string> texts;
    std::size_t offset = 0;
    for (const EntryPart& part : kEntryLayout) {
        const std::string stored = cut(entry, offset, part.width);
        offset += part.width;
        if (isList(form_->control(part.control))) {
            form_->comboBox(part.control).selectPrefix(stored);
            continue;
        }
        std::string& text = texts[part.control];
        text.resize(part.from, kPoint);
        text += stored;
    }
    for (const auto& [box, text] : texts) {
        setField(box, box == kAntennaHeight ? text : ui::trimRight(text));
    }
}

void Form_Rec27::setField(const std::string& box, const std::string& text) {
    const bool wasOpening = std::exchange(opening_, true);
    form_->textBox(box).setText(text);
    opening_ = wasOpening;
}

// A character that no number has beeps; the text keeps it.
void Form_Rec27::beepOnTyping(const NumberField& field) {
    const std::string text = form_->textBox(field.box).text();
    if (opening_ || text.empty()) {
        return;
    }
    const char last = text.back();
    if ((last < '0' || last > '9') && std::string_view(field.admitted).find(last) == std::string_view::npos) {
        toolkit_.beep();
    }
}

void Form_Rec27::layOutOnLeaving(const NumberField& field) {
    const std::string text = form_->textBox(field.box).text();
    if (const auto laidOut = validate::layOutNumber(toolkit_, text, field.allowed, field.layout)) {
        setField(field.box, *laidOut);
    }
}

void Form_Rec27::computeHumidity() {
    if (!humidityInputsGiven()) {
        return;
    }
    const std::string pressureItem = valueOf(kPressureCode);
    const Psychrometer reading{
        .dryBulb = measurementValue(form_->textBox(kDryBulb).text()),
        .dryCode = valueOf(kDryCode).front(),
        .wetBulb = measurementValue(form_->textBox(kWetBulb).text()),
        .wetCode = valueOf(kWetCode).front(),
        .pressure = measurementValue(form_->textBox(kPressure).text()),
        .pressureCode = std::string_view(pressureItem).substr(0, 2),
    };
    setField(kHumidity, humidityText(relativeHumidity(reading)));
}

bool Form_Rec27::humidityInputsGiven() {
    for (const RequiredText& required : kRequiredTexts) {
        const std::string text = form_->textBox(required.box).text();
        if (text.empty() || text == required.emptyLayout) {
            toolkit_.messageBox(kComputeCaption, required.message, ui::Icon::Stop, ui::Buttons::OK);
            return false;
        }
    }
    for (const RequiredCode& required : kRequiredCodes) {
        if (form_->comboBox(required.list).selectedIndex() < 0) {
            toolkit_.messageBox(kComputeCaption, required.message, ui::Icon::Stop, ui::Buttons::OK);
            return false;
        }
    }
    return true;
}

// Enter presses Save while the focus may still be in a number field: it is laid
// out first, as leaving it would, so that Enter saves what a click saves.
void Form_Rec27::save() {
    for (const NumberField& field : kNumberFields) {
        if (form_->control(field.box).hasFocus()) {
            layOutOnLeaving(field);
        }
    }
    if (!dateAndTimeValid()) {
        return;
    }
    saved_ = entryFromFields();
    form_->done(ui::kAccepted);
}

// An empty date or time is saved as blanks; one that is partly filled or names no
// real day or minute is refused, and the focus goes back to it.
bool Form_Rec27::dateAndTimeValid() {
    for (const InstantField& field : kInstantFields) {
        const std::string value = form_->textBox(field.box).text();
        if (!value.empty() && !field.valid(value)) {
            toolkit_.messageBox(field.caption, ui::format(field.message, value.c_str()), ui::Icon::Stop,
                                ui::Buttons::OK);
            form_->control(field.box).setFocus();
            return false;
        }
    }
    return true;
}

std::string Form_Rec27::valueOf(const std::string& control) {
    if (isList(form_->control(control))) {
        ui::ComboBox& list = form_->comboBox(control);
        return list.selectedIndex() >= 0 ? list.itemText(list.selectedIndex()) : std::string();
    }
    return form_->textBox(control).text();
}

std::string Form_Rec27::entryFromFields() {
    std::string entry;
    for (const EntryPart& part : kEntryLayout) {
        entry += cut(valueOf(part.control), part.from, part.width);
    }
    return entry;
}

} // namespace ardel
