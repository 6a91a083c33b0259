#include "rinex/CompressedFile.h"

#include "ui/Platform.h"

#include <archive.h>
#include <archive_entry.h>
#include <streambuf>
#include <vector>

namespace ardel::rinex {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

std::string refusalOf(const std::string& path, ui::OpenResult result) {
    if (result == ui::OpenResult::Missing) {
        return "No such file or directory";
    }
    if (ui::folderExists(path)) {
        return "is a folder";
    }
    return ui::fileExists(path) ? "cannot be opened" : "is not a regular file";
}

} // namespace

// The decompressed bytes of the archive's first entry, block by block.
class CompressedFile::Buffer : public std::streambuf {
public:
    Buffer() : archive_(archive_read_new()), block_(kBlockSize) {}
    ~Buffer() override { archive_read_free(archive_); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    // Empty when the file's first entry was found, else why not.
    std::string open(ui::FileHandle file) {
        file_ = std::move(file);
        archive_read_support_filter_all(archive_);
        archive_read_support_format_zip(archive_);
        archive_read_support_format_raw(archive_);
        archive_entry* entry = nullptr;
        if (archive_read_open_FILE(archive_, file_.get()) != ARCHIVE_OK ||
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
    ui::FileHandle file_; // closed after the archive that reads it is freed
    archive* archive_;
    std::vector<char> block_;
};

CompressedFile::CompressedFile(const std::string& path) : buffer_(std::make_unique<Buffer>()) {
    ui::OpenedFile opened = ui::openRegularFile(path);
    error_ = opened.result == ui::OpenResult::Opened ? buffer_->open(std::move(opened.file))
                                                     : refusalOf(path, opened.result);
    stream_ = std::make_unique<std::istream>(buffer_.get());
    if (failed()) {
        stream_->setstate(std::ios::badbit);
    }
}

CompressedFile::~CompressedFile() = default;

} // namespace ardel::rinex
