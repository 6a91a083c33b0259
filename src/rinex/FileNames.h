// What the name of an observation file tells: the session character of a RINEX 2
// name (ssssdddf.yyt) and the start, period and interval of a RINEX 3/4 long name
// (SSSSMRCCC_S_YYYYDDDHHMM_PPU_IIU_DT.fff), compression suffixes allowed after both.
#pragma once

#include "rinex/TimeSystems.h"

#include <optional>
#include <string>
#include <string_view>

namespace ardel::rinex {

// The file name without its folder.
std::string baseName(std::string_view path);

// The session letter of a RINEX 2 name whose session character is a-x (either case),
// upper-cased; nothing for "0" (a whole day), another character or another name.
std::optional<char> sessionLetterOfName(std::string_view fileName);

// A long name's start epoch, period and interval (seconds).
struct LongName {
    Epoch start;
    double period = 0;
    double interval = 0;
};
std::optional<LongName> parseLongName(std::string_view fileName);

// The end a long name implies: its start plus its period minus its interval.
Epoch endOf(const LongName& name);

} // namespace ardel::rinex
