// What identifies the contents of a file as the program last read or wrote it: its
// size, modification time and a checksum of its bytes. Save compares the file's
// present stamp with it to notice a change made by another program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ardel {

struct FileStamp {
    std::uintmax_t size = 0;
    std::int64_t modified = 0; // nanoseconds since the epoch
    std::uint64_t checksum = 0;

    // The same contents: the same size, and the same time or else the same checksum
    // (a file touched but not changed is the same file).
    bool sameContents(const FileStamp& other) const {
        return size == other.size && (modified == other.modified || checksum == other.checksum);
    }
    // "size modified checksum", as the recovery copy keeps it.
    std::string text() const;
    static std::optional<FileStamp> fromText(const std::string& text);
};

// The stamp of the regular file at `path`; nothing when it is missing or cannot be read.
std::optional<FileStamp> stampOf(const std::string& path);

} // namespace ardel
