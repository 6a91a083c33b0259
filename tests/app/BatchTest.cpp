// Batch mode: the options, their printed messages and their exit statuses.
#include "app/Batch.h"

#include "support/HeadlessTest.h"

#include <cstdio>
#include <filesystem>

namespace ardel {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;

// A B-file built record by record, numbered 10 apart (six digits, wrapping past
// 999990), each line ending in CR LF.
class BFile {
public:
    BFile& add(const std::string& code, const std::string& body) {
        char number[16];
        sequence_ = (sequence_ + 10) % 1000000;
        std::snprintf(number, sizeof number, "%06d", sequence_);
        const std::string line = number + ("*" + code + "*") + (body + std::string(70, ' ')).substr(0, 70);
        lines_.push_back(line);
        return *this;
    }
    // The whole 80-column line of the n-th record (1-based).
    const std::string& line(std::size_t n) const { return lines_.at(n - 1); }
    std::string text() const {
        std::string out;
        for (const std::string& line : lines_) {
            out += line + "\r\n";
        }
        return out;
    }

private:
    std::vector<std::string> lines_;
    int sequence_ = 0;
};

const std::string kSession1 = "00012416701234JKL00105001";
const std::string kSession2 = "00022416802345MPR00205002";

// A consistent project: two sessions, their stations, instruments and antennas.
BFile cleanFile() {
    BFile file;
    file.add("AB", "HZTLOBS TOVGEOTOVARIN GEODETIC SURVEY                   G1234520240615")
        .add("10", "HARBOUR CONTROL")
        .add("11", "PHASE 2")
        .add("12", "202406202407JKLJANE K LARSEN     MPRMARK P RIVERA                4WAB0")
        .add("13", "NORTH AMERICAN DATUM-83 GRS-80          63781370002982572221          ")
        .add("25", kSession1)
        .add("26", "SUNNY")
        .add("27", "0001240615143001523 215C 163C520101325MB00000")
        .add("25", kSession2)
        .add("27", "0002240615143201611 214C 160C510101320MB00000")
        .add("70", "001GPS      ORBITAL INSTRUMENTSURVEYOR GNSS RECEIVERSG-10   5311K04233")
        .add("70", "002GPS      ORBITAL INSTRUMENTSURVEYOR GNSS RECEIVERSG-10   5311K04871")
        .add("72", "001   ASH700936D_M    SNOW        CR15930")
        .add("72", "002   TRM22020.00+GP              0220192377")
        .add("80", "0001MERIDIAN HARBOUR 1967         47423112345N122201567890W       WAA1")
        .add("86", "0001    42153L21N88                  -1234GA0G")
        .add("80", "0002PIER HEAD RESET               47410250021N122185800512W       WAB1")
        .add("90", "0001TOVGEO                                                      G     ");
    return file;
}

struct Outcome {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Outcome batch(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> status = runBatch(args, out, err);
    return {status, out.str(), err.str()};
}

std::string noStationWarning(const std::string& part) {
    return "Warning: The input B-File is inconsistent. \n"
           "              The session (*25*) record  \n"
           "              " +
           part +
           " \n"
           "              refers to an SSN for which there is no corresponding \n"
           "              station (*80*) record.\n";
}

class Batch : public ::testing::Test {
protected:
    std::string inputWith(const BFile& file) {
        writeFile(in, file.text());
        return in;
    }

    TempDir dir;
    std::string in = dir.path("in.bfl");
    std::string out = dir.path("out.bfl");
};

TEST_F(Batch, WordsWithoutAnOptionAskForTheWindow) {
    EXPECT_EQ(batch({}).status, std::nullopt);
    EXPECT_EQ(batch({"project.bfl"}).status, std::nullopt);
}

TEST_F(Batch, HelpVersionAndUsageErrors) {
    for (const char* option : {"--help", "-h"}) {
        const Outcome help = batch({option});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out, batchUsage());
        EXPECT_EQ(help.err, "");
    }
    EXPECT_NE(batchUsage().find("ardel --convert IN OUT"), std::string::npos);
    for (const char* option : {"--version", "-V"}) {
        const Outcome version = batch({option});
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, "Ardel 5.5.5\n");
    }

    // An unknown option is never taken for a file to open, not even beside one.
    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{{"--bogus"},
                                                                                       {"-x"},
                                                                                       {"-"},
                                                                                       {"project.bfl", "--check"},
                                                                                       {"project.bfl", "-v"},
                                                                                       {"--"},
                                                                                       {"--check"},
                                                                                       {"--check", "a", "b"},
                                                                                       {"--convert", "a"},
                                                                                       {"--convert", "a", "b", "c"},
                                                                                       {"--help", "x"},
                                                                                       {"--version", "x"}}) {
        const Outcome usage = batch(wrong);
        EXPECT_EQ(usage.status, 64) << wrong.front() << " with " << wrong.size() - 1 << " words";
        EXPECT_EQ(usage.out, "");
        EXPECT_EQ(usage.err, batchUsage());
    }
}

TEST_F(Batch, CheckPrintsWhatOpenWouldShow) {
    EXPECT_EQ(batch({"--check", dir.path("missing.bfl")}).out, "Error: The Input File Does Not Exist\n");
    EXPECT_EQ(batch({"--check", dir.path("missing.bfl")}).status, 2);

    const Outcome clean = batch({"--check", inputWith(cleanFile())});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "");

    BFile duplicate = cleanFile();
    duplicate.add("80", "0002SECOND PIER HEAD");
    const Outcome duplicated = batch({"--check", inputWith(duplicate)});
    EXPECT_EQ(duplicated.status, 1);
    EXPECT_EQ(duplicated.out, "Duplicate Found: A record with the Station Serial Number 0002 already exists.\n"
                              "The *80* record below will be ignored\n" +
                                  duplicate.line(19) + "\n");

    // every such warning is printed: none can be silenced here
    BFile missingStations = cleanFile();
    missingStations.add("25", "00072416701234JKL00105001").add("25", "00082416701234JKL00105001");
    const Outcome missing = batch({"--check", inputWith(missingStations)});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out,
              noStationWarning("00072416701234JKL00105001") + noStationWarning("00082416701234JKL00105001"));
    EXPECT_EQ(batch({"--check", in}).err, "");
}

TEST_F(Batch, CheckStopsWithStatusTwoOnAReadError) {
    BFile stopped = cleanFile();
    stopped.add("86", "0009    42153L21N88");
    const Outcome stoppedRun = batch({"--check", inputWith(stopped)});
    EXPECT_EQ(stoppedRun.status, 2);
    EXPECT_EQ(stoppedRun.out, "Error: *86* record found in input without corresponding *80* record\n"
                              "               " +
                                  stopped.line(19) + "\n\n");
}

TEST_F(Batch, ConvertWritesTheProjectAsSaveAsDoes) {
    const BFile file = cleanFile();
    writeFile(out, "an older file");
    const Outcome converted = batch({"--convert", inputWith(file), out});
    EXPECT_EQ(converted.status, 0);
    EXPECT_EQ(converted.out, "");
    BFile expected = file;
    expected.add("AB", "");
    EXPECT_EQ(readFile(out), expected.text());

    // the messages of the reading are printed and the project is still written
    BFile duplicate = cleanFile();
    duplicate.add("70", "001 REPEATED");
    const Outcome warned = batch({"--convert", inputWith(duplicate), out});
    EXPECT_EQ(warned.status, 1);
    EXPECT_EQ(warned.out, "Duplicate Found: A record with the Job Specific Instrument Number 001 already exists.\n"
                          "The *70* record below will be ignored\n" +
                              duplicate.line(19) + "\n");
    EXPECT_EQ(readFile(out), expected.text());
}

TEST_F(Batch, ConvertLeavesTheOutputAloneWhenTheInputCannotBeRead) {
    EXPECT_EQ(batch({"--convert", dir.path("missing.bfl"), out}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(ui::nativePath(out)));

    BFile stopped = cleanFile();
    stopped.add("90", "0009");
    writeFile(out, "an older file");
    EXPECT_EQ(batch({"--convert", inputWith(stopped), out}).status, 2);
    EXPECT_EQ(readFile(out), "an older file");
}

TEST_F(Batch, ConvertToAnUnwritableOutputLeavesNothing) {
    const std::string unwritable = dir.path("missing/out.bfl");
    const Outcome missingFolder = batch({"--convert", inputWith(cleanFile()), unwritable});
    EXPECT_EQ(missingFolder.status, 3);
    EXPECT_EQ(missingFolder.out, "Cannot Write File: Cannot write to file " + unwritable +
                                     ".\n File may be marked read-only or may be in use by another program.\n");
    EXPECT_FALSE(std::filesystem::exists(ui::nativePath(dir.path("missing"))));

    writeFile(out, "read-only");
    std::filesystem::permissions(ui::nativePath(out), std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::group_read |
                                                          std::filesystem::perms::others_read);
    EXPECT_EQ(batch({"--convert", in, out}).status, 3);
    EXPECT_EQ(readFile(out), "read-only");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ui::nativePath(dir.path(""))), {}), 2)
        << "no temporary file";
}

TEST_F(Batch, ConvertRefusesAProjectTooLargeForABFile) {
    // the clean project's 19 records (its last one included) and 11 sessions of 10,000 records
    BFile large = cleanFile();
    for (int session = 0; session < 11; ++session) {
        large.add("25", kSession1);
        for (int i = 0; i < 9999; ++i) {
            large.add("27", "0001240615143001523 215C 163C520101325MB00000");
        }
    }
    const Outcome refused = batch({"--convert", inputWith(large), out});
    EXPECT_EQ(refused.status, 3);
    EXPECT_EQ(refused.out, "Cannot Write File: This project needs 110019 records, but a B-file holds at most 99999\n"
                           "(sequence numbers end at 999990). Nothing was written.\n");
    EXPECT_FALSE(std::filesystem::exists(ui::nativePath(out)));
}

} // namespace
} // namespace ardel
