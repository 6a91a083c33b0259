// What a caller can learn from a read besides the stores: the line each kept record
// came from and the line each message concerns. The project check uses it to report
// at the lines of the file as read.
#pragma once

#include <cstddef>
#include <string_view>

namespace ardel {

class ReadObserver {
public:
    virtual ~ReadObserver() = default;
    // A record kept: its record code ("10" to "13", "25", "27" for the first *27* record
    // of a session, "70", "71" for an antenna converted from an old record, "72", "80",
    // "86", "90"), the index of its line in the store it went into (0 for the header
    // records) and its 1-based line number.
    virtual void kept(std::string_view code, int index, long line) = 0;
    // Told before each message of the read is shown: the message's format (one of
    // ReaderMessages.h) and the 1-based line it concerns, for the session checks the
    // line of the session's *25* record; 0 when no line is known (a session that was in
    // memory before a merge, the notice of converted antennas).
    virtual void reporting(const char* format, long line) = 0;
    // A line longer than 80 columns, of which the first 80 were read: its 1-based line
    // number and its length without the line end.
    virtual void cut(long line, std::size_t length) = 0;
};

} // namespace ardel
