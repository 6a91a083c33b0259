#include "utilities/AtomicFile.h"

#include "ui/Platform.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <streambuf>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ardel {

namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kNewFileMode = 0666; // before the umask, as an ordinary new file gets
constexpr std::string_view kTemporaryPrefix = ".ardel-"; // ".ardel-<process id>-XXXXXX"
constexpr std::size_t kTemporaryUniqueWidth = 6;         // mkstemp's XXXXXX
constexpr std::string_view kPreviousCopyPrefix = "previous-";
constexpr std::size_t kMostPreviousCopyName = 200; // bytes of the file's name kept in its copy's name

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

public:
    std::size_t written() const { return total_; }

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

// The file a save replaces, and the permissions the saved file gets: those of the
// file it replaces, or those of an ordinary new file.
struct Target {
    enum class State { Missing, Writable, ReadOnly, Unusable } state;
    mode_t mode = 0;
};

Target inspect(const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        return errno == ENOENT ? Target{Target::State::Missing, kNewFileMode & ~currentUmask()}
                               : Target{Target::State::Unusable};
    }
    if (!S_ISREG(info.st_mode)) {
        return {Target::State::Unusable}; // a folder or a device
    }
    if (!hasWriteBit(info) || ::access(target.c_str(), W_OK) != 0) {
        return {Target::State::ReadOnly};
    }
    return {Target::State::Writable, info.st_mode & 07777};
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

// A new file with a short unique hidden name beside the target. It is removed again,
// whatever happens, unless release() says it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& folder) : path_(pathTemplate(folder)), fd_(::mkstemp(path_.data())) {}
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
    static std::string pathTemplate(const std::string& folder) {
        const std::string name = std::string(kTemporaryPrefix) + std::to_string(ui::processId()) + "-" +
                                 std::string(kTemporaryUniqueWidth, 'X');
        return (std::filesystem::path(folder) / name).string();
    }

    std::string path_;
    int fd_;
    bool owned_ = fd_ >= 0;
};

// The process id in the name of a temporary file; nothing for any other name.
std::optional<long> temporaryFileProcess(const std::string& name) {
    if (name.compare(0, kTemporaryPrefix.size(), kTemporaryPrefix) != 0) {
        return std::nullopt;
    }
    const std::size_t dash = name.find('-', kTemporaryPrefix.size());
    if (dash == std::string::npos || name.size() != dash + 1 + kTemporaryUniqueWidth) {
        return std::nullopt;
    }
    const std::string digits = name.substr(kTemporaryPrefix.size(), dash - kTemporaryPrefix.size());
    if (digits.empty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stol(digits);
}

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
    return saveFile(path, write, std::string()).written();
}

namespace {

bool copyFile(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    return in && saveAtomically(to, [&in](std::ostream& out) {
               std::vector<char> block(64 * 1024);
               while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
                   out.write(block.data(), in.gcount());
               }
               return in.eof() && static_cast<bool>(out);
           });
}

// Closes the descriptor it holds when it goes, whatever happens.
class OpenFile {
public:
    explicit OpenFile(const std::string& path) : fd_(::open(path.c_str(), O_WRONLY | O_CLOEXEC)) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { close(); }
    int fd() const { return fd_; }
    bool close() {
        const bool closed = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

private:
    int fd_;
};

// The previous file is copied into `copyFolder` first; only then is the file itself
// overwritten and cut to its new length.
SaveResult writeInPlace(const std::string& target, const std::function<bool(std::ostream&)>& write,
                        const std::string& copyFolder) {
    const std::string name = std::filesystem::path(target).filename().string();
    const std::string copy =
        (std::filesystem::path(copyFolder) /
         (std::string(kPreviousCopyPrefix) + name.substr(0, std::min(name.size(), kMostPreviousCopyName))))
            .string();
    if (!copyFile(target, copy)) {
        return {SaveRefusal::Folder, std::string()};
    }
    OpenFile file(target);
    bool written = file.fd() >= 0;
    if (written) {
        CheckedFileBuffer buffer(file.fd(), writeFaults().failAfterBytes);
        std::ostream out(&buffer);
        written = write(out) && out.flush() && out.good() &&
                  ::ftruncate(file.fd(), static_cast<off_t>(buffer.written())) == 0 && ::fsync(file.fd()) == 0;
    }
    written = file.close() && written;
    return {written ? SaveRefusal::None : SaveRefusal::Write, copy};
}

SaveResult refusedBy(SaveRefusal refusal) {
    return {refusal, std::string()};
}

} // namespace

SaveResult saveFile(const std::string& path, const std::function<bool(std::ostream&)>& write,
                    const std::string& copyFolder) {
    const std::filesystem::path target = resolvedTarget(path);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : std::string(".");
    const Target file = inspect(target.string());
    if (target.filename().empty() || file.state == Target::State::Unusable) {
        return refusedBy(SaveRefusal::Write);
    }
    if (!folderWritable(folder)) {
        if (file.state == Target::State::Writable && !copyFolder.empty()) {
            return writeInPlace(target.string(), write, copyFolder);
        }
        return refusedBy(file.state == Target::State::ReadOnly ? SaveRefusal::File : SaveRefusal::Folder);
    }
    if (file.state == Target::State::ReadOnly) {
        return refusedBy(SaveRefusal::File);
    }
    removeLeftoverTemporaries(folder);
    TemporaryFile temporary(folder);
    if (!temporary.isOpen() || !writeTemporary(temporary.fd(), file.mode, write) || !temporary.close() ||
        writeFaults().failRename || ::rename(temporary.path().c_str(), target.c_str()) != 0) {
        return refusedBy(SaveRefusal::Write);
    }
    temporary.release();
    syncFolder(folder);
    return {};
}

void removeLeftoverTemporaries(const std::string& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::optional<long> id = temporaryFileProcess(it->path().filename().string());
        std::error_code ignored;
        if (id && *id != ui::processId() && !ui::processExists(*id) && it->is_regular_file(ignored)) {
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

} // namespace ardel
