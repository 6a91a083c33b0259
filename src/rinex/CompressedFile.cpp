#include "rinex/CompressedFile.h"

#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <cstring>
#include <streambuf>
#include <sys/stat.h>
#include <vector>

namespace ardel::rinex {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

std::string refusalOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::strerror(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return "is a folder";
    }
    if (!S_ISREG(status.st_mode)) {
        return "is not a regular file";
    }
    return {};
}

} // namespace

// The decompressed bytes of the archive's first entry, block by block.
class CompressedFile::Buffer : public std::streambuf {
public:
    Buffer() : archive_(archive_read_new()), block_(kBlockSize) {}
    ~Buffer() override { archive_read_free(archive_); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    // Empty when the file opened and its first entry was found, else why not.
    std::string open(const std::string& path) {
        archive_read_support_filter_all(archive_);
        archive_read_support_format_zip(archive_);
        archive_read_support_format_raw(archive_);
        archive_entry* entry = nullptr;
        if (archive_read_open_filename(archive_, path.c_str(), kBlockSize) != ARCHIVE_OK ||
            archive_read_next_header(archive_, &entry) != ARCHIVE_OK) {
            const char* why = archive_error_string(archive_);
            return why != nullptr ? why : "cannot be read";
        }
        return {};
    }

protected:
    int_type underflow() override {
        if (gptr() < egptr()) {
            return traits_type::to_int_type(*gptr());
        }
        const la_ssize_t got = archive_read_data(archive_, block_.data(), block_.size());
        if (got <= 0) {
            return traits_type::eof();
        }
        setg(block_.data(), block_.data(), block_.data() + got);
        return traits_type::to_int_type(*gptr());
    }

private:
    archive* archive_;
    std::vector<char> block_;
};

CompressedFile::CompressedFile(const std::string& path) : buffer_(std::make_unique<Buffer>()) {
    error_ = refusalOf(path);
    if (error_.empty()) {
        error_ = buffer_->open(path);
    }
    stream_ = std::make_unique<std::istream>(buffer_.get());
    if (failed()) {
        stream_->setstate(std::ios::badbit);
    }
}

CompressedFile::~CompressedFile() = default;

} // namespace ardel::rinex
