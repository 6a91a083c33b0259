#include "rinex/RinexFiles.h"

#include "ui/Platform.h"

#include <archive.h>
#include <archive_entry.h>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace ardel::testing {

namespace {

std::string format(const char* fmt, auto... args) {
    char text[256];
    std::snprintf(text, sizeof text, fmt, args...);
    return text;
}

std::string epochLine(const ObservationContent& content, const EpochTime& t, int flag, int count,
                      bool satellitesInLine) {
    const std::string satellites = satellitesInLine ? "G01G02" : "";
    if (content.version >= 3) {
        return format("> %04d %02d %02d %02d %02d%11.7f  %d%3d", t.year, t.month, t.day, t.hour, t.minute, t.second,
                      flag, count) +
               (content.compact ? "      " + satellites : "");
    }
    return format(" %02d %02d %02d %02d %02d%11.7f  %d%3d", t.year % 100, t.month, t.day, t.hour, t.minute, t.second,
                  flag, count) +
           satellites;
}

// What Compact RINEX stores of an epoch line: blanks where unchanged, "&" where it became blank.
std::string difference(const std::string& previous, const std::string& line) {
    std::string stored;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char before = i < previous.size() ? previous[i] : ' ';
        stored += line[i] == before ? ' ' : line[i] == ' ' ? '&' : line[i];
    }
    return stored.substr(0, stored.find_last_not_of(' ') + 1);
}

std::string timeLine(const EpochTime& t, const std::string& system, const char* label) {
    return headerLine(
        format("%6d%6d%6d%6d%6d%13.7f     %s", t.year, t.month, t.day, t.hour, t.minute, t.second, system.c_str()),
        label);
}

std::string dataPart(const ObservationContent& content) {
    std::string text, previous;
    const bool v3 = content.version >= 3;
    for (std::size_t i = 0; i < content.epochs.size(); ++i) {
        if (i == 1) { // an event between the epochs: a comment record
            const std::string event = epochLine(content, {0, 0, 0, 0, 0, 0}, 4, 1, false);
            const std::string blanked =
                v3 ? "> " + std::string(29, ' ') + event.substr(31) : std::string(28, ' ') + event.substr(28);
            text += (content.compact ? (v3 ? blanked : "&" + blanked.substr(1)) : blanked) + "\n";
            text += headerLine("ANTENNA CHECKED", "COMMENT") + "\n";
            previous.clear();
        }
        const std::string line = epochLine(content, content.epochs[i], 0, 2, content.compact || !v3);
        if (!content.compact) {
            text += line + "\n";
            text += v3 ? "G01  23619095.450 7\nG02  20886075.414 8\n" : "  23619095.450 7\n  20886075.414 8\n";
            continue;
        }
        const std::string stored = previous.empty() ? (v3 ? line : "&" + line.substr(1)) : difference(previous, line);
        text += stored + "\n\n3&23619095450 \n3&20886075414 \n";
        previous = line;
    }
    return text;
}

} // namespace

std::string headerLine(const std::string& data, const std::string& label) {
    std::string line = data;
    line.resize(60, ' ');
    return line + label;
}

std::string observationText(const ObservationContent& content) {
    std::string text;
    auto add = [&](const std::string& data, const char* label) { text += headerLine(data, label) + "\n"; };
    if (content.compact) {
        add(content.version >= 3 ? "3.0                 COMPACT RINEX FORMAT"
                                 : "1.0                 COMPACT RINEX FORMAT",
            "CRINEX VERS   / TYPE");
        add("RNX2CRX ver.4.1.0                       07-Dec-26 21:00", "CRINEX PROG / DATE");
    }
    add(format("%9.2f           OBSERVATION DATA    %s", content.version, content.version >= 3 ? "M" : "G"),
        "RINEX VERSION / TYPE");
    add("teqc  2019Feb25     OPERATOR            20240106 00:00:00UTC", "PGM / RUN BY / DATE");
    add("A COMMENT BEFORE THE MARKER", "COMMENT");
    add(content.marker, "MARKER NAME");
    add("SURVEYOR            AGENCY", "OBSERVER / AGENCY");
    std::string receiver = content.receiverSerial;
    receiver.resize(20, ' ');
    add(receiver + content.receiverType +
            std::string(20 - std::min<std::size_t>(20, content.receiverType.size()), ' ') + "5.45",
        "REC # / TYPE / VERS");
    std::string antenna = content.antennaSerial;
    antenna.resize(20, ' ');
    add(antenna + content.antennaCode, "ANT # / TYPE");
    const char* numbers = content.wideNumbers ? "%15.4f%15.4f%15.4f" : "%14.4f%14.4f%14.4f";
    add(format(numbers, content.x, content.y, content.z), "APPROX POSITION XYZ");
    add(format(numbers, content.deltaH, 0.0, 0.0), "ANTENNA: DELTA H/E/N");
    if (content.version >= 3) {
        add("G    2 C1C L1C", "SYS / # / OBS TYPES");
    } else {
        add("     2    C1    L1", "# / TYPES OF OBSERV");
    }
    add("    30.000", "INTERVAL");
    text += timeLine(content.first, content.timeSystem, "TIME OF FIRST OBS") + "\n";
    if (content.lastInHeader) {
        text += timeLine(content.epochs.back(), content.timeSystem, "TIME OF LAST OBS") + "\n";
    }
    add("", "END OF HEADER");
    return text + dataPart(content);
}

std::string navigationText() {
    return headerLine("     3.04           N: GNSS NAV DATA    G: GPS", "RINEX VERSION / TYPE") + "\n" +
           headerLine("", "END OF HEADER") + "\n";
}

std::string antexText(const std::string& code, double meanUp, const std::string& serial, double ownUp) {
    std::string text =
        headerLine("     1.4            M", "ANTEX VERSION / SYST") + "\n" + headerLine("", "END OF HEADER") + "\n";
    auto antenna = [&](const std::string& number, double up) {
        std::string type = code;
        type.resize(20, ' ');
        text += headerLine("", "START OF ANTENNA") + "\n" + headerLine(type + number, "TYPE / SERIAL NO") + "\n" +
                headerLine("   G02", "START OF FREQUENCY") + "\n" +
                headerLine(format("%10.2f%10.2f%10.2f", 0.5, 0.3, up + 50), "NORTH / EAST / UP") + "\n" +
                headerLine("   G02", "END OF FREQUENCY") + "\n" + headerLine("   G01", "START OF FREQUENCY") + "\n" +
                headerLine(format("%10.2f%10.2f%10.2f", 1.2, -0.4, up), "NORTH / EAST / UP") + "\n" +
                headerLine("   G01", "END OF FREQUENCY") + "\n" + headerLine("", "END OF ANTENNA") + "\n";
    };
    antenna("", meanUp);
    antenna(serial, ownUp);
    return text;
}

void writeMaybeCompressed(const std::string& path, const std::string& text) {
    const auto ends = [&](const std::string& suffix) { return path.ends_with(suffix); };
    if (!ends(".gz") && !ends(".Z") && !ends(".bz2") && !ends(".zip")) {
        std::ofstream(ui::nativePath(path), std::ios::binary) << text;
        return;
    }
    archive* writer = archive_write_new();
    if (ends(".zip")) {
        archive_write_set_format_zip(writer);
    } else {
        archive_write_set_format_raw(writer);
        ends(".gz")  ? archive_write_add_filter_gzip(writer)
        : ends(".Z") ? archive_write_add_filter_compress(writer)
                     : archive_write_add_filter_bzip2(writer);
    }
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, "member.rnx");
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, static_cast<la_int64_t>(text.size()));
    // Written in memory, so that the file is opened by its UTF-8 name on every system;
    // not padded to a whole block, as a compressor's file is not.
    std::string compressed(2 * text.size() + 65536, '\0');
    std::size_t used = 0;
    archive_write_set_bytes_in_last_block(writer, 1);
    if (archive_write_open_memory(writer, compressed.data(), compressed.size(), &used) != ARCHIVE_OK ||
        archive_write_header(writer, entry) != ARCHIVE_OK ||
        archive_write_data(writer, text.data(), text.size()) != static_cast<la_ssize_t>(text.size())) {
        throw std::runtime_error(archive_error_string(writer));
    }
    archive_entry_free(entry);
    archive_write_close(writer);
    archive_write_free(writer);
    std::ofstream(ui::nativePath(path), std::ios::binary) << compressed.substr(0, used);
}

void grs80ToXyz(double latitude, double longitude, double height, double& x, double& y, double& z) {
    constexpr double a = 6378137.0, f = 1 / 298.257222101, pi = 3.14159265358979323846;
    const double e2 = f * (2 - f);
    const double phi = latitude * pi / 180, lambda = longitude * pi / 180;
    const double n = a / std::sqrt(1 - e2 * std::sin(phi) * std::sin(phi));
    x = (n + height) * std::cos(phi) * std::cos(lambda);
    y = (n + height) * std::cos(phi) * std::sin(lambda);
    z = (n * (1 - e2) + height) * std::sin(phi);
}

} // namespace ardel::testing
