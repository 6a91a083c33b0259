#include "model/Lines.h"

#include "ui/Text.h"

#include <cstdlib>

namespace ardel {

std::string slice(std::string_view text, std::size_t offset, std::size_t width) {
    if (offset >= text.size()) {
        return {};
    }
    return std::string(text.substr(offset, width));
}

std::string fit(std::string_view text, std::size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

int leadingInt(std::string_view text) {
    return std::atoi(std::string(text).c_str());
}

std::string zeroFill(int number, int width) {
    return ui::format("%-*.*d", width, width, number);
}

std::string buildStationLine(std::string_view body, std::string_view id) {
    using namespace station_line;
    return fit(slice(body, kSsn, station_line::kSsnWidth), station_line::kSsnWidth) + "  " +
           fit(slice(body, kBodyName, kNameWidth), kNameWidth) + "  " + fit(id, kIdWidth) + std::string(body);
}

std::string SessionWorkArea::occupation(int i) const {
    return slice(occupations, static_cast<std::size_t>(i) * packed_session::kOccupationWidth,
                 packed_session::kOccupationWidth);
}

SessionWorkArea unpackSession(std::string_view packed) {
    using namespace packed_session;
    SessionWorkArea session;
    session.part25 = slice(packed, 0, kPartWidth);
    session.commentCount = leadingInt(slice(packed, kCommentCount, 4));
    session.occupationCount = leadingInt(slice(packed, kOccupationCount, 4));
    const std::size_t commentLength =
        session.commentCount < 1 ? 0 : (kCommentWidth + 2) * static_cast<std::size_t>(session.commentCount) - 2;
    session.comments = slice(packed, kTexts, commentLength);
    session.occupations = slice(packed, kTexts + commentLength);
    return session;
}

std::string packSession(const SessionWorkArea& session) {
    const std::string& part = session.part25;
    const std::string rightJustified = part.size() < packed_session::kPartWidth
                                           ? std::string(packed_session::kPartWidth - part.size(), ' ') + part
                                           : part;
    return rightJustified + ui::format("%4.4d%4.4d", session.commentCount, session.occupationCount) + session.comments +
           session.occupations;
}

std::string buildSessionLine(const SessionWorkArea& session, std::string_view packed) {
    const bool hasOccupation = session.occupationCount > 0 && session.occupations.size() >= 10;
    const std::string date = hasOccupation ? slice(session.occupations, 0, 6) : std::string(6, ' ');
    const std::string time = hasOccupation ? slice(session.occupations, 6, 4) : std::string(4, ' ');
    const std::string prefix = fit(slice(session.part25, 0, 4), 4) + "  " + fit(date, 6) + "  " + fit(time, 4) + "  " +
                               fit(slice(session.part25, packed_session::kId, 4), 4) + "      ";
    return prefix + std::string(packed);
}

std::string packedOf(std::string_view sessionLine) {
    return slice(sessionLine, session_line::kPrefixWidth);
}

} // namespace ardel
