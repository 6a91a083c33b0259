// The B-file writer: walks the stores in the standard's record order and frames each
// body as a record "NNNNNN*CC*" + 70 columns + CR LF. Every field is laid out by
// width from the bytes it holds, so a field's columns never shift.
#include "bfile/BFileWriter.h"

#include "ui/Text.h"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace ardel {

namespace {

constexpr std::size_t kSequenceWidth = 6;
constexpr std::size_t kCodeWidth = 2;
constexpr std::size_t kBodyWidth = 70;
constexpr long kSequenceStep = 10;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLineBreak = "\r\n"; // separates title and comment lines inside a field

// One "%-w.ws" field of a record body.
struct Field {
    std::string_view text;
    std::size_t width;
};

std::string layOut(std::initializer_list<Field> fields) {
    std::string body;
    for (const Field& field : fields) {
        body += fit(field.text, field.width);
    }
    return body;
}

std::string firstChars(const std::string& text, std::size_t count) {
    return slice(text, 0, count);
}

// First record after the job code: "HZTLOBS " agency abbreviation(6) agency name(42)
// assigned number(6) creation date(8).
std::string headerBody(const FormHeaderInfoFDXStruct& h) {
    return layOut({{"HZTLOBS ", 8},
                   {h.SubmittingAgencyAbbreviation, 6},
                   {h.SubmittingAgencyName, 42},
                   {h.AssignedNumber, 6},
                   {h.CreationDate, 8}});
}

// *12*: start(6) end(6) chief initials(3) chief(18) second initials(3) second chief(18)
// 11 blanks, survey type(1) state or country(2) order and class(2).
std::string body12(const FormHeaderInfoFDXStruct& h) {
    return layOut({{h.ProjectStartDate, 6},
                   {h.ProjectEndDate, 6},
                   {h.ChiefOfPartyInitials, 3},
                   {h.ChiefOfParty, 18},
                   {h.SecondChiefOfPartyInitials, 3},
                   {h.SecondChiefOfParty, 18},
                   {"", 11},
                   {firstChars(h.TypeOfSurvey, 1), 1},
                   {h.PrimaryStateOrCountry, 2},
                   {firstChars(h.OrderAndClass, 2), 2}});
}

// *13*: datum(24) ellipsoid(16) semi-major axis(10) inverse flattening(10) semi-minor axis(10).
std::string body13(const FormHeaderInfoFDXStruct& h) {
    return layOut({{h.DatumName, 24},
                   {h.EllipsoidName, 16},
                   {h.SemiMajorAxis, 10},
                   {h.InverseFlattening, 10},
                   {h.SemiMinorAxis, 10}});
}

// *27*: the session's SSN(4), then the 41-character occupation entry, blank to column 80.
std::string body27(std::string_view ssn, std::string_view entry) {
    return layOut({{ssn, 4}, {entry, 66}});
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> pieces;
    for (;;) {
        const std::size_t end = text.find(kLineBreak);
        pieces.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            return pieces;
        }
        text.remove_prefix(end + kLineBreak.size());
    }
}

// Calls emit(code, body) for every record of the project, in file order.
template <class Emit> void walkRecords(const Project& project, Emit&& emit) {
    const FormHeaderInfoFDXStruct& header = project.header;
    emit(header.JobCode, headerBody(header));

    const std::vector<std::string_view> title = splitLines(header.ProjectTitle);
    emit("10", title.front());
    for (std::size_t i = 1; i < title.size(); ++i) {
        emit("11", title[i]);
    }
    emit("12", body12(header));
    emit("13", body13(header));

    for (const std::string& line : project.lb_Sessions.lines()) {
        const std::string packed = packedOf(line);
        const SessionWorkArea session = unpackSession(packed);
        emit("25", session.part25);
        if (session.commentCount > 0) {
            for (std::string_view comment : splitLines(session.comments)) {
                emit("26", comment);
            }
        }
        const std::string ssn = firstChars(packed, kSsnWidth);
        for (int i = 0; i < session.occupationCount; ++i) {
            emit("27", body27(ssn, session.occupation(i)));
        }
    }

    for (const std::string& body : project.lb_Instruments.lines()) {
        emit("70", body);
    }
    for (const std::string& body : project.lb_Antennas.lines()) {
        emit("72", body);
    }
    for (const std::string& line : project.lb_Stations.lines()) {
        const std::string body = slice(line, station_line::kBody, station_line::kBodyWidth);
        emit("80", body);
        const int heights = project.lb_86.find(firstChars(body, kSsnWidth));
        if (heights >= 0) {
            emit("86", project.lb_86.at(heights));
        }
    }
    for (const std::string& body : project.lb_90.lines()) {
        emit("90", body);
    }

    emit(header.JobCode, "");
}

// Writes "NNNNNN*CC*" + body in 70 columns + CR LF; the number has six digits.
class RecordPrinter {
public:
    explicit RecordPrinter(std::ostream& out) : out_(out) { record_.reserve(kSequenceWidth + 4 + kBodyWidth + 2); }

    void operator()(std::string_view code, std::string_view body) {
        sequence_ += kSequenceStep;
        record_.assign(kSequenceWidth, '0');
        for (long rest = sequence_, column = kSequenceWidth - 1; rest > 0 && column >= 0; rest /= 10, --column) {
            record_[static_cast<std::size_t>(column)] = static_cast<char>('0' + rest % 10);
        }
        record_ += '*';
        record_ += fit(code, kCodeWidth);
        record_ += '*';
        record_ += fit(body, kBodyWidth);
        record_ += kLineEnd;
        out_.write(record_.data(), static_cast<std::streamsize>(record_.size()));
    }

private:
    std::ostream& out_;
    std::string record_;
    long sequence_ = 0;
};

} // namespace

long countRecords(const Project& project) {
    long records = 0;
    walkRecords(project, [&](std::string_view, std::string_view) { ++records; });
    return records;
}

bool writeBFile(const Project& project, std::ostream& out) {
    if (countRecords(project) > kMostRecords) {
        return false;
    }
    RecordPrinter print(out);
    walkRecords(project, print);
    return static_cast<bool>(out);
}

std::string tooManyRecordsMessage(long records) {
    return ui::format("This project needs %ld records, but a B-file holds at most %ld\n"
                      "(sequence numbers end at %06ld). Nothing was written.",
                      records, kMostRecords, kLastSequenceNumber);
}

} // namespace ardel
