// Reading SERFILs and defaults files line by line.
#include "utilities/SerfilAndDefaultsFiles.h"

#include "support/HeadlessTest.h"

namespace ardel {
namespace {

using Lines = std::vector<std::string>;

TEST(ImportLines, EndsLinesAtLineFeedAndKeeps81Characters) {
    const std::string s81(81, 'a');
    struct Case {
        const char* what;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"CR LF ends", "AB\r\nCD\r\n", {"AB", "CD"}},
        {"LF ends", "AB\nCD\n", {"AB", "CD"}},
        {"last line without a break", "AB\r\nCD", {"AB", "CD"}},
        {"CR ending the file", "AB\r\nCD\r", {"AB", "CD"}},
        {"empty lines kept", "AB\n\n\nCD\n", {"AB", "", "", "CD"}},
        {"CR inside a line kept", "A\rB\r\n", {"A\rB"}},
        {"81 characters", s81 + "\r\nB\r\n", {s81, "B"}},
        {"82 characters", s81 + "z\r\nB\r\n", {s81, "B"}},
        {"overlong line, rest skipped", s81 + std::string(300, 'z') + "\r\nB", {s81, "B"}},
        {"overlong last line", s81 + "zz", {s81}},
        {"Latin-1 bytes one column each", "\xC4\xD6\xDC=\xE9\r\n", {"\xC4\xD6\xDC=\xE9"}},
    };
    testing::TempDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.path("lines.txt");
        testing::writeFile(path, c.bytes);
        EXPECT_EQ(readImportLines(path), std::optional<Lines>(c.lines)) << c.what;
        std::istringstream in(c.bytes);
        EXPECT_EQ(readImportLines(in), std::optional<Lines>(c.lines)) << c.what << ", from a stream";
    }
    EXPECT_EQ(readImportLines(dir.path("missing.txt")), std::nullopt);
}

// The file is read in pieces of 64 KiB: a CR at the end of one piece and its LF at the
// start of the next still end the line together.
TEST(ImportLines, ALineEndSplitAcrossTwoReadsIsOneLineEnd) {
    std::string bytes = "X\n";
    Lines expected = {"X"};
    for (int i = 0; i < 21845; ++i) {
        bytes += "A\r\n";
        expected.push_back("A");
    }
    ASSERT_EQ(bytes[65535], '\r');
    std::istringstream in(bytes);
    EXPECT_EQ(readImportLines(in), std::optional<Lines>(expected));
}

} // namespace
} // namespace ardel
