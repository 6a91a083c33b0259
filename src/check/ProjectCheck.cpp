// The rules come from the editors: their declarations give the list codes, their
// record layouts the columns, and the field validators decide what is laid out and
// in range. The validators are run on a toolkit that shows nothing and keeps the
// text of the box they would have shown, which becomes the problem's text.
#include "check/ProjectCheck.h"

#include "bfile/HeaderLayout.h"
#include "editors/antenna/AntennaCodes.h"
#include "editors/equipment/EquipmentFields.h"
#include "editors/equipment/FormEquipmentDecl.h"
#include "editors/header/FormHeaderInfoDecl.h"
#include "editors/rec27/Form_Rec27Decl.h"
#include "editors/rec27/OccupationEntry.h"
#include "editors/session/CenturyRule.h"
#include "editors/session/Form_SessionDecl.h"
#include "editors/station/Form_StationDecl.h"
#include "editors/station/StationLayout.h"
#include "ui/Text.h"
#include "validate/Validators.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <unordered_set>

namespace ardel::check {

namespace {

// A body offset is this far from its B-file column.
constexpr int kBodyColumn = 11;
// Where the occupation entry begins in the *27* body, after the SSN.
constexpr std::size_t kEntryInBody = kSsnWidth;
constexpr int kWholeRecord = 1;
constexpr int kHoursPerDay = 24, kMinutesPerHour = 60;

// Runs the validators without showing anything; remembers the first line of the text
// of the last box they would have shown.
class QuietToolkit : public ui::Toolkit {
public:
    std::unique_ptr<ui::Form> createForm(const ui::FormDecl&) override {
        throw std::logic_error("the project check shows no form");
    }
    ui::Answer messageBox(const std::string&, const std::string& text, ui::Icon, ui::Buttons) override {
        said_ = text.substr(0, text.find('\n'));
        said_.erase(said_.find_last_not_of(' ') + 1);
        return ui::Answer::OK;
    }
    std::optional<std::string> openFileDialog(const ui::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFileDialog(const ui::FileDialogRequest&) override { return std::nullopt; }
    std::vector<std::string> openFilesDialog(const ui::FileDialogRequest&) override { return {}; }
    std::unique_ptr<ui::Progress> createProgress(const std::string&, const std::string&, int) override {
        return std::make_unique<ui::NoProgress>();
    }
    ui::Settings& settings() override { throw std::logic_error("the project check keeps no settings"); }
    std::string dataFolder() override { throw std::logic_error("the project check keeps no data"); }
    std::unique_ptr<ui::Timer> createTimer(std::function<void()>) override {
        throw std::logic_error("the project check runs no timer");
    }
    void showHelp(const std::string&) override { throw std::logic_error("the project check shows no help"); }
    void beep() override {}
    void setBusy(bool) override {}
    int run() override { return 0; }
    void quit(int) override {}

    const std::string& said() const { return said_; }

private:
    std::string said_;
};

// The text at [offset, offset + width), cut at its end.
std::string_view within(std::string_view text, std::size_t offset, std::size_t width = std::string_view::npos) {
    return offset >= text.size() ? std::string_view() : text.substr(offset, width);
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// The number of the two digits at `at`.
int twoDigits(std::string_view digits, std::size_t at) {
    return (digits[at] - '0') * 10 + (digits[at + 1] - '0');
}

bool isDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The codes of a declared drop-down: the first `width` characters of each item. A
// list that admits typing (DropDownEdit) only warns about a code it does not offer.
struct CodeList {
    std::vector<std::string> codes; // sorted
    Severity unknown = Severity::Error;

    bool has(std::string_view code) const {
        if (code.size() == 1) {
            return oneCharacter_[static_cast<unsigned char>(code[0])];
        }
        const auto found = std::lower_bound(codes.begin(), codes.end(), code,
                                            [](const std::string& a, std::string_view b) { return a < b; });
        return found != codes.end() && *found == code;
    }
    void add(std::string code) {
        if (code.size() == 1) {
            oneCharacter_[static_cast<unsigned char>(code[0])] = true;
        }
        codes.insert(std::upper_bound(codes.begin(), codes.end(), code), std::move(code));
    }

private:
    std::array<bool, 256> oneCharacter_{}; // most lists have codes of one character: looked up by it
};

CodeList codeList(const ui::FormDecl& form, const char* list, std::size_t width) {
    const ui::ControlDecl* decl = ui::findControl(form, list);
    if (!decl) {
        throw std::logic_error(std::string("no list ") + list + " in " + form.name);
    }
    CodeList codes;
    for (const std::string& item : decl->items) {
        codes.add(fit(item, width));
    }
    codes.unknown = decl->kind == ui::ControlKind::DropDownEdit ? Severity::Warning : Severity::Error;
    return codes;
}

// Every list the rules look codes up in, built once.
struct Lists {
    CodeList typeOfSurvey = codeList(formHeaderInfoDecl(), "combo_TypeOfSurvey", 1);
    CodeList orderAndClass = codeList(formHeaderInfoDecl(), "combo_OrderAndClass", 2);
    CodeList latitudeCode = codeList(formStationDecl(), "combo_LatitudeCode", 1);
    CodeList longitudeCode = codeList(formStationDecl(), "combo_LongitudeCode", 1);
    CodeList stationOrder = codeList(formStationDecl(), "combo_StationOrder", 1);
    CodeList stationType = codeList(formStationDecl(), "combo_StationType", 1);
    CodeList orthometricCode = codeList(formStationDecl(), "combo_OrthometricHeightCode", 1);
    CodeList orthometricDatum = codeList(formStationDecl(), "combo_OrthometricHeightDatum", 2);
    CodeList ellipsoidalCode = codeList(formStationDecl(), "combo_EllipsoidalHeightCode", 1);
    CodeList ellipsoidalDatum = codeList(formStationDecl(), "combo_EllipsoidalHeightDatum", 1);
    CodeList equipment = codeList(formEquipmentDecl(), "combo_EquipmentCode", kEquipmentCodeWidth);
    CodeList antenna = antennaCodes();
    CodeList manufacturer = codeList(formSessionDecl(), "combo_manufacturer", 1);
    CodeList dryCode = codeList(formRec27Decl(), rec27::entry::kDryCode, 1);
    CodeList wetCode = codeList(formRec27Decl(), rec27::entry::kWetCode, 1);
    CodeList pressureCode = codeList(formRec27Decl(), rec27::entry::kPressureCode, 2);
    std::vector<CodeList> indicators = weatherIndicators();

    // The antenna editor accepts typed codes: an unknown one is a warning.
    static CodeList antennaCodes() {
        CodeList codes;
        for (const std::string& item : antennaCodeItems()) {
            codes.add(fit(item, kAntennaCodeWidth));
        }
        codes.unknown = Severity::Warning;
        return codes;
    }
    static std::vector<CodeList> weatherIndicators() {
        std::vector<CodeList> lists;
        for (const char* list : rec27::entry::kWeatherIndicators) {
            lists.push_back(codeList(formRec27Decl(), list, 1));
        }
        return lists;
    }
};

const Lists& lists() {
    static const Lists built;
    return built;
}

// The column of a header field in its record.
int headerColumn(std::string FormHeaderInfoFDXStruct::*member) {
    auto find = [member](const HeaderField* first, const HeaderField* last) {
        const HeaderField* found =
            std::find_if(first, last, [member](const HeaderField& f) { return f.field == member; });
        return found == last ? 0 : static_cast<int>(found->offset) + 1;
    };
    if (int column = find(std::begin(kFirstLineFields), std::end(kFirstLineFields))) {
        return column;
    }
    if (int column = find(std::begin(kFields12), std::end(kFields12))) {
        return column;
    }
    return find(std::begin(kFields13), std::end(kFields13));
}

int bodyColumn(std::size_t offset) {
    return static_cast<int>(offset) + kBodyColumn;
}

// A laid-out number kept in a body without its point: the whole part and the decimals
// put together again as the editor's field held them ("  4512" "     " -> "  4512.     ").
class WithPoint {
public:
    WithPoint(std::string_view body, std::size_t whole, std::size_t wholeWidth, std::size_t decimals,
              std::size_t decimalsWidth) {
        put(within(body, whole, wholeWidth), wholeWidth);
        text_[size_++] = '.';
        put(within(body, decimals, decimalsWidth), decimalsWidth);
    }
    std::string_view text() const { return {text_.data(), size_}; }

private:
    void put(std::string_view part, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) {
            text_[size_++] = i < part.size() ? part[i] : ' ';
        }
    }

    std::array<char, 16> text_{}; // the widest is a longitude: 7 + 1 + 5
    std::size_t size_ = 0;
};

// A session line's packed session, read in place: the packed session's layout without
// copying its texts.
struct SessionView {
    std::string_view part; // the *25* part, 25 characters
    int commentCount = 0;
    int occupationCount = 0;
    std::string_view occupations;

    explicit SessionView(std::string_view line) {
        using namespace packed_session;
        const std::string_view packed = within(line, session_line::kPrefixWidth);
        part = within(packed, 0, kPartWidth);
        if (part.size() < kPartWidth) {
            padded_ = fit(part, kPartWidth);
            part = padded_;
        }
        commentCount = leadingInt(within(packed, kCommentCount, 4));
        occupationCount = leadingInt(within(packed, kOccupationCount, 4));
        const std::size_t comments =
            commentCount < 1 ? 0 : (kCommentWidth + 2) * static_cast<std::size_t>(commentCount) - 2;
        occupations = within(packed, kTexts + comments);
    }
    // Occupation entry i, 41 characters; `padded` keeps the blank-padded copy of an entry
    // that the text ends early.
    std::string_view occupation(int i, std::string& padded) const {
        const std::string_view entry =
            within(occupations, packed_session::kOccupationWidth * static_cast<std::size_t>(i),
                   packed_session::kOccupationWidth);
        if (entry.size() == packed_session::kOccupationWidth) {
            return entry;
        }
        padded = fit(entry, packed_session::kOccupationWidth);
        return padded;
    }

    SessionView(const SessionView&) = delete;
    SessionView& operator=(const SessionView&) = delete;

private:
    std::string padded_; // the *25* part of a packed session that ends early
};

// The fields of an occupation entry, where the occupation record editor puts them.
constexpr std::size_t kDateAt = rec27::entry::offsetOf(rec27::entry::kDate);
constexpr std::size_t kTimeAt = rec27::entry::offsetOf(rec27::entry::kTime);
constexpr std::array<std::size_t, std::size(rec27::entry::kWeatherIndicators)> kIndicatorsAt = [] {
    std::array<std::size_t, std::size(rec27::entry::kWeatherIndicators)> at{};
    for (std::size_t i = 0; i < at.size(); ++i) {
        at[i] = rec27::entry::offsetOf(rec27::entry::kWeatherIndicators[i]);
    }
    return at;
}();

int occupationColumn(std::size_t entryOffset) {
    return bodyColumn(kEntryInBody + entryOffset);
}

// A number of the entry kept without its point: its whole part and, after the point
// the editor's field has, its decimals.
struct Measurement {
    std::size_t at, whole, decimalsAt, decimals;
    validate::Allowances allowed;
    const char* field;

    constexpr Measurement(const char* control, validate::Allowances allowances, const char* name)
        : at(rec27::entry::offsetOf(control)), whole(rec27::entry::widthOf(control)),
          decimalsAt(rec27::entry::offsetOf(control, whole + 1)), decimals(rec27::entry::widthOf(control, whole + 1)),
          allowed(allowances), field(name) {}
};

constexpr Measurement kMeasurements[] = {
    {rec27::entry::kAntennaHeight, validate::kSignedDecimal, "antenna height"},
    {rec27::entry::kDryBulb, validate::kSignedDecimal, "dry bulb temperature"},
    {rec27::entry::kWetBulb, validate::kSignedDecimal, "wet bulb temperature"},
    // Laid out without a sign in XX.x, a humidity is within 0 to 100 once it passes.
    {rec27::entry::kHumidity, validate::kUnsignedDecimal, "relative humidity"},
    {rec27::entry::kPressure, validate::kUnsignedDecimal, "barometric pressure"},
};

// The code of a measurement: it may be blank when the measurement is.
struct MeasurementCode {
    std::size_t at, width;
    CodeList Lists::*list;
    const char* field;
    const Measurement& measurement;

    constexpr MeasurementCode(const char* control, CodeList Lists::*codes, const char* name, const Measurement& of)
        : at(rec27::entry::offsetOf(control)), width(rec27::entry::widthOf(control)), list(codes), field(name),
          measurement(of) {}
};

constexpr MeasurementCode kMeasurementCodes[] = {
    {rec27::entry::kDryCode, &Lists::dryCode, "dry bulb temperature code", kMeasurements[1]},
    {rec27::entry::kWetCode, &Lists::wetCode, "wet bulb temperature code", kMeasurements[2]},
    {rec27::entry::kPressureCode, &Lists::pressureCode, "barometric pressure code", kMeasurements[4]},
};

// One run of the check over one project.
class Checker {
public:
    Checker(const Project& project, const RecordLines& lines, ProblemList& problems)
        : project_(project), lines_(lines), problems_(problems) {
        indexKeys();
    }

    void run();

private:
    // Where the problems being found go: the record, its line and what opens it.
    struct Target {
        long line;
        std::string record;
        std::string key;
        Place place;
        int index;
    };

    void add(Severity severity, int column, std::string field, std::string text);
    // When the validator refused (false), adds its text as an error and returns true.
    bool refused(bool passed, int column, const char* field);
    void checkCode(const CodeList& list, std::string_view code, int column, const char* field, bool blankAllowed);

    void indexKeys();
    void checkHeader();
    void checkDates();
    void checkSessions();
    void checkSession(int index, long line);
    void checkMediaId(const SessionView& session, int station);
    void checkOccupation(std::string_view entry);
    // The century rule's date of an occupation dated YYMMDD; the last one is kept, since the
    // occupations of a session mostly share their date.
    std::optional<century::CalendarDate> observation(std::string_view yymmdd);
    void checkInstruments();
    void checkAntennas();
    void checkStations();
    void checkStation(std::string_view body);
    void checkHeights();
    void checkHeightsBody(std::string_view body);

    static long lineAt(const std::vector<long>& lines, int index) {
        const auto at = static_cast<std::size_t>(index);
        return at < lines.size() ? lines[at] : 0;
    }

    const Project& project_;
    const RecordLines& lines_;
    const Lists& lists_ = lists();
    QuietToolkit quiet_;
    Target target_{};
    ProblemList& problems_;
    std::unordered_set<std::string> stationsWithSessions_;
    std::unordered_set<std::string> usedInstruments_, usedAntennas_;
    std::optional<century::CalendarDate> start_;
    int startMonth_ = 0, endMonth_ = 0; // CCYYMM as numbers
    std::string lastDate_;
    std::optional<century::CalendarDate> lastObservation_;
};

void Checker::add(Severity severity, int column, std::string field, std::string text) {
    problems_.add({.severity = severity,
                   .line = target_.line,
                   .column = column,
                   .record = target_.record,
                   .key = target_.key,
                   .field = std::move(field),
                   .text = std::move(text),
                   .place = target_.place,
                   .index = target_.index});
}

bool Checker::refused(bool passed, int column, const char* field) {
    if (!passed) {
        add(Severity::Error, column, field, std::string(field) + ": " + quiet_.said());
    }
    return !passed;
}

void Checker::checkCode(const CodeList& list, std::string_view code, int column, const char* field, bool blankAllowed) {
    if ((blankAllowed && isBlank(code)) || list.has(code)) {
        return;
    }
    add(list.unknown, column, field,
        ui::format("%s \"%s\" is not among its list's codes", field, ui::trimRight(std::string(code)).c_str()));
}

void Checker::indexKeys() {
    for (const std::string& line : project_.lb_Sessions.lines()) {
        const std::string_view packed =
            std::string_view(line).substr(std::min(line.size(), session_line::kPrefixWidth));
        stationsWithSessions_.insert(fit(within(packed, packed_session::kSsn, kSsnWidth), kSsnWidth));
        usedInstruments_.insert(fit(within(packed, packed_session::kJsin, kJsinWidth), kJsinWidth));
        usedAntennas_.insert(fit(within(packed, packed_session::kJsan, kJsanWidth), kJsanWidth));
    }
    start_ = century::projectStart(project_.header.ProjectStartDate);
    startMonth_ = leadingInt(project_.header.ProjectStartDate);
    endMonth_ = leadingInt(project_.header.ProjectEndDate);
}

void Checker::run() {
    checkHeader();
    checkSessions();
    checkInstruments();
    checkAntennas();
    checkStations();
    checkHeights();
}

// --- The header records ---

void Checker::checkHeader() {
    using H = FormHeaderInfoFDXStruct;
    const H& header = project_.header;
    target_ = {1, "header", "", Place::Header, 0};
    const std::string& job = header.JobCode;
    if (job.empty() || job[0] < 'A' || job[0] > 'Z') {
        add(Severity::Error, headerColumn(&H::JobCode), "job code", "job code must begin with a capital letter");
    }
    const std::string& created = header.CreationDate;
    if (!isDigits(created) || created.size() != 8) {
        add(Severity::Error, headerColumn(&H::CreationDate), "creation date",
            "creation date \"" + created + "\" is no CCYYMMDD date");
    } else {
        refused(validate::checkDate(quiet_, created, validate::DateLayout::YearMonthDay),
                headerColumn(&H::CreationDate), "creation date");
    }
    checkDates();
    target_ = {lines_.datum ? lines_.datum : 1, "*13*", "", Place::Header, 0};
    if (!isBlank(header.DatumName) && isBlank(header.EllipsoidName)) {
        add(Severity::Error, headerColumn(&H::EllipsoidName), "ellipsoid name",
            "datum \"" + ui::trimRight(header.DatumName) + "\" has no ellipsoid name");
    }
}

// The project's start and end months, the survey method and the order and class (*12*).
void Checker::checkDates() {
    using H = FormHeaderInfoFDXStruct;
    const H& header = project_.header;
    target_ = {lines_.project ? lines_.project : 1, "*12*", "", Place::Header, 0};
    bool valid = true;
    for (const auto& [member, field] :
         {std::pair{&H::ProjectStartDate, "project start date"}, std::pair{&H::ProjectEndDate, "project end date"}}) {
        const std::string& month = header.*member;
        if (!isDigits(month) || month.size() != 6) {
            add(Severity::Error, headerColumn(member), field,
                std::string(field) + " \"" + month + "\" is no CCYYMM month");
            valid = false;
        } else if (refused(validate::checkDate(quiet_, month, validate::DateLayout::YearMonth), headerColumn(member),
                           field)) {
            valid = false;
        }
    }
    if (valid && header.ProjectStartDate > header.ProjectEndDate) {
        add(Severity::Error, headerColumn(&H::ProjectEndDate), "project end date",
            "project end date " + header.ProjectEndDate + " is before its start " + header.ProjectStartDate);
    }
    checkCode(lists_.typeOfSurvey, slice(header.TypeOfSurvey, 0, 1), headerColumn(&H::TypeOfSurvey), "survey method",
              false);
    checkCode(lists_.orderAndClass, fit(within(header.OrderAndClass, 0, 2), 2), headerColumn(&H::OrderAndClass),
              "order and class", false);
}

// --- Sessions: *25*, their *26* and *27* ---

void Checker::checkSessions() {
    const TextStore& sessions = project_.lb_Sessions;
    for (int i = 0; i < sessions.count(); ++i) {
        checkSession(i, lineAt(lines_.sessions, i));
    }
}

void Checker::checkSession(int index, long line) {
    using namespace packed_session;
    const SessionView session(project_.lb_Sessions.at(index));
    const std::string_view part = session.part;
    target_ = {line, "*25*", fit(within(part, kSsn, kSsnWidth), kSsnWidth), Place::Session, index};
    const int station = project_.lb_Stations.find(target_.key);
    if (station < 0) {
        add(Severity::Error, bodyColumn(kSsn), "SSN", "station " + target_.key + " has no *80* record");
    }
    const std::string_view jsin = within(part, kJsin, kJsinWidth);
    if (project_.lb_Instruments.find(jsin) < 0) {
        add(Severity::Error, bodyColumn(kJsin), "JSIN", "instrument " + std::string(jsin) + " has no *70* record");
    }
    const std::string_view jsan = within(part, kJsan, kJsanWidth);
    if (project_.lb_Antennas.find(jsan) < 0) {
        add(Severity::Error, bodyColumn(kJsan), "JSAN", "antenna " + std::string(jsan) + " has no *72* record");
    }
    if (session.occupationCount < 2) {
        add(Severity::Warning, kWholeRecord, "",
            ui::format("the session has %d *27* record%s; the standard asks for two", session.occupationCount,
                       session.occupationCount == 1 ? "" : "s"));
    }
    checkMediaId(session, station);
    const std::string_view cable = within(part, kCableLength, kCableLengthWidth);
    if (!isBlank(cable) && !isDigits(cable)) {
        add(Severity::Error, bodyColumn(kCableLength), "cable length",
            "cable length \"" + std::string(cable) + "\" is neither two digits nor blank");
    }
    const long read = lineAt(lines_.occupations, index);
    const long firstOccupation = read ? read : line ? line + std::max(session.commentCount, 0) + 1 : 0;
    target_.record = "*27*";
    for (int i = 0; i < session.occupationCount; ++i) {
        target_.line = firstOccupation ? firstOccupation + i : 0;
        std::string padded;
        checkOccupation(session.occupation(i, padded));
    }
}

// Manufacturer code, day of year and year digit of the first occupation by the century
// rule, and the station's 4-character ID.
void Checker::checkMediaId(const SessionView& session, int station) {
    using namespace packed_session;
    const std::string_view part = session.part;
    checkCode(lists_.manufacturer, within(part, kManufacturer, 1), bodyColumn(kManufacturer), "manufacturer code",
              false);
    if (session.occupationCount > 0) {
        std::string padded;
        const auto date = observation(within(session.occupation(0, padded), 0, 6));
        if (date) {
            const int day = century::dayOfYear(*date);
            const std::string expected{static_cast<char>('0' + day / 100), static_cast<char>('0' + day / 10 % 10),
                                       static_cast<char>('0' + day % 10), static_cast<char>('0' + date->year % 10)};
            const std::string_view given = within(part, kDayOfYear, kDayOfYearWidth + 1);
            if (given != expected) {
                add(Severity::Error, bodyColumn(kDayOfYear), "media identifier",
                    "day of year and year digit \"" + std::string(given) + "\" should be \"" + expected +
                        "\" for the first occupation");
            }
        }
    }
    if (station >= 0) {
        const std::string stationId =
            fit(within(project_.lb_Stations.at(station), station_line::kId, kIdWidth), kIdWidth);
        const std::string_view id = within(part, kId, kIdWidth);
        // A station without an ID takes the first one its sessions name when the file is read again.
        if (id != stationId && !isBlank(stationId)) {
            add(Severity::Warning, bodyColumn(kId), "4-character ID",
                "4-character ID \"" + std::string(id) + "\" differs from the station's \"" + stationId + "\"");
        }
    }
}

std::optional<century::CalendarDate> Checker::observation(std::string_view yymmdd) {
    if (yymmdd != lastDate_) {
        lastDate_ = yymmdd;
        lastObservation_ = century::observationDate(project_.header.ProjectStartDate, yymmdd);
    }
    return lastObservation_;
}

void Checker::checkOccupation(std::string_view entry) {
    const FormHeaderInfoFDXStruct& header = project_.header;
    const std::string_view date = within(entry, kDateAt, 6);
    const auto observed = isDigits(date) ? observation(date) : std::optional<century::CalendarDate>();
    if (!isDigits(date) || (start_ && !observed)) {
        add(Severity::Error, occupationColumn(kDateAt), "date",
            "date \"" + std::string(date) + "\" is no valid YYMMDD date");
    } else if (observed) {
        const int month = observed->year * 100 + observed->month;
        if (month < startMonth_ || month > endMonth_) {
            add(Severity::Warning, occupationColumn(kDateAt), "date",
                "date " + std::string(date) + " lies outside the project's months " + header.ProjectStartDate + " to " +
                    header.ProjectEndDate);
        }
    }
    const std::string_view time = within(entry, kTimeAt, 4);
    if (!isDigits(time) || twoDigits(time, 0) >= kHoursPerDay || twoDigits(time, 2) >= kMinutesPerHour) {
        add(Severity::Error, occupationColumn(kTimeAt), "time",
            "time \"" + std::string(time) + "\" is no valid HHMM time");
    }
    for (const Measurement& m : kMeasurements) {
        const WithPoint number(entry, m.at, m.whole, m.decimalsAt, m.decimals);
        const std::string_view text = number.text();
        refused(validate::checkNumberFormat(quiet_, text, m.allowed), occupationColumn(m.at), m.field);
    }
    for (const MeasurementCode& c : kMeasurementCodes) {
        checkCode(lists_.*(c.list), within(entry, c.at, c.width), occupationColumn(c.at), c.field,
                  isBlank(within(entry, c.measurement.at, c.measurement.whole + c.measurement.decimals)));
    }
    for (std::size_t i = 0; i < kIndicatorsAt.size(); ++i) {
        checkCode(lists_.indicators[i], within(entry, kIndicatorsAt[i], 1), occupationColumn(kIndicatorsAt[i]),
                  "weather indicator", false);
    }
}

// --- Instruments and antennas ---

void Checker::checkInstruments() {
    const TextStore& instruments = project_.lb_Instruments;
    for (int i = 0; i < instruments.count(); ++i) {
        const std::string& body = instruments.at(i);
        target_ = {lineAt(lines_.instruments, i), "*70*", fit(within(body, 0, kJsinWidth), kJsinWidth),
                   Place::Instrument, i};
        checkCode(lists_.equipment, fit(within(body, kInstrumentCodeOffset, kEquipmentCodeWidth), kEquipmentCodeWidth),
                  bodyColumn(kInstrumentCodeOffset), "equipment code", false);
        if (!usedInstruments_.count(target_.key)) {
            add(Severity::Note, kWholeRecord, "", "no session uses instrument " + target_.key);
        }
    }
}

void Checker::checkAntennas() {
    const TextStore& antennas = project_.lb_Antennas;
    for (int i = 0; i < antennas.count(); ++i) {
        const std::string& body = antennas.at(i);
        target_ = {lineAt(lines_.antennas, i), "*72*", fit(within(body, 0, kJsanWidth), kJsanWidth), Place::Antenna, i};
        checkCode(lists_.antenna, fit(within(body, kAntennaCodeOffset, kAntennaCodeWidth), kAntennaCodeWidth),
                  bodyColumn(kAntennaCodeOffset), "antenna code", false);
        if (!usedAntennas_.count(target_.key)) {
            add(Severity::Note, kWholeRecord, "", "no session uses antenna " + target_.key);
        }
    }
}

// --- Stations: *80* and *86* ---

void Checker::checkStations() {
    const TextStore& stations = project_.lb_Stations;
    for (int i = 0; i < stations.count(); ++i) {
        const std::string& line = stations.at(i);
        const std::string body =
            fit(within(line, station_line::kBody, station_line::kBodyWidth), station_line::kBodyWidth);
        target_ = {lineAt(lines_.stations, i), "*80*", fit(within(body, 0, kSsnWidth), kSsnWidth), Place::Station, i};
        checkStation(body);
        if (!stationsWithSessions_.count(target_.key)) {
            const std::string id = fit(within(line, station_line::kId, station_line::kIdWidth), station_line::kIdWidth);
            if (isBlank(id)) {
                add(Severity::Note, kWholeRecord, "", "station " + target_.key + " has no session");
            } else {
                add(Severity::Warning, kWholeRecord, "4-character ID",
                    "station " + target_.key + " has no session: its 4-character ID " + id + " will be lost");
            }
        }
    }
}

void Checker::checkStation(std::string_view body) {
    using namespace station_layout::station;
    if (!isDigits(within(body, kSsn.offset, kSsn.width)) ||
        within(body, kSsn.offset, kSsn.width).size() != kSsn.width) {
        add(Severity::Error, bodyColumn(kSsn.offset), "SSN", "SSN \"" + target_.key + "\" is not four digits");
    }
    struct Coordinate {
        station_layout::Column whole, fraction, code;
        bool (*inRange)(ui::Toolkit&, std::string_view);
        const CodeList& codes;
        const char* field;
        const char* codeField;
    };
    const Coordinate coordinates[] = {
        {kLatitude, kLatitudeFraction, kLatitudeCode, validate::checkLatitude, lists_.latitudeCode, "latitude",
         "hemisphere"},
        {kLongitude, kLongitudeFraction, kLongitudeCode, validate::checkLongitude, lists_.longitudeCode, "longitude",
         "direction of longitude"},
    };
    for (const Coordinate& c : coordinates) {
        const WithPoint number(body, c.whole.offset, c.whole.width, c.fraction.offset, c.fraction.width);
        const std::string_view text = number.text();
        const int column = bodyColumn(c.whole.offset);
        if (isBlank(within(body, c.whole.offset, c.whole.width + c.fraction.width))) {
            add(Severity::Error, column, c.field, std::string(c.field) + " is blank");
        } else if (!refused(validate::checkNumberFormat(quiet_, text, validate::kUnsignedDecimal), column, c.field)) {
            refused(c.inRange(quiet_, text), column, c.field);
        }
        checkCode(c.codes, fit(within(body, c.code.offset, 1), 1), bodyColumn(c.code.offset), c.codeField, false);
    }
    if (isBlank(within(body, kStateOrCountry.offset, kStateOrCountry.width))) {
        add(Severity::Error, bodyColumn(kStateOrCountry.offset), "state or country code",
            "state or country code is blank");
    }
    checkCode(lists_.stationOrder, fit(within(body, kStationOrder.offset, 1), 1), bodyColumn(kStationOrder.offset),
              "station order", false);
    checkCode(lists_.stationType, fit(within(body, kStationType.offset, 1), 1), bodyColumn(kStationType.offset),
              "station type", false);
}

void Checker::checkHeights() {
    const TextStore& heights = project_.lb_86;
    for (int i = 0; i < heights.count(); ++i) {
        const std::string body = fit(heights.at(i), station_line::kBodyWidth);
        const std::string ssn = fit(within(body, 0, kSsnWidth), kSsnWidth);
        target_ = {lineAt(lines_.heights, i), "*86*", ssn, Place::Station, project_.lb_Stations.find(ssn)};
        checkHeightsBody(body);
    }
}

// Each height laid out; its code and datum among their lists when the height is given.
void Checker::checkHeightsBody(std::string_view body) {
    using namespace station_layout::heights;
    struct Height {
        station_layout::Column metres, millimetres, code, datum;
        const CodeList& codes;
        const CodeList& datums;
        const char* field;
    };
    const Height heights[] = {
        {kOrthometricMetres, kOrthometricMillimetres, kOrthometricCode, kOrthometricDatum, lists_.orthometricCode,
         lists_.orthometricDatum, "orthometric height"},
        {kEllipsoidalMetres, kEllipsoidalMillimetres, kEllipsoidalCode, kEllipsoidalDatum, lists_.ellipsoidalCode,
         lists_.ellipsoidalDatum, "ellipsoidal height"},
    };
    for (const Height& h : heights) {
        const WithPoint number(body, h.metres.offset, h.metres.width, h.millimetres.offset, h.millimetres.width);
        refused(validate::checkNumberFormat(quiet_, number.text(), validate::kSignedDecimal),
                bodyColumn(h.metres.offset), h.field);
        const bool noHeight = isBlank(within(body, h.metres.offset, h.metres.width + h.millimetres.width));
        checkCode(h.codes, fit(within(body, h.code.offset, h.code.width), h.code.width), bodyColumn(h.code.offset),
                  (std::string(h.field) + " code").c_str(), noHeight);
        checkCode(h.datums, fit(within(body, h.datum.offset, h.datum.width), h.datum.width), bodyColumn(h.datum.offset),
                  (std::string(h.field) + " datum").c_str(), noHeight);
    }
}

} // namespace

RecordLines writtenLines(const Project& project) {
    RecordLines lines;
    long next = 2; // the first record is line 1
    lines.title = next++;
    const std::string& title = project.header.ProjectTitle;
    for (std::size_t at = title.find("\r\n"); at != std::string::npos; at = title.find("\r\n", at + 2)) {
        ++next; // one *11* record per further title line
    }
    lines.project = next++;
    lines.datum = next++;
    for (const std::string& line : project.lb_Sessions.lines()) {
        const SessionView session(line);
        lines.sessions.push_back(next);
        next += 1 + std::max(session.commentCount, 0) + std::max(session.occupationCount, 0);
    }
    for (int i = 0; i < project.lb_Instruments.count(); ++i) {
        lines.instruments.push_back(next++);
    }
    for (int i = 0; i < project.lb_Antennas.count(); ++i) {
        lines.antennas.push_back(next++);
    }
    lines.heights.assign(static_cast<std::size_t>(project.lb_86.count()), 0);
    for (const std::string& line : project.lb_Stations.lines()) {
        lines.stations.push_back(next++);
        const int heights = project.lb_86.find(slice(line, station_line::kBody, kSsnWidth));
        if (heights >= 0) {
            lines.heights[static_cast<std::size_t>(heights)] = next++;
        }
    }
    for (int i = 0; i < project.lb_90.count(); ++i) {
        lines.fixed.push_back(next++);
    }
    return lines;
}

std::vector<Problem> checkProject(const Project& project, const RecordLines& lines) {
    ProblemList problems;
    checkProject(project, lines, problems);
    return problems.take();
}

void checkProject(const Project& project, const RecordLines& lines, ProblemList& problems) {
    Checker(project, lines, problems).run();
}

bool ProblemList::before(const Entry& a, const Entry& b) {
    const Problem& p = a.problem;
    const Problem& q = b.problem;
    return p.line != q.line ? p.line < q.line : p.column != q.column ? p.column < q.column : a.order < b.order;
}

void ProblemList::count(Severity severity) {
    switch (severity) {
    case Severity::Error:
        ++unlisted_.errors;
        break;
    case Severity::Warning:
        ++unlisted_.warnings;
        break;
    case Severity::Note:
        ++unlisted_.notes;
        break;
    }
}

// Below the limit a problem is simply kept; at it, one that comes before the last one
// kept takes its place.
void ProblemList::add(Problem problem) {
    Entry entry{std::move(problem), added_++};
    if (kept_.size() < limit_) {
        kept_.push_back(std::move(entry));
        if (kept_.size() == limit_) {
            std::make_heap(kept_.begin(), kept_.end(), before);
        }
        return;
    }
    if (kept_.empty() || !before(entry, kept_.front())) {
        count(entry.problem.severity);
        return;
    }
    std::pop_heap(kept_.begin(), kept_.end(), before);
    count(kept_.back().problem.severity);
    kept_.back() = std::move(entry);
    std::push_heap(kept_.begin(), kept_.end(), before);
}

std::vector<Problem> ProblemList::take() {
    std::sort(kept_.begin(), kept_.end(), before);
    std::vector<Problem> problems;
    problems.reserve(kept_.size());
    for (Entry& entry : kept_) {
        problems.push_back(std::move(entry.problem));
    }
    kept_.clear();
    return problems;
}

void sortProblems(std::vector<Problem>& problems) {
    std::stable_sort(problems.begin(), problems.end(), [](const Problem& a, const Problem& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
}

const char* severityName(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Note:
        return "note";
    }
    return "error";
}

std::string diagnosticLine(const std::string& file, const Problem& problem) {
    return ui::format("%s:%ld:%d: %s: %s", file.c_str(), problem.line, problem.column, severityName(problem.severity),
                      problem.text.c_str());
}

namespace {
std::string counted(long count, const char* noun) {
    return ui::format("%ld %s%s", count, noun, count == 1 ? "" : "s");
}

long countOf(const std::vector<Problem>& problems, Severity severity) {
    return static_cast<long>(std::count_if(problems.begin(), problems.end(),
                                           [severity](const Problem& p) { return p.severity == severity; }));
}
} // namespace

std::string summaryLine(const std::vector<Problem>& problems, const ProblemCounts& unlisted) {
    if (problems.empty() && unlisted.total() == 0) {
        return "no problems found";
    }
    return counted(countOf(problems, Severity::Error) + unlisted.errors, "error") + ", " +
           counted(countOf(problems, Severity::Warning) + unlisted.warnings, "warning") + ", " +
           counted(countOf(problems, Severity::Note) + unlisted.notes, "note");
}

} // namespace ardel::check
