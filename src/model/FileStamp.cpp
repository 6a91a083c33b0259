#include "model/FileStamp.h"

#include "ui/Platform.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace ardel {

namespace {

// FNV-1a over 64 bits.
constexpr std::uint64_t kChecksumStart = 14695981039346656037ULL;
constexpr std::uint64_t kChecksumPrime = 1099511628211ULL;

std::optional<std::uint64_t> checksumOf(const std::string& path) {
    std::ifstream in(ui::nativePath(path), std::ios::binary);
    std::vector<char> block(64 * 1024);
    std::uint64_t checksum = kChecksumStart;
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            checksum = (checksum ^ static_cast<unsigned char>(block[static_cast<std::size_t>(i)])) * kChecksumPrime;
        }
    }
    return in.eof() ? std::optional(checksum) : std::nullopt;
}

} // namespace

std::string FileStamp::text() const {
    return std::to_string(size) + " " + std::to_string(modified) + " " + std::to_string(checksum);
}

std::optional<FileStamp> FileStamp::fromText(const std::string& text) {
    std::istringstream in(text);
    FileStamp stamp;
    if (!(in >> stamp.size >> stamp.modified >> stamp.checksum)) {
        return std::nullopt;
    }
    return stamp;
}

std::optional<FileStamp> stampOf(const std::string& path) {
    std::error_code error;
    const std::filesystem::path file = ui::nativePath(path);
    if (path.empty() || !std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const auto modified = std::filesystem::last_write_time(file, error);
    const std::optional<std::uint64_t> checksum = checksumOf(path);
    if (error || !checksum) {
        return std::nullopt;
    }
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch());
    return FileStamp{size, static_cast<std::int64_t>(nanoseconds.count()), *checksum};
}

} // namespace ardel
