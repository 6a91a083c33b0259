// What a read tells its observer: the line of every record kept, by its code and store
// index, and the line of every message, a session check's at the session's *25*.
#include "bfile/ReaderFixture.h"
#include "bfile/ReaderMessages.h"

namespace ardel {
namespace {

using testing::duplicateText;
using testing::kOldAntennasNotice;
using testing::noInstrumentText;
using testing::occupation;
using testing::part25;
using testing::record;
using testing::stationBody;

class Recorder : public ReadObserver {
public:
    std::vector<std::string> log;

    void kept(std::string_view code, int index, long line) override {
        log.push_back(std::string(code) + " " + std::to_string(index) + " at " + std::to_string(line));
    }
    void reporting(const char* format, long line) override {
        const std::string_view f(format);
        const char* name = f == messages::kDuplicate72            ? "duplicate 72"
                           : f == messages::kNoInstrument         ? "no instrument"
                           : f == messages::kOldAntennasConverted ? "old antennas"
                           : f == messages::k86WithoutStation     ? "86 without station"
                                                                  : "other";
        log.push_back(std::string(name) + " at " + std::to_string(line));
    }
    void cut(long line, std::size_t length) override {
        log.push_back("cut " + std::to_string(length) + " at " + std::to_string(line));
    }
};

class ReaderObserverTest : public testing::ReaderTest {
protected:
    ReadOutcome readObserved(const std::vector<std::string>& records) {
        std::string bytes;
        for (const std::string& line : records) {
            bytes += line + "\r\n";
        }
        testing::writeFile(project.fileName, bytes);
        return readBFile(project, toolkit, warning, false, &recorder);
    }

    Recorder recorder;
};

TEST_F(ReaderObserverTest, KeptRecordsAndMessagesComeWithTheirLines) {
    const std::string first = part25("0005", "ABCD", "001", "001");
    const std::string second = part25("0005", "ABCD", "009", "001");
    const std::vector<std::string> file = {
        record("AB", "HZTLOBS"),                              // 1
        record("10", "TITLE"),                                // 2
        record("12", "202401202412"),                         // 3
        record("25", first),                                  // 4
        record("26", "COMMENT"),                              // 5
        record("27", "0005" + occupation("2401311200")),      // 6
        record("25", second),                                 // 7
        record("70", "001"),                                  // 8
        record("71", "002ASH 700936.A    CR1"),               // 9
        record("72", "001"),                                  // 10
        record("72", "002"),                                  // 11: repeated
        record("80", stationBody("0005", "STATION")) + "CUT", // 12: 83 columns
        record("86", stationBody("0005", "")),                // 13
    };
    toolkit.expectMessage("Duplicate Found", duplicateText("72", "002", file[10]));
    expectPrompt(noInstrumentText(second));
    toolkit.expectMessage("Warning", kOldAntennasNotice);
    EXPECT_EQ(readObserved(file), ReadOutcome::Completed);
    EXPECT_EQ(recorder.log,
              (std::vector<std::string>{"10 0 at 2", "12 0 at 3", "25 0 at 4", "27 0 at 6", "25 1 at 7", "70 0 at 8",
                                        "71 0 at 9", "72 1 at 10", "duplicate 72 at 11", "cut 83 at 12", "80 0 at 12",
                                        "86 0 at 13", "no instrument at 7", "old antennas at 0"}));
}

TEST_F(ReaderObserverTest, AStoppedReadReportsTheLineItStoppedAt) {
    toolkit.expectMessage("Error", ui::format(messages::k86WithoutStation, record("86", "0007").c_str()));
    EXPECT_EQ(
        readObserved({record("AB", "HZTLOBS"), record("80", stationBody("0005", "STATION")), record("86", "0007")}),
        ReadOutcome::Stopped);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"80 0 at 2", "86 without station at 3"}));
}

} // namespace
} // namespace ardel
