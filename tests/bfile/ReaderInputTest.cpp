// The reader's line input, from a file and from memory: line ends, over-long lines,
// binary bytes, buffer boundaries.
#include "bfile/ReadInput.h"
#include "model/Lines.h"
#include "support/HeadlessTest.h"

#include <gtest/gtest.h>

namespace ardel {
namespace {

using testing::TempDir;

std::vector<std::string> linesOf(const std::string& bytes) {
    TempDir dir;
    const std::string path = dir.path("lines.bfl");
    testing::writeFile(path, bytes);
    InputLines input;
    EXPECT_EQ(input.open(path), ui::OpenResult::Opened);
    std::vector<std::string> lines;
    while (input.next()) {
        EXPECT_EQ(input.line().size(), InputLines::kWidth);
        lines.emplace_back(input.line());
    }
    EXPECT_FALSE(input.failed());

    InputLines inMemory;
    inMemory.openBytes(bytes);
    std::vector<std::string> fromBytes;
    while (inMemory.next()) {
        fromBytes.emplace_back(inMemory.line());
    }
    EXPECT_EQ(fromBytes, lines) << "the same bytes read from memory";
    return lines;
}

std::vector<std::string> padded(std::initializer_list<std::string> lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        out.push_back(fit(line, InputLines::kWidth));
    }
    return out;
}

TEST(ReaderInput, SplitsLinesAtLineFeedsAndMakesEachEightyColumns) {
    const std::string eighty(80, 'x');
    const std::string nul("A\0B", 3);
    std::string macintosh; // more than one read buffer of CR-ended lines
    for (int i = 0; i < 1000; ++i) {
        macintosh += std::string(80, 'm') + "\r";
    }
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"CR LF", "AB\r\nCD\r\n", padded({"AB", "CD"})},
        {"LF", "AB\nCD\n", padded({"AB", "CD"})},
        {"no final line break", "AB\r\nCD", padded({"AB", "CD"})},
        {"a CR ending the file", "AB\r\nCD\r", padded({"AB", "CD"})},
        {"a CR inside a line is a column", "A\rB\n", padded({"A\rB"})},
        {"empty file", "", {}},
        {"empty lines", "\n\r\n", padded({"", ""})},
        {"exactly 80", eighty + "\r\nB\r\n", padded({eighty, "B"})},
        {"81 with CR", eighty + "y\r\nB\r\n", padded({eighty, "B"})},
        {"over-long: rest skipped", eighty + std::string(300, 'z') + "\r\nB", padded({eighty, "B"})},
        {"over-long last line", "A\n" + eighty + "zz", padded({"A", eighty})},
        {"79 then CR", std::string(79, 'w') + "\r\n", padded({std::string(79, 'w')})},
        {"NUL bytes are columns", nul + std::string("\n\0\n", 3), padded({nul, std::string(1, '\0')})},
        {"high bytes", "\xE9\xFF\r\n", padded({"\xE9\xFF"})},
        {"no LF at all: lines end at CR", "AB\rCD\r" + eighty + "yy\rE", padded({"AB", "CD", eighty, "E"})},
        {"one LF anywhere: CR is a column", "AB\rCD\rE\n", padded({"AB\rCD\rE"})},
        {"CR lines across the buffer", macintosh, std::vector<std::string>(1000, std::string(80, 'm'))},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(linesOf(c.bytes), c.lines) << c.what;
    }
}

// A line ending just at, or across, the end of the read buffer is read as any other.
TEST(ReaderInput, ReadsLinesAcrossTheBufferBoundary) {
    const std::string filler = std::string(80, 'f') + "\r\n";
    const std::size_t fillerLines = InputLines::kBufferSize / filler.size();
    const std::size_t room = InputLines::kBufferSize - fillerLines * filler.size();
    ASSERT_GT(room, 1u);
    std::string body;
    for (std::size_t i = 0; i < fillerLines; ++i) {
        body += filler;
    }
    // The CR is the buffer's last byte, its LF the next buffer's first.
    const std::string split = std::string(room - 1, 's');
    const std::vector<std::string> lines = linesOf(body + split + "\r\n" + "NEXT\r\n");
    ASSERT_EQ(lines.size(), fillerLines + 2);
    EXPECT_EQ(lines[fillerLines], fit(split, 80));
    EXPECT_EQ(lines[fillerLines + 1], fit("NEXT", 80));

    // A line longer than the buffer keeps its first 80 columns.
    const std::string huge = "H" + std::string(InputLines::kBufferSize * 2, 'h');
    EXPECT_EQ(linesOf(huge + "\nEND"), padded({huge.substr(0, 80), "END"}));
}

} // namespace
} // namespace ardel
