// The B-file reader: fills the stores from a B-file record by record, converts old
// *71* antenna records, then attaches 4-character IDs to stations and checks the
// references of every session.
#include "bfile/BFileReader.h"

#include "bfile/ConversionTable.h"
#include "bfile/HeaderLayout.h"
#include "bfile/ReadInput.h"
#include "bfile/ReaderMessages.h"
#include "ui/Text.h"
#include "utilities/Serfil.h"

namespace ardel {

namespace {

// Columns of an input line (0-based offsets into its 80 characters).
namespace record {
constexpr std::size_t kCode = 7, kCodeWidth = 2;
constexpr std::size_t kBody = 10, kBodyWidth = 70;
constexpr std::size_t kKey = 10; // SSN, JSIN or JSAN
constexpr std::size_t kPart25Width = 25;
constexpr std::size_t kOccupation = 14, kOccupationWidth = 41;
} // namespace record

// An old *71* record: JSAN at 10, old antenna code at 13, antenna serial number at 29.
namespace old_antenna {
constexpr std::size_t kOldCode = 13, kOldCodeWidth = 16;
constexpr std::size_t kSerial = 29, kSerialWidth = 12;
} // namespace old_antenna

// The *72* body built from a *71* record: JSAN(3) 3 blanks code(20) 8 blanks serial(20) 16 blanks.
namespace antenna_body {
constexpr std::size_t kCodeWidth = 20, kSerialWidth = 20;
constexpr std::size_t kGapAfterJsan = 3, kGapAfterCode = 8, kTrailingBlanks = 16;
} // namespace antenna_body

// The packed session counts have four digits.
constexpr int kMostLinesPerSession = 9999;

constexpr std::string_view kBlankId = "    ";

// The text at [offset, offset + width) of a line, cut at its end; never throws.
std::string_view view(std::string_view text, std::size_t offset, std::size_t width) {
    return offset >= text.size() ? std::string_view() : text.substr(offset, width);
}

// One read of one file: the current line and what has been met so far.
class Reading {
public:
    Reading(Project& project, ui::Toolkit& toolkit, Form_Warning& warning, bool merging, ReadObserver* observer)
        : project_(project), toolkit_(toolkit), warning_(warning), merging_(merging), observer_(observer) {}

    ReadOutcome run(InputLines& input);

private:
    std::string_view field(std::size_t offset, std::size_t width) const { return view(line_, offset, width); }
    std::string_view code() const { return field(record::kCode, record::kCodeWidth); }
    std::string_view body() const { return field(record::kBody, record::kBodyWidth); }
    std::string_view key(std::size_t width) const { return field(record::kKey, width); }
    bool isClosingRecord() const;
    bool nextLine();
    void advance();

    bool readRecord(); // false when an error stopped the read
    void takeHeader();
    void takeFields(const HeaderField* first, const HeaderField* last);
    void readHeaderRecord();
    bool readSessions();
    bool readSession();
    void readInstrument();
    void readOldAntenna();
    void readAntenna();
    void readStation();
    bool readStationRecord(TextStore& store, const char* missingStation, const char* duplicate);

    void checkSessions();
    void checkSession(std::string_view packed);
    void attachId(int station, std::string_view packed);
    void warn(const char* format, std::string_view packed);
    void reportDuplicate(const char* format, std::string_view key);
    void stop(const char* format);
    void showHeader();
    void keep(int index); // the current line's record, kept at `index` of its store
    void reporting(const char* format, long line);

    Project& project_;
    ui::Toolkit& toolkit_;
    Form_Warning& warning_;
    const bool merging_;
    ReadObserver* observer_;
    std::vector<long> sessionLines_; // the *25* line of each session kept, by its index
    long reportLine_ = 0;            // the line the session check in progress concerns
    InputLines* input_ = nullptr;
    std::string_view line_;
    bool headerTaken_ = false;
    std::string closingCode_; // the job code of the first line, which the last record carries
    int oldAntennas_ = 0;
    SessionWorkArea session_;
};

// Makes the next line current; a line cut to 80 columns is told to the observer.
bool Reading::nextLine() {
    if (!input_->next()) {
        return false;
    }
    line_ = input_->line();
    if (observer_ && input_->length() > InputLines::kWidth) {
        observer_->cut(input_->lineNumber(), input_->length());
    }
    return true;
}

// Past the last line, the current line is blank: it has no record code.
void Reading::advance() {
    static const std::string kNoLine(InputLines::kWidth, ' ');
    if (!nextLine()) {
        line_ = kNoLine;
    }
}

// The last record carries the job code in place of a record code and a blank body. A
// job code that is also a record code ("10", "86", ...) must not make it read as one.
bool Reading::isClosingRecord() const {
    return !closingCode_.empty() && code() == closingCode_ && body().find_first_not_of(' ') == std::string_view::npos;
}

ReadOutcome Reading::run(InputLines& input) {
    input_ = &input;
    if (nextLine()) {
        closingCode_ = std::string(code());
        if (!merging_) {
            takeHeader();
        }
    }
    bool completed = true;
    while (completed && nextLine()) {
        completed = readRecord();
    }
    if (input.failed()) {
        reporting(messages::kUnreadableFile, input.lineNumber());
        toolkit_.messageBox(messages::kCaptionError, messages::kUnreadableFile, ui::Icon::Stop, ui::Buttons::OK);
        completed = false;
    }
    if (completed) {
        checkSessions();
    }
    // Converted antennas stay in the stores even when an error stopped the read, so the
    // notice asking to verify them is shown either way.
    if (oldAntennas_ > 0) {
        reporting(messages::kOldAntennasConverted, 0);
        toolkit_.messageBox(messages::kCaptionWarning, messages::kOldAntennasConverted, ui::Icon::Warning,
                            ui::Buttons::OK);
    }
    if (completed || headerTaken_) {
        project_.newHeader = false;
    }
    return completed ? ReadOutcome::Completed : ReadOutcome::Stopped;
}

// Reads the record of the current line. A session leaves the line that ends it current,
// and that line is read as any other, so that no record is lost for following a session.
// False when the read stops: an error shown, or the file could not be read on.
bool Reading::readRecord() {
    if (code() == "25" && !readSessions()) {
        return false;
    }
    if (isClosingRecord()) {
        return true;
    }
    if (!merging_) {
        readHeaderRecord();
    }
    if (code() == "70") {
        readInstrument();
    } else if (code() == "71") {
        readOldAntenna();
    } else if (code() == "72") {
        readAntenna();
    } else if (code() == "80") {
        readStation();
    } else if (code() == "86") {
        return readStationRecord(project_.lb_86, messages::k86WithoutStation, messages::kDuplicate86);
    } else if (code() == "90") {
        return readStationRecord(project_.lb_90, messages::k90WithoutStation, messages::kDuplicate90);
    }
    return true;
}

void Reading::showHeader() {
    if (project_.headerChanged) {
        project_.headerChanged();
    }
}

void Reading::keep(int index) {
    if (observer_) {
        observer_->kept(code(), index, input_->lineNumber());
    }
}

void Reading::reporting(const char* format, long line) {
    if (observer_) {
        observer_->reporting(format, line);
    }
}

void Reading::takeFields(const HeaderField* first, const HeaderField* last) {
    for (const HeaderField* f = first; f != last; ++f) {
        project_.header.*(f->field) = std::string(field(f->offset, f->width));
    }
}

// The first line gives the header values, whatever its record code.
void Reading::takeHeader() {
    takeFields(std::begin(kFirstLineFields), std::end(kFirstLineFields));
    headerTaken_ = true;
    showHeader();
}

void Reading::readHeaderRecord() {
    FormHeaderInfoFDXStruct& header = project_.header;
    if (code() == "10") {
        header.ProjectTitle = std::string(body());
        showHeader();
        keep(0);
    } else if (code() == "11") {
        header.ProjectTitle += "\r\n";
        header.ProjectTitle += body();
        showHeader();
        keep(0);
    } else if (code() == "12") {
        takeFields(std::begin(kFields12), std::end(kFields12));
        keep(0);
    } else if (code() == "13") {
        takeFields(std::begin(kFields13), std::end(kFields13));
        keep(0);
    }
}

bool Reading::readSessions() {
    while (code() == "25" && !isClosingRecord()) {
        if (!readSession()) {
            return false;
        }
    }
    return true;
}

// A *25* record with the *26* comment lines and *27* occupation entries that follow it.
// The packed session counts each kind in four digits: lines beyond the 9999th of a kind
// are read and dropped, with one message for the session.
bool Reading::readSession() {
    session_.part25 = field(record::kBody, record::kPart25Width);
    const long sessionLine = input_->lineNumber();
    const std::string sessionRecord(line_);
    session_.comments.clear();
    session_.occupations.clear();
    session_.commentCount = 0;
    session_.occupationCount = 0;
    bool overflow = false;
    advance();
    for (; code() == "26" && !isClosingRecord(); advance()) {
        if (session_.commentCount == kMostLinesPerSession) {
            overflow = true;
            continue;
        }
        if (session_.commentCount > 0) {
            session_.comments += "\r\n";
        }
        session_.comments += body();
        ++session_.commentCount;
    }
    const long firstOccupationLine = code() == "27" && !isClosingRecord() ? input_->lineNumber() : 0;
    for (; code() == "27" && !isClosingRecord(); advance()) {
        if (key(kSsnWidth) != view(session_.part25, 0, kSsnWidth)) {
            stop(messages::kSsnMismatch);
            return false;
        }
        if (session_.occupationCount == kMostLinesPerSession) {
            overflow = true;
            continue;
        }
        session_.occupations += field(record::kOccupation, record::kOccupationWidth);
        ++session_.occupationCount;
    }
    if (input_->failed()) {
        return false; // a session cut short by a read error is not added
    }
    if (overflow) {
        reporting(messages::kSessionTooLong, sessionLine);
        toolkit_.messageBox(messages::kCaptionError, ui::format(messages::kSessionTooLong, sessionRecord.c_str()),
                            ui::Icon::Stop, ui::Buttons::OK);
    }
    const int index = project_.lb_Sessions.append(buildSessionLine(session_, packSession(session_)));
    if (observer_) {
        sessionLines_.resize(static_cast<std::size_t>(index) + 1);
        sessionLines_.back() = sessionLine;
        observer_->kept("25", index, sessionLine);
        if (firstOccupationLine > 0) {
            observer_->kept("27", index, firstOccupationLine);
        }
    }
    return true;
}

void Reading::readInstrument() {
    if (project_.lb_Instruments.find(key(kJsinWidth)) < 0) {
        keep(project_.lb_Instruments.append(std::string(body())));
    } else {
        reportDuplicate(messages::kDuplicate70, key(kJsinWidth));
    }
}

void Reading::readOldAntenna() {
    ++oldAntennas_;
    using namespace antenna_body;
    const std::string jsan = fit(key(kJsanWidth), kJsanWidth);
    const std::string antenna =
        jsan + std::string(kGapAfterJsan, ' ') +
        fit(newAntennaCode(project_.lb_J2M, field(old_antenna::kOldCode, old_antenna::kOldCodeWidth)), kCodeWidth) +
        std::string(kGapAfterCode, ' ') + fit(field(old_antenna::kSerial, old_antenna::kSerialWidth), kSerialWidth) +
        std::string(kTrailingBlanks, ' ');
    if (project_.lb_Antennas.find(jsan) < 0) {
        keep(project_.lb_Antennas.append(antenna));
    } else {
        reportDuplicate(messages::kDuplicate71, jsan);
    }
}

void Reading::readAntenna() {
    if (project_.lb_Antennas.find(key(kJsanWidth)) < 0) {
        keep(project_.lb_Antennas.append(std::string(body())));
    } else {
        reportDuplicate(messages::kDuplicate72, key(kJsanWidth));
    }
}

void Reading::readStation() {
    const std::string_view ssn = key(kSsnWidth);
    if (project_.lb_Stations.find(ssn) < 0) {
        keep(project_.lb_Stations.append(buildStationLine(body(), serfilIdForSsn(project_.lb_SERFIL, ssn))));
    } else {
        reportDuplicate(messages::kDuplicate80, ssn);
    }
}

// An *86* or *90* record: it must follow the *80* record of its station.
bool Reading::readStationRecord(TextStore& store, const char* missingStation, const char* duplicate) {
    const std::string_view ssn = key(kSsnWidth);
    if (project_.lb_Stations.find(ssn) < 0) {
        stop(missingStation);
        return false;
    }
    if (store.find(ssn) < 0) {
        keep(store.append(std::string(body())));
    } else {
        reportDuplicate(duplicate, ssn);
    }
    return true;
}

void Reading::reportDuplicate(const char* format, std::string_view key) {
    if (!merging_) {
        reporting(format, input_->lineNumber());
        toolkit_.messageBox(messages::kCaptionDuplicate,
                            ui::format(format, std::string(key).c_str(), std::string(line_).c_str()), ui::Icon::Warning,
                            ui::Buttons::OK);
    }
}

void Reading::stop(const char* format) {
    reporting(format, input_->lineNumber());
    toolkit_.messageBox(messages::kCaptionError, ui::format(format, std::string(line_).c_str()), ui::Icon::Stop,
                        ui::Buttons::OK);
}

void Reading::checkSessions() {
    const TextStore& sessions = project_.lb_Sessions;
    for (int i = 0; i < sessions.count(); ++i) {
        const auto kept = static_cast<std::size_t>(i);
        reportLine_ = kept < sessionLines_.size() ? sessionLines_[kept] : 0;
        checkSession(view(sessions.at(i), session_line::kPrefixWidth, std::string_view::npos));
    }
}

// The session's *25* fields, as the warnings quote them.
std::string partOf(std::string_view packed) {
    return std::string(view(packed, 0, packed_session::kPartWidth));
}

void Reading::checkSession(std::string_view packed) {
    using namespace packed_session;
    const int station = project_.lb_Stations.find(fit(view(packed, kSsn, kSsnWidth), kSsnWidth));
    if (station >= 0) {
        attachId(station, packed);
    } else {
        warn(messages::kNoStation, packed);
    }
    if (project_.lb_Instruments.find(fit(view(packed, kJsin, kEquipmentWidth), kJsinWidth)) < 0) {
        warn(messages::kNoInstrument, packed);
    }
    if (project_.lb_Antennas.find(fit(view(packed, kJsan, kEquipmentWidth), kJsanWidth)) < 0) {
        warn(messages::kNoAntenna, packed);
    }
}

// The first session that names a 4-character ID gives it to a station that has none;
// an ID the station has already (from the SERFIL or an earlier session) stays.
void Reading::attachId(int station, std::string_view packed) {
    using namespace station_line;
    TextStore& stations = project_.lb_Stations;
    const std::string& line = stations.at(station);
    const std::string stationId = fit(view(line, kId, kIdWidth), kIdWidth);
    const std::string sessionId = fit(view(packed, packed_session::kId, kIdWidth), kIdWidth);
    if (stationId == kBlankId && sessionId != kBlankId) {
        stations.replace(station, slice(line, 0, kId) + sessionId + slice(line, kId + kIdWidth));
    } else if (stationId != sessionId) {
        reporting(messages::kIdDisagrees, reportLine_);
        toolkit_.messageBox(messages::kCaptionWarning, ui::format(messages::kIdDisagrees, partOf(packed).c_str()),
                            ui::Icon::Warning, ui::Buttons::OK);
    }
}

// Through the one shared prompt; once the user has silenced it, it counts as shown.
void Reading::warn(const char* format, std::string_view packed) {
    if (!warning_.isSuppressed()) {
        reporting(format, reportLine_);
        warning_.show(format, partOf(packed).c_str());
    }
}

} // namespace

ReadOutcome readBFile(Project& project, ui::Toolkit& toolkit, Form_Warning& warning, bool merging) {
    return readBFile(project, toolkit, warning, merging, nullptr);
}

ReadOutcome readBFile(Project& project, ui::Toolkit& toolkit, Form_Warning& warning, bool merging,
                      ReadObserver* observer) {
    toolkit.settings().setValue("InputFile", project.fileName);
    InputLines input;
    switch (input.open(project.fileName)) {
    case ui::OpenResult::Missing:
        toolkit.messageBox(messages::kCaptionError, messages::kFileMissing, ui::Icon::Stop, ui::Buttons::OK);
        return ReadOutcome::FileMissing;
    case ui::OpenResult::Refused:
        toolkit.messageBox(messages::kCaptionError, messages::kUnreadableFile, ui::Icon::Stop, ui::Buttons::OK);
        return ReadOutcome::Unreadable;
    case ui::OpenResult::Opened:
        break;
    }
    return Reading(project, toolkit, warning, merging, observer).run(input);
}

ReadOutcome readBFileBytes(Project& project, std::string_view bytes, ui::Toolkit& toolkit, Form_Warning& warning,
                           bool merging) {
    InputLines input;
    input.openBytes(bytes);
    return Reading(project, toolkit, warning, merging, nullptr).run(input);
}

} // namespace ardel
