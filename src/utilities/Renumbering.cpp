#include "utilities/Renumbering.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace ardel {

namespace {

// Beyond every key field, and far from overflowing when multiplied by a list's length.
constexpr long long kNumberCeiling = 1'000'000'000'000LL;

// clang-format off
const KeyField kStation    {"Station",    4, 9999, station_line::kBody, packed_session::kSsn,  &Project::lb_Stations};
const KeyField kInstrument {"Instrument", 3, 999,  0,                   packed_session::kJsin, &Project::lb_Instruments};
const KeyField kAntenna    {"Antenna",    3, 999,  0,                   packed_session::kJsan, &Project::lb_Antennas};
// clang-format on

bool isWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

long long keyNumber(std::string_view line, std::size_t offset, int width) {
    return offset < line.size() ? typedNumber(line.substr(offset, static_cast<std::size_t>(width))) : 0;
}

// `text` with `key` put in at `offset`.
std::string withKey(std::string_view text, std::size_t offset, const std::string& key) {
    std::string changed(text);
    if (changed.size() < offset) {
        changed.resize(offset, ' ');
    }
    changed.replace(offset, key.size(), key);
    return changed;
}

// A session line rebuilt around its packed session with the new key: the display prefix
// follows the packed session.
void putSessionKey(TextStore& sessions, int index, std::size_t packedKey, const std::string& key) {
    const std::string packed = withKey(packedOf(sessions.at(index)), packedKey, key);
    sessions.replace(index, buildSessionLine(unpackSession(packed), packed));
}

// The station line with a new SSN: both copies of it changed, the name and ID kept.
std::string stationLineWithKey(const std::string& line, const std::string& ssn) {
    const std::string body = withKey(slice(line, station_line::kBody), 0, ssn);
    return buildStationLine(body, slice(line, station_line::kId, station_line::kIdWidth));
}

// The first heights or fixed line of the old SSN text takes the new one.
void putFirstLineKey(TextStore& store, const std::string& oldSsn, const std::string& newSsn) {
    if (const int found = store.find(oldSsn); found >= 0) {
        store.replace(found, withKey(store.at(found), 0, newSsn));
    }
}

// Every session whose key, read as a number, is `oldKey` takes `newKey`.
int carryIntoSessions(TextStore& sessions, const KeyField& field, long long oldKey, const std::string& newKey) {
    const std::size_t at = session_line::kPrefixWidth + field.packedKey;
    int changed = 0;
    for (int i = 0; i < sessions.count(); ++i) {
        if (keyNumber(sessions.at(i), at, field.width) == oldKey) {
            putSessionKey(sessions, i, field.packedKey, newKey);
            ++changed;
        }
    }
    return changed;
}

// The indexes of the store's lines by the number of the key at `offset`, taken before
// anything changes.
using LinesByKey = std::unordered_map<long long, std::vector<int>>;
LinesByKey linesByKey(const TextStore& store, std::size_t offset, int width) {
    LinesByKey lines;
    for (int i = 0; i < store.count(); ++i) {
        lines[keyNumber(store.at(i), offset, width)].push_back(i);
    }
    return lines;
}

// The heights or fixed lines of an old SSN take the new one; each line changes once.
void carryIntoStationLines(TextStore& store, LinesByKey& before, long long oldSsn, const std::string& newSsn) {
    const auto found = before.find(oldSsn);
    if (found == before.end()) {
        return;
    }
    for (int index : found->second) {
        store.replace(index, withKey(store.at(index), 0, newSsn));
    }
    before.erase(found);
}

} // namespace

const KeyField& keyField(KeyKind kind) {
    switch (kind) {
    case KeyKind::Station:
        return kStation;
    case KeyKind::Instrument:
        return kInstrument;
    case KeyKind::Antenna:
        break;
    }
    return kAntenna;
}

long long typedNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isWhiteSpace(text[i])) {
        ++i;
    }
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    long long number = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        number = std::min(number * 10 + (text[i] - '0'), kNumberCeiling);
    }
    return negative ? -number : number;
}

bool fitsKey(KeyKind kind, long long number) {
    return number >= 0 && number <= keyField(kind).largest;
}

std::string keyText(KeyKind kind, long long number) {
    return zeroFill(static_cast<int>(number), keyField(kind).width);
}

int renumberStation(Project& project, int row, const std::string& newSsn) {
    const std::string line = project.lb_Stations.at(row);
    const std::string oldSsn = slice(line, station_line::kBody, kSsnWidth);
    project.lb_Stations.replace(row, stationLineWithKey(line, newSsn));
    putFirstLineKey(project.lb_86, oldSsn, newSsn);
    putFirstLineKey(project.lb_90, oldSsn, newSsn);
    return carryIntoSessions(project.lb_Sessions, kStation, typedNumber(oldSsn), newSsn);
}

int renumberEquipment(Project& project, KeyKind kind, int row, const std::string& newKey) {
    const KeyField& field = keyField(kind);
    TextStore& store = project.*field.store;
    const std::string line = store.at(row);
    const int holder = store.find(newKey);
    if (holder >= 0 && holder != row) {
        store.remove(row);
    } else {
        store.replace(row, withKey(line, 0, newKey));
    }
    return carryIntoSessions(project.lb_Sessions, field, keyNumber(line, 0, field.width), newKey);
}

// Which record a session, heights or fixed line refers to is taken before anything
// changes, so that a line follows its own record when an earlier record has already been
// given that record's old number. Only the key of a line changes, so a line rewritten
// from its present text equals one rewritten from its text before the command.
void renumberAll(Project& project, KeyKind kind, long long base, long long increment) {
    const KeyField& field = keyField(kind);
    TextStore& store = project.*field.store;
    TextStore& sessions = project.lb_Sessions;
    const LinesByKey sessionsBefore = linesByKey(sessions, session_line::kPrefixWidth + field.packedKey, field.width);
    LinesByKey heightsBefore = linesByKey(project.lb_86, 0, kSsnWidth);
    LinesByKey fixedBefore = linesByKey(project.lb_90, 0, kSsnWidth);
    for (int i = 0; i < store.count(); ++i) {
        const std::string newKey = keyText(kind, base + i * increment);
        const std::string& line = store.at(i);
        const long long oldKey = keyNumber(line, field.lineKey, field.width);
        if (const auto found = sessionsBefore.find(oldKey); found != sessionsBefore.end()) {
            for (int session : found->second) {
                putSessionKey(sessions, session, field.packedKey, newKey);
            }
        }
        if (kind == KeyKind::Station) {
            carryIntoStationLines(project.lb_86, heightsBefore, oldKey, newKey);
            carryIntoStationLines(project.lb_90, fixedBefore, oldKey, newKey);
            store.replace(i, stationLineWithKey(line, newKey));
        } else {
            store.replace(i, withKey(line, 0, newKey));
        }
    }
}

} // namespace ardel
