// A test fixture with a headless toolkit whose script must be played out by the end
// of the test: an expectation left over fails the test.
#pragma once

#include "ui/Platform.h"
#include "ui/headless/HeadlessToolkit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace ardel::testing {

class HeadlessTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const std::string& left : toolkit.unusedExpectations()) {
            ADD_FAILURE() << "the program never showed the expected " << left;
        }
    }

    // A message box that the next dialog armed by expectDialogShowing will show.
    void expectInDialog(const std::string& caption, const std::string& text, ui::Answer answer = ui::Answer::OK) {
        inDialog_.push_back({caption, text, answer});
    }
    // The dialog, then the message boxes queued for it by expectInDialog.
    void expectDialogShowing(const std::string& name, ui::HeadlessToolkit::DialogScript script) {
        toolkit.expectDialog(name, std::move(script));
        for (const Message& message : std::exchange(inDialog_, {})) {
            toolkit.expectMessage(message.caption, message.text, message.answer);
        }
    }

    ui::HeadlessToolkit toolkit;

private:
    struct Message {
        std::string caption;
        std::string text;
        ui::Answer answer;
    };
    std::vector<Message> inDialog_;
};

// `count` blanks, as the record bodies pad their fields.
inline std::string blanks(std::size_t count) {
    return std::string(count, ' ');
}

// A folder of its own for a test's files, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name) const { return ui::joinPath(ui::utf8Path(dir_), name); }

private:
    static void removeAll(const std::filesystem::path& folder);
    std::filesystem::path dir_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

} // namespace ardel::testing
