// Renumbering of stations, instruments and antennas in the project stores: a new
// key for one record or for a whole list, carried into every line that refers to
// it (the sessions always, a station's heights and fixed lines too). The list order
// never changes; only key characters and the session display prefixes do.
#pragma once

#include "model/Project.h"

#include <string>
#include <string_view>

namespace ardel {

enum class KeyKind { Station, Instrument, Antenna };

// What differs between the three kinds of key.
struct KeyField {
    const char* kindWord;  // "Station", "Instrument", "Antenna"
    int width;             // digits of the key: 4 for an SSN, 3 for a JSIN or JSAN
    int largest;           // the largest number the key's field holds
    std::size_t lineKey;   // where a line of the kind's store holds the key
    std::size_t packedKey; // where a packed session holds it
    TextStore Project::*store;
};

const KeyField& keyField(KeyKind kind);

// A typed number: the text's leading decimal integer as atoi reads it (blanks skipped,
// an optional sign, digits up to the first other character; 0 when there are none),
// but never overflowing: a number too long for any key stays far beyond every field.
long long typedNumber(std::string_view text);
bool fitsKey(KeyKind kind, long long number);
// The key text of a number, zero-filled to the kind's width ("0012", "001").
std::string keyText(KeyKind kind, long long number);

// Gives the station at `row` the key `newSsn` (both copies in its line, the ID kept),
// and carries it into the station's first heights and fixed lines and into every
// session whose SSN, read as a number, was the station's. Returns the sessions changed.
int renumberStation(Project& project, int row, const std::string& newSsn);

// Gives the instrument or antenna at `row` the key `newKey` and carries it into every
// session that used its old key. When `newKey` belongs to another record, the record at
// `row` is removed instead: that other record stands for both from now on.
// Returns the sessions changed.
int renumberEquipment(Project& project, KeyKind kind, int row, const std::string& newKey);

// Numbers every line of the kind's store base + i * increment in list order. Each
// session, heights and fixed line follows the record it referred to before the call,
// however the old and new numbers overlap. The caller has checked that the numbers fit.
void renumberAll(Project& project, KeyKind kind, long long base, long long increment);

} // namespace ardel
