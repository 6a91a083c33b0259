// The B-file writer: walks the stores in the standard's record order and frames each
// body as a record "NNNNNN*CC*" + 70 columns + CR LF. Every field is laid out by
// width from the bytes it holds, so a field's columns never shift.
#include "bfile/BFileWriter.h"

#include "ui/Text.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace ardel {

namespace {

constexpr std::size_t kSequenceWidth = 6;
constexpr std::size_t kCodeWidth = 2;
constexpr std::size_t kBodyWidth = 70;
constexpr long kSequenceStep = 10;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLineBreak = "\r\n"; // separates title and comment lines inside a field

// One "%-w.ws" field of a record body: its text cut or blank-padded to its width.
struct Field {
    std::string_view text;
    std::size_t width;
};
using Fields = std::span<const Field>;

// A body taken whole from a store or a text.
std::array<Field, 1> whole(std::string_view body) {
    return {{{body, kBodyWidth}}};
}

// First record after the job code: "HZTLOBS " agency abbreviation(6) agency name(42)
// assigned number(6) creation date(8).
std::array<Field, 5> headerFields(const FormHeaderInfoFDXStruct& h) {
    return {{{"HZTLOBS ", 8},
             {h.SubmittingAgencyAbbreviation, 6},
             {h.SubmittingAgencyName, 42},
             {h.AssignedNumber, 6},
             {h.CreationDate, 8}}};
}

// *12*: start(6) end(6) chief initials(3) chief(18) second initials(3) second chief(18)
// 11 blanks, survey type(1) state or country(2) order and class(2). The survey type and
// the order and class are list entries of which the first 1 and 2 characters are written.
std::array<Field, 10> fields12(const FormHeaderInfoFDXStruct& h) {
    return {{{h.ProjectStartDate, 6},
             {h.ProjectEndDate, 6},
             {h.ChiefOfPartyInitials, 3},
             {h.ChiefOfParty, 18},
             {h.SecondChiefOfPartyInitials, 3},
             {h.SecondChiefOfParty, 18},
             {"", 11},
             {h.TypeOfSurvey, 1},
             {h.PrimaryStateOrCountry, 2},
             {h.OrderAndClass, 2}}};
}

// *13*: datum(24) ellipsoid(16) semi-major axis(10) inverse flattening(10) semi-minor axis(10).
std::array<Field, 5> fields13(const FormHeaderInfoFDXStruct& h) {
    return {{{h.DatumName, 24},
             {h.EllipsoidName, 16},
             {h.SemiMajorAxis, 10},
             {h.InverseFlattening, 10},
             {h.SemiMinorAxis, 10}}};
}

// *27*: the session's SSN(4), then the 41-character occupation entry, blank to column 80.
std::array<Field, 2> fields27(std::string_view ssn, std::string_view entry) {
    return {{{ssn, 4}, {entry, 66}}};
}

// Calls each(piece) for every piece of the text between CR LF breaks.
template <class Each> void forEachLine(std::string_view text, Each&& each) {
    for (;;) {
        const std::size_t end = text.find(kLineBreak);
        each(text.substr(0, end));
        if (end == std::string_view::npos) {
            return;
        }
        text.remove_prefix(end + kLineBreak.size());
    }
}

// Calls emit(code, fields) for every record of the project, in file order.
template <class Emit> void walkRecords(const Project& project, Emit&& emit) {
    const FormHeaderInfoFDXStruct& header = project.header;
    emit(header.JobCode, headerFields(header));

    std::string_view titleCode = "10";
    forEachLine(header.ProjectTitle, [&](std::string_view line) {
        emit(titleCode, whole(line));
        titleCode = "11";
    });
    emit("12", fields12(header));
    emit("13", fields13(header));

    for (const std::string& line : project.lb_Sessions.lines()) {
        const std::string_view packed =
            std::string_view(line).substr(std::min(line.size(), session_line::kPrefixWidth));
        const SessionWorkArea session = unpackSession(packed);
        emit("25", whole(session.part25));
        if (session.commentCount > 0) {
            forEachLine(session.comments, [&](std::string_view comment) { emit("26", whole(comment)); });
        }
        const std::string_view ssn = packed.substr(0, kSsnWidth);
        for (int i = 0; i < session.occupationCount; ++i) {
            emit("27", fields27(ssn, session.occupation(i)));
        }
    }

    for (const std::string& body : project.lb_Instruments.lines()) {
        emit("70", whole(body));
    }
    for (const std::string& body : project.lb_Antennas.lines()) {
        emit("72", whole(body));
    }
    for (const std::string& line : project.lb_Stations.lines()) {
        const std::string_view body = std::string_view(line).substr(std::min(line.size(), station_line::kBody));
        emit("80", whole(body));
        const int heights = project.lb_86.find(body.substr(0, kSsnWidth));
        if (heights >= 0) {
            emit("86", whole(project.lb_86.at(heights)));
        }
    }
    for (const std::string& body : project.lb_90.lines()) {
        emit("90", whole(body));
    }

    emit(header.JobCode, whole(""));
}

// Appends the text cut or blank-padded to the width.
void appendField(std::string& out, std::string_view text, std::size_t width) {
    const std::size_t kept = std::min(text.size(), width);
    out.append(text.data(), kept);
    out.append(width - kept, ' ');
}

// "%06d" for the numbers a B-file holds (up to kLastSequenceNumber); the six last
// digits of a greater one.
void appendSequence(std::string& out, long number) {
    char digits[kSequenceWidth];
    for (std::size_t column = kSequenceWidth; column-- > 0; number /= 10) {
        digits[column] = static_cast<char>('0' + number % 10);
    }
    out.append(digits, kSequenceWidth);
}

// Writes "NNNNNN*CC*" + the fields in 70 columns + CR LF; the number has six digits.
class RecordPrinter {
public:
    explicit RecordPrinter(std::ostream& out) : out_(out) { record_.reserve(kSequenceWidth + 4 + kBodyWidth + 2); }

    void operator()(std::string_view code, Fields fields) {
        sequence_ += kSequenceStep;
        record_.clear();
        appendSequence(record_, sequence_);
        record_ += '*';
        appendField(record_, code, kCodeWidth);
        record_ += '*';
        const std::size_t bodyStart = record_.size();
        for (const Field& field : fields) {
            appendField(record_, field.text, field.width);
        }
        record_.resize(bodyStart + kBodyWidth, ' ');
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
    walkRecords(project, [&](std::string_view, Fields) { ++records; });
    return records;
}

bool writeBFile(const Project& project, std::ostream& out, RecordLimit limit) {
    if (limit == RecordLimit::BFile && countRecords(project) > kMostRecords) {
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
