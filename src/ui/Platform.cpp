#include "ui/Platform.h"

#include <filesystem>
#include <string>
#include <system_error>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ardel::ui {

bool fileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

OpenedFile openRegularFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return {errno == ENOENT || errno == ENOTDIR ? OpenResult::Missing : OpenResult::Refused, nullptr};
    }
    if (!S_ISREG(status.st_mode)) {
        return {OpenResult::Refused, nullptr};
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return {OpenResult::Refused, nullptr};
    }
    std::FILE* file = nullptr;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        file = ::fdopen(descriptor, "rb");
    }
    if (file == nullptr) {
        ::close(descriptor);
        return {OpenResult::Refused, nullptr};
    }
    return {OpenResult::Opened, FileHandle(file)};
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

bool processExists(long id) {
    return id > 0 && (::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM);
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
