// The sample files of tests/data/reader beside what reading each of them gives.
#include "bfile/BFileReader.h"
#include "support/HeadlessTest.h"

#include <gtest/gtest.h>

namespace ardel {
namespace {

// Answers every message box with OK and keeps its caption and text.
class RecordingToolkit : public ui::HeadlessToolkit {
public:
    ui::Answer messageBox(const std::string& caption, const std::string& text, ui::Icon, ui::Buttons) override {
        captions.push_back(caption);
        texts.push_back(text);
        return ui::Answer::OK;
    }
    std::vector<std::string> captions;
    std::vector<std::string> texts;
};

struct Sample {
    const char* file;
    ReadOutcome outcome;
    std::vector<std::string> captions;
    int sessions, stations, antennas;
    const char* quoted; // a text the first message quotes, or ""
};

TEST(ReaderFiles, EachSampleReadsAsExpected) {
    const Sample samples[] = {
        {"complete.bfl", ReadOutcome::Completed, {}, 2, 2, 1, ""},
        {"lf-no-final-break.bfl", ReadOutcome::Completed, {}, 2, 2, 1, ""},
        {"old-antennas.bfl", ReadOutcome::Completed, {"Warning"}, 2, 2, 3, "one or more *71* records"},
        {"mismatched-27.bfl", ReadOutcome::Stopped, {"Error"}, 0, 0, 0, "000080*27*0009"},
        {"heights-before-station.bfl", ReadOutcome::Stopped, {"Error"}, 0, 0, 1, "000070*86*0001 HEIGHTS"},
        {"binary-junk.bfl", ReadOutcome::Completed, {}, 0, 1, 0, ""}, // its cut last line is a station
    };
    for (const Sample& sample : samples) {
        SCOPED_TRACE(sample.file);
        RecordingToolkit toolkit;
        Form_Warning warning(toolkit);
        Project project;
        loadConversionTable(project.lb_J2M);
        project.fileName = std::string(ARDEL_TEST_DATA) + "/reader/" + sample.file;
        EXPECT_EQ(readBFile(project, toolkit, warning, false), sample.outcome);
        EXPECT_EQ(toolkit.captions, sample.captions);
        EXPECT_EQ(project.lb_Sessions.count(), sample.sessions);
        EXPECT_EQ(project.lb_Stations.count(), sample.stations);
        EXPECT_EQ(project.lb_Antennas.count(), sample.antennas);
        if (*sample.quoted != '\0' && !toolkit.texts.empty()) {
            EXPECT_NE(toolkit.texts.front().find(sample.quoted), std::string::npos) << toolkit.texts.front();
        }
    }
}

} // namespace
} // namespace ardel
