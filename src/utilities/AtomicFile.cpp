#include "utilities/AtomicFile.h"

#include <cerrno>
#include <filesystem>
#include <streambuf>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ardel {

namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kNewFileMode = 0666; // before the umask, as an ordinary new file gets

// A stream buffer onto a file descriptor that checks every write. A test's
// failAfterBytes makes it fail once that many bytes have reached the file.
class CheckedFileBuffer : public std::streambuf {
public:
    CheckedFileBuffer(int fd, std::optional<std::size_t> failAfterBytes)
        : fd_(fd), failAfterBytes_(failAfterBytes), buffer_(64 * 1024) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }

protected:
    int_type overflow(int_type c) override {
        if (!drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain() {
        const auto pending = static_cast<std::size_t>(pptr() - pbase());
        const bool written = writeAll(pbase(), pending);
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return written;
    }

    bool writeAll(const char* data, std::size_t size) {
        std::size_t allowed = size;
        if (failAfterBytes_) {
            allowed = std::min(size, *failAfterBytes_ - std::min(*failAfterBytes_, total_));
        }
        for (std::size_t done = 0; done < allowed;) {
            const ssize_t n = ::write(fd_, data + done, allowed - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false;
            }
            done += static_cast<std::size_t>(n);
            total_ += static_cast<std::size_t>(n);
        }
        return allowed == size;
    }

    int fd_;
    std::optional<std::size_t> failAfterBytes_;
    std::vector<char> buffer_;
    std::size_t total_ = 0;
};

bool hasWriteBit(const struct stat& info) {
    return (info.st_mode & kAnyWriteBit) != 0;
}

// The folder must exist and be writable: by its permission bits as well as for this
// user (the superuser passes access(), so the bits are looked at too).
bool folderWritable(const std::string& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && hasWriteBit(info) &&
           ::access(folder.c_str(), W_OK) == 0;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The permissions the saved file gets: those of the file it replaces, or those of
// an ordinary new file.
std::optional<mode_t> permissionsFor(const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            return kNewFileMode & ~currentUmask();
        }
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode) || !hasWriteBit(info) || ::access(target.c_str(), W_OK) != 0) {
        return std::nullopt; // a folder, a device, or a read-only file
    }
    return info.st_mode & 07777;
}

// A link is replaced at the file it points to, so that the link itself stays.
std::string resolvedTarget(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const auto target = std::filesystem::weakly_canonical(path, error);
        if (!error) {
            return target.string();
        }
    }
    return path;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A new file with a unique hidden name beside the target (".name.XXXXXX"). It is
// removed again, whatever happens, unless release() says it has been renamed into place.
class TemporaryFile {
public:
    TemporaryFile(const std::string& folder, const std::string& name)
        : path_(pathTemplate(folder, name)), fd_(::mkstemp(path_.data())) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        close();
        if (owned_) {
            ::unlink(path_.c_str());
        }
    }

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    bool close() {
        const bool closed = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }
    void release() { owned_ = false; }

private:
    static std::string pathTemplate(const std::string& folder, const std::string& name) {
        std::string hidden(1, '.');
        hidden.append(name).append(".XXXXXX");
        return (std::filesystem::path(folder) / hidden).string();
    }

    std::string path_;
    int fd_;
    bool owned_ = fd_ >= 0;
};

bool writeTemporary(int fd, mode_t mode, const std::function<bool(std::ostream&)>& write) {
    CheckedFileBuffer buffer(fd, writeFaults().failAfterBytes);
    std::ostream out(&buffer);
    const bool complete = write(out) && out.flush() && out.good();
    return complete && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
}

} // namespace

WriteFaults& writeFaults() {
    static WriteFaults faults;
    return faults;
}

bool saveAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write) {
    const std::filesystem::path target = resolvedTarget(path);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : std::string(".");
    const std::optional<mode_t> mode = permissionsFor(target.string());
    if (target.filename().empty() || !mode || !folderWritable(folder)) {
        return false;
    }
    TemporaryFile temporary(folder, target.filename().string());
    if (!temporary.isOpen() || !writeTemporary(temporary.fd(), *mode, write) || !temporary.close() ||
        writeFaults().failRename || ::rename(temporary.path().c_str(), target.c_str()) != 0) {
        return false;
    }
    temporary.release();
    syncFolder(folder);
    return true;
}

} // namespace ardel
