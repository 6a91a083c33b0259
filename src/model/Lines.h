// The layouts of the lines the stores hold: the station line (display prefix +
// *80* body), the session line (display prefix + packed session), the packed
// session and the session work area it is unpacked into.
#pragma once

#include <string>
#include <string_view>

namespace ardel {

// Station line: SSN(4) 2 blanks name(30) 2 blanks ID(4) body(70).
namespace station_line {
constexpr std::size_t kSsn = 0, kSsnWidth = 4;
constexpr std::size_t kName = 6, kNameWidth = 30;
constexpr std::size_t kId = 38, kIdWidth = 4;
constexpr std::size_t kBody = 42, kBodyWidth = 70;
constexpr std::size_t kBodyName = 4; // the station name's place in the *80* body
} // namespace station_line

// Session line: SSN(4) 2 blanks DATE(6) 2 blanks TIME(4) 2 blanks ID(4) 6 blanks packed session.
namespace session_line {
constexpr std::size_t kPrefixWidth = 30;
} // namespace session_line

// Packed session: *25* part(25) comment count(4) occupation count(4) comments occupations.
namespace packed_session {
constexpr std::size_t kPartWidth = 25;
constexpr std::size_t kCommentCount = 25, kOccupationCount = 29, kTexts = 33;
constexpr std::size_t kSsn = 0, kId = 10, kIdWidth = 4;
constexpr std::size_t kJsin = 17, kJsan = 22, kEquipmentWidth = 3;
constexpr std::size_t kMediaId = 4, kMediaIdWidth = 10;
constexpr std::size_t kInitials = 14;
constexpr std::size_t kCableLength = 20, kCableLengthWidth = 2;
// Inside the media identifier: manufacturer code(1) day of year(3) year digit(1) session letter(1) ID(4).
constexpr std::size_t kManufacturer = 4, kDayOfYear = 5, kDayOfYearWidth = 3, kYearDigit = 8, kSessionLetter = 9;
constexpr std::size_t kCommentWidth = 70;    // one comment line, joined to the next by CR LF
constexpr std::size_t kOccupationWidth = 41; // one *27* occupation entry
} // namespace packed_session

// Record keys at the start of a body or line.
constexpr std::size_t kSsnWidth = 4;
constexpr std::size_t kJsinWidth = 3;
constexpr std::size_t kJsanWidth = 3;

// One unpacked session.
struct SessionWorkArea {
    std::string part25;      // the first 25 characters of the *25* body
    std::string comments;    // comment lines of 70 characters joined by CR LF
    std::string occupations; // 41-character occupation entries, one after the other
    int commentCount = 0;
    int occupationCount = 0;

    std::string ssn() const { return part25.substr(0, kSsnWidth); }
    // Occupation entry i (41 characters, or fewer when the text is short).
    std::string occupation(int i) const;
};

// The text of `text` at [offset, offset + width), cut at its end; never throws.
std::string slice(std::string_view text, std::size_t offset, std::size_t width = std::string_view::npos);
// Left-justified and blank-padded or cut to `width` ("%-w.ws").
std::string fit(std::string_view text, std::size_t width);
// The leading decimal integer of a text, as C's atoi reads it (0 when there is none).
int leadingInt(std::string_view text);
// A key written zero-filled: zeroFill(7, 4) is "0007".
std::string zeroFill(int number, int width);

std::string buildStationLine(std::string_view body, std::string_view id);
SessionWorkArea unpackSession(std::string_view packed);
std::string packSession(const SessionWorkArea& session);
std::string buildSessionLine(const SessionWorkArea& session, std::string_view packed);
// The packed session of a session line: the line without its 30-character prefix.
std::string packedOf(std::string_view sessionLine);

} // namespace ardel
