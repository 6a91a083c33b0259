#include "ui/Platform.h"

#include <string>
#include <system_error>
#include <utility>

namespace ardel::ui {

namespace {

// The path without a separator at its end: Windows finds no folder named so.
std::filesystem::path nativeEntryPath(const std::string& path) {
    std::filesystem::path entry = nativePath(path);
    return entry.has_relative_path() && entry.filename().empty() ? entry.parent_path() : entry;
}

} // namespace

std::filesystem::path nativePath(const std::string& path) {
    try {
        return std::filesystem::path(std::u8string(path.begin(), path.end()));
    } catch (const std::exception&) {
        return {}; // not UTF-8 where the system needs it: names no file
    }
}

std::string utf8Path(const std::filesystem::path& path) {
    try {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    } catch (const std::exception&) {
        return {}; // a Windows name that is no text (a lone UTF-16 surrogate)
    }
}

std::string parentFolder(const std::string& path) {
    return utf8Path(nativePath(path).parent_path());
}

std::string fileNameOf(const std::string& path) {
    return utf8Path(nativePath(path).filename());
}

std::string joinPath(const std::string& folder, const std::string& name) {
    return utf8Path((nativePath(folder) / nativePath(name)).make_preferred());
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(nativePath(path), error);
}

bool folderExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(nativeEntryPath(path), error);
}

void removeFile(const std::string& path) {
    std::error_code error;
    std::filesystem::remove(nativePath(path), error);
}

std::string absolutePath(const std::string& path) {
    std::error_code error;
    if (path.empty() || isAbsolutePath(path)) {
        return path;
    }
    const auto absolute = std::filesystem::absolute(nativePath(path), error);
    return error ? path : utf8Path(absolute.lexically_normal());
}

bool isAbsolutePath(const std::string& path) {
    return nativePath(path).is_absolute();
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

WritableFile::WritableFile(WritableFile&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}

WritableFile& WritableFile::operator=(WritableFile&& other) noexcept {
    if (this != &other) {
        close();
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

} // namespace ardel::ui
