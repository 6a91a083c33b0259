#include "rinex/EpochLines.h"

#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace ardel::rinex {

namespace {

struct Field {
    std::size_t offset, width;
};

// The fields of an epoch line: year, month, day, hour, minute, seconds, flag, count.
struct EpochLayout {
    Field year, month, day, hour, minute, second, flag, count;
};
constexpr EpochLayout kVersion2{{1, 2}, {4, 2}, {7, 2}, {10, 2}, {13, 2}, {15, 11}, {28, 1}, {29, 3}};
constexpr EpochLayout kVersion3{{2, 4}, {7, 2}, {10, 2}, {13, 2}, {16, 2}, {18, 11}, {31, 1}, {32, 3}};

constexpr int kSatellitesPerEpochLine = 12; // RINEX 2: more continue on the next lines
constexpr int kObservationsPerLine = 5;     // RINEX 2: observations of one satellite per line
constexpr char kVersion3Marker = '>';
constexpr char kCompact1Marker = '&';

bool isEvent(int flag) {
    return flag >= 2 && flag <= 5;
}

// Digits with blanks before them, a point and a sign allowed where `decimal`; false when blank.
bool numeric(std::string_view line, Field field, bool decimal) {
    if (field.offset + field.width > line.size()) {
        return false;
    }
    bool digits = false;
    for (std::size_t i = field.offset; i < field.offset + field.width; ++i) {
        const char c = line[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c != ' ' && !(decimal && (c == '.' || c == '-'))) {
            return false;
        }
    }
    return digits;
}

int intOf(std::string_view line, Field field) {
    return std::atoi(std::string(line.substr(field.offset, field.width)).c_str());
}

// The lines of the data part, read block by block: a line is found with memchr and
// handed out without a copy unless it runs on into the next block.
class LineScanner {
public:
    explicit LineScanner(std::istream& in) : in_(in), block_(kBlockSize) {}

    // The next line without its line end; false at the end of the text.
    bool next(std::string_view& line) {
        if (std::exchange(carried_, false)) {
            carry_.clear();
        }
        for (;;) {
            const auto size = static_cast<std::size_t>(end_ - begin_);
            if (const auto* newline = size > 0 ? static_cast<const char*>(std::memchr(begin_, '\n', size)) : nullptr) {
                line = hand(newline);
                begin_ = newline + 1;
                return true;
            }
            carry_.append(begin_, end_);
            begin_ = end_;
            if (!fill()) {
                line = hand(end_);
                return !carry_.empty();
            }
        }
    }

    void skip(long count) {
        std::string_view line;
        for (long i = 0; i < count && next(line); ++i) {
        }
    }

private:
    static constexpr std::size_t kBlockSize = 64 * 1024;

    // The line ending at `end`: the carried start, if any, and the block's text up to `end`.
    std::string_view hand(const char* end) {
        std::string_view line(begin_, static_cast<std::size_t>(end - begin_));
        if (!carry_.empty()) {
            carry_.append(line);
            line = carry_;
            carried_ = true;
        }
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        return line;
    }

    bool fill() {
        in_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
        begin_ = block_.data();
        end_ = begin_ + in_.gcount();
        return end_ > begin_;
    }

    std::istream& in_;
    std::vector<char> block_;
    const char* begin_ = nullptr;
    const char* end_ = nullptr;
    std::string carry_;    // the start of a line that runs on into the next block
    bool carried_ = false; // the line handed out last was carry_
};

// Plain RINEX 2: the satellite and observation lines of each epoch are skipped by count.
std::optional<Epoch> lastOfVersion2(std::istream& in, int observationTypes) {
    const long linesPerSatellite =
        observationTypes > 0 ? (observationTypes + kObservationsPerLine - 1) / kObservationsPerLine : 0;
    LineScanner lines(in);
    std::optional<Epoch> last;
    std::string_view line;
    while (lines.next(line)) {
        const auto epoch = parseEpochLine(line, false);
        if (!epoch) {
            continue; // out of step (or an unknown count of lines): look for the next epoch line
        }
        if (isEvent(epoch->flag)) {
            lines.skip(epoch->count);
            continue;
        }
        last = epoch->epoch;
        lines.skip((epoch->count - 1) / kSatellitesPerEpochLine + epoch->count * linesPerSatellite);
    }
    return last;
}

// Plain RINEX 3/4: every epoch line begins with ">"; its satellite lines are skipped by count.
std::optional<Epoch> lastOfVersion3(std::istream& in) {
    LineScanner lines(in);
    std::optional<Epoch> last;
    std::string_view line;
    while (lines.next(line)) {
        if (line.empty() || line[0] != kVersion3Marker) {
            continue;
        }
        const auto epoch = parseEpochLine(line, true);
        if (!epoch) {
            continue;
        }
        if (!isEvent(epoch->flag)) {
            last = epoch->epoch;
        }
        lines.skip(epoch->count);
    }
    return last;
}

// Compact RINEX: each epoch line is rebuilt from the one before; a clock line and one
// line per satellite follow it.
std::optional<Epoch> lastOfCompact(std::istream& in, bool version3) {
    const char marker = version3 ? kVersion3Marker : kCompact1Marker;
    LineScanner lines(in);
    std::optional<Epoch> last;
    std::string previous;
    std::string_view stored;
    while (lines.next(stored)) {
        if (!stored.empty() && stored[0] == marker) {
            previous.clear();
        }
        previous = applyEpochDifference(previous, stored);
        const auto epoch = parseEpochLine(previous, version3);
        if (!epoch) {
            break; // the chain of differences is broken: nothing after it can be trusted
        }
        if (isEvent(epoch->flag)) {
            lines.skip(epoch->count);
            continue;
        }
        last = epoch->epoch;
        lines.skip(1 + epoch->count);
    }
    return last;
}

} // namespace

std::string applyEpochDifference(std::string_view previous, std::string_view difference) {
    std::string line(previous);
    if (line.size() < difference.size()) {
        line.resize(difference.size(), ' ');
    }
    for (std::size_t i = 0; i < difference.size(); ++i) {
        if (difference[i] == '&') {
            line[i] = ' ';
        } else if (difference[i] != ' ') {
            line[i] = difference[i];
        }
    }
    return line;
}

std::optional<EpochLine> parseEpochLine(std::string_view line, bool version3) {
    const EpochLayout& layout = version3 ? kVersion3 : kVersion2;
    if (version3 ? line.empty() || line[0] != kVersion3Marker : line.empty() || line[0] != ' ') {
        return std::nullopt;
    }
    if (!numeric(line, layout.flag, false)) {
        return std::nullopt;
    }
    EpochLine parsed;
    parsed.flag = intOf(line, layout.flag);
    parsed.count = numeric(line, layout.count, false) ? intOf(line, layout.count) : 0;
    const Field dateAndTime[] = {layout.year, layout.month, layout.day, layout.hour, layout.minute};
    for (const Field& field : dateAndTime) {
        if (!numeric(line, field, false)) {
            parsed.hasEpoch = false;
        }
    }
    if (!parsed.hasEpoch || !numeric(line, layout.second, true)) {
        return isEvent(parsed.flag) ? std::optional(parsed) : std::nullopt;
    }
    Epoch& epoch = parsed.epoch;
    epoch.year = intOf(line, layout.year);
    if (!version3) {
        epoch.year += epoch.year >= 80 ? 1900 : 2000;
    }
    epoch.month = intOf(line, layout.month);
    epoch.day = intOf(line, layout.day);
    epoch.hour = intOf(line, layout.hour);
    epoch.minute = intOf(line, layout.minute);
    epoch.second = std::atof(std::string(line.substr(layout.second.offset, layout.second.width)).c_str());
    if (epoch.month < 1 || epoch.month > 12 || epoch.day < 1 || epoch.day > 31 || epoch.hour > 23 ||
        epoch.minute > 59 || epoch.second >= 61) {
        return std::nullopt;
    }
    return parsed;
}

std::optional<Epoch> lastEpoch(std::istream& in, const Observation& observation) {
    const bool version3 = observation.version >= 3;
    if (observation.compact) {
        return lastOfCompact(in, version3);
    }
    return version3 ? lastOfVersion3(in) : lastOfVersion2(in, observation.observationTypes);
}

} // namespace ardel::rinex
