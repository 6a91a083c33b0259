// Reading a RINEX or ANTEX file as text whether it is plain or compressed (.gz, .Z,
// .bz2, or the first member of a .zip): libarchive decompresses it as it is read, so
// a reader that stops after the header never decompresses the rest. A path that is
// not a regular file (a folder, a FIFO, a device) is refused before it is opened.
#pragma once

#include <istream>
#include <memory>
#include <string>

namespace ardel::rinex {

class CompressedFile {
public:
    // Opens `path`; failed() and error() tell when it cannot be read.
    explicit CompressedFile(const std::string& path);
    ~CompressedFile();
    CompressedFile(const CompressedFile&) = delete;
    CompressedFile& operator=(const CompressedFile&) = delete;

    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    // The decompressed text; reading it after a failure gives nothing.
    std::istream& text() { return *stream_; }

private:
    class Buffer;
    std::string error_;
    std::unique_ptr<Buffer> buffer_;
    std::unique_ptr<std::istream> stream_;
};

} // namespace ardel::rinex
