// What the instrument and antenna editors share: reading a fixed-column field of a
// record body, and the tests that keep the keys (JSIN, JSAN) of a store unique.
#pragma once

#include "model/TextStore.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ardel {

// Where the instrument (*70*) and antenna (*72*) bodies keep their codes, after the
// 3-character JSIN or JSAN: the equipment code (3 characters) and the antenna code
// (20 characters: antenna type and radome).
inline constexpr std::size_t kInstrumentCodeOffset = 3;
inline constexpr std::size_t kAntennaCodeOffset = 6;

// The *70* body: JSIN, equipment code, 6 blanks, manufacturer, type, model, serial number.
inline constexpr const char* kInstrumentBodyFormat = "%-3.3s%-3.3s      %-18.18s%-22.22s%-8.8s%-10.10s";
inline constexpr std::size_t kInstrumentSerialOffset = 60;
inline constexpr std::size_t kInstrumentSerialWidth = 10;

// The *72* body: JSAN, 3 blanks, antenna code (type and radome), 8 blanks, serial number
// in 20 columns, 16 blanks.
inline constexpr const char* kAntennaBodyFormat = "%-3.3s   %-20.20s        %-20.20s                ";
inline constexpr std::size_t kAntennaSerialOffset = 34;
inline constexpr std::size_t kAntennaSerialWidth = 20;

// The body's characters [offset, offset + width), as far as the body reaches.
std::string fieldOf(std::string_view body, std::size_t offset, std::size_t width);
// The same without its trailing blanks.
std::string trimmedFieldOf(std::string_view body, std::size_t offset, std::size_t width);

// A new record's key is refused when a line of the store begins with the typed text
// (letter case ignored): with key 100 present, 1 and 10 are refused too, and so is an
// empty text whenever the store holds a line.
bool newKeyInUse(const TextStore& store, std::string_view typed);

// An existing record, stored under `original`, that is given the typed key: refused
// when the key as the record writes it (`width` columns, blank-padded, cut) differs
// from `original` (letter case ignored) and another line of the store has that key.
bool changedKeyInUse(const TextStore& store, std::string_view typed, std::string_view original, std::size_t width);

} // namespace ardel
