// A test fixture with a headless toolkit whose script must be played out by the end
// of the test: an expectation left over fails the test.
#pragma once

#include "ui/headless/HeadlessToolkit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace ardel::testing {

class HeadlessTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const std::string& left : toolkit.unusedExpectations()) {
            ADD_FAILURE() << "the program never showed the expected " << left;
        }
    }

    ui::HeadlessToolkit toolkit;
};

// A folder of its own for a test's files, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

private:
    std::filesystem::path dir_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

} // namespace ardel::testing
