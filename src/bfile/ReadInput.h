// The input side of the B-file reader: a file read in binary, line by line, each
// line made exactly one 80-column record.
#pragma once

#include "ui/Platform.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ardel {

// A line ends at a line feed; a carriage return right before it (or right before the
// end of the file) is dropped; each byte is one column. A file that holds no line feed
// at all but carriage returns has its lines end at the carriage returns. A line is blank-padded to 80
// columns, or cut after its 80th with the rest of it skipped. A last line without a
// line break is read like any other; an empty file has no lines. A file is read
// through one large buffer, so a file of any size takes little memory; bytes already
// in memory are read in place.
class InputLines {
public:
    static constexpr std::size_t kWidth = 80;
    static constexpr std::size_t kBufferSize = std::size_t{1} << 16;

    // Opens the file for reading; only a regular file is opened.
    ui::OpenResult open(const std::string& path);
    // Reads the lines of `bytes`, which must outlive the reading.
    void openBytes(std::string_view bytes);
    // Makes the next line current; false at the end of the file or on a read error.
    bool next();
    // The current line: always 80 columns.
    std::string_view line() const { return {line_.data(), line_.size()}; }
    // True when reading stopped on an error rather than at the end of the file.
    bool failed() const { return failed_; }
    // The 1-based number of the current line; 0 before the first.
    long lineNumber() const { return lineNumber_; }
    // The current line's length in the file, without its line end: more than kWidth
    // when it was cut.
    std::size_t length() const { return length_; }

private:
    bool fill();
    bool holdsNoLineFeedButCarriageReturns();
    void restart();

    ui::FileHandle file_;
    std::vector<char> buffer_;
    const char* data_ = nullptr; // the buffer's or the bytes' first character
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    long lineNumber_ = 0;
    std::size_t length_ = 0;
    char lineEnd_ = '\n';
    std::array<char, kWidth> line_{};
};

} // namespace ardel
