#include "rinex/FileNames.h"

#include "ui/Platform.h"

#include <cctype>
#include <regex>

namespace ardel::rinex {

namespace {

// ssssdddf.yyt with t o (observation) or d (Compact RINEX observation).
const std::regex kShortName(R"(^[A-Za-z0-9]{4}[0-9]{3}([A-Za-z0-9])\.[0-9]{2}[oOdD](\..*)?$)");
// SSSSMRCCC_S_YYYYDDDHHMM_PPU_IIU_DT.fff
const std::regex kLongName(
    R"(^[A-Za-z0-9]{9}_[A-Za-z]_([0-9]{4})([0-9]{3})([0-9]{2})([0-9]{2})_([0-9]{2})([MHDY])_([0-9]{2})([CZSMHDU])_[A-Za-z]{2}\..*$)");

double secondsOf(int count, char unit) {
    switch (unit) {
    case 'C':
        return count / 100.0;
    case 'Z':
        return count == 0 ? 0 : 1.0 / count;
    case 'M':
        return count * 60.0;
    case 'H':
        return count * 3600.0;
    case 'D':
        return count * 86400.0;
    case 'Y':
        return count * 365 * 86400.0;
    default: // S, and U (unspecified) taken as seconds
        return count;
    }
}

} // namespace

std::string baseName(std::string_view path) {
    return ui::fileNameOf(std::string(path));
}

std::optional<char> sessionLetterOfName(std::string_view fileName) {
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_match(fileName.begin(), fileName.end(), match, kShortName)) {
        return std::nullopt;
    }
    const char session = static_cast<char>(std::toupper(static_cast<unsigned char>(match.str(1)[0])));
    if (session < 'A' || session > 'X') {
        return std::nullopt;
    }
    return session;
}

std::optional<LongName> parseLongName(std::string_view fileName) {
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_match(fileName.begin(), fileName.end(), match, kLongName)) {
        return std::nullopt;
    }
    auto number = [&](int group) { return std::stoi(match.str(group)); };
    const int dayOfYear = number(2);
    if (dayOfYear < 1 || dayOfYear > 366) {
        return std::nullopt;
    }
    LongName name;
    name.start = addSeconds(Epoch{number(1), 1, 1, number(3), number(4), 0}, (dayOfYear - 1) * 86400.0);
    name.period = secondsOf(number(5), match.str(6)[0]);
    name.interval = secondsOf(number(7), match.str(8)[0]);
    return name;
}

Epoch endOf(const LongName& name) {
    return addSeconds(name.start, name.period - name.interval);
}

} // namespace ardel::rinex
