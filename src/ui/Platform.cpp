#include "ui/Platform.h"

#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

namespace ardel::ui {

bool fileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

std::string absolutePath(const std::string& path) {
    std::error_code error;
    if (path.empty() || isAbsolutePath(path)) {
        return path;
    }
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

bool isAbsolutePath(const std::string& path) {
    return std::filesystem::path(path).is_absolute();
}

std::string programPath() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

long processId() {
    return static_cast<long>(::getpid());
}

bool programRunning(long id) {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/" + std::to_string(id) + "/exe", error);
    return !error && path.string() == programPath();
}

std::vector<std::string> splitCommandLine(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string word;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            if (line[i] == '"' || line[i] == '\'') {
                const char quote = line[i++];
                while (i < line.size() && line[i] != quote) {
                    word += line[i++];
                }
                if (i < line.size()) {
                    ++i;
                }
            } else {
                word += line[i++];
            }
        }
        words.push_back(word);
    }
    return words;
}

} // namespace ardel::ui
