#include "support/HeadlessTest.h"

#include <atomic>

namespace ardel::testing {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    dir_ = std::filesystem::temp_directory_path() /
           ("ardel-test-" + std::to_string(ui::processId()) + "-" + std::to_string(counter++));
    removeAll(dir_);
    std::filesystem::create_directories(dir_);
}

TempDir::~TempDir() {
    removeAll(dir_);
}

// Also what a test made read-only: a read-only file cannot be removed on Windows.
void TempDir::removeAll(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(folder, error);
}

std::string readFile(const std::string& path) {
    std::ifstream in(ui::nativePath(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(ui::nativePath(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace ardel::testing
