// The system calls of ui/Platform on Linux and the other POSIX systems.
#include "ui/Platform.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ardel::ui {

namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kNewFileMode = 0666; // before the umask, as an ordinary new file gets

bool hasWriteBit(const struct stat& info) {
    return (info.st_mode & kAnyWriteBit) != 0;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

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

std::vector<std::string> commandLineArguments(int argc, char* argv[]) {
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

std::tm localTime(std::time_t time) {
    std::tm local{};
    ::localtime_r(&time, &local);
    return local;
}

// The superuser passes access(), so the permission bits are looked at too.
SaveTarget inspectSaveTarget(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? SaveTarget{SaveTarget::State::Missing, kNewFileMode & ~currentUmask()}
                               : SaveTarget{SaveTarget::State::Unusable};
    }
    if (!S_ISREG(info.st_mode)) {
        return {SaveTarget::State::Unusable}; // a folder or a device
    }
    if (!hasWriteBit(info) || ::access(path.c_str(), W_OK) != 0) {
        return {SaveTarget::State::ReadOnly};
    }
    return {SaveTarget::State::Writable, static_cast<unsigned>(info.st_mode & 07777)};
}

bool folderAcceptsNewFiles(const std::string& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && hasWriteBit(info) &&
           ::access(folder.c_str(), W_OK) == 0;
}

bool replaceFile(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

void flushFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

WritableFile WritableFile::createNew(const std::string& path) {
    return WritableFile(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
}

WritableFile WritableFile::openExisting(const std::string& path) {
    return WritableFile(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
}

bool WritableFile::write(const char* data, std::size_t size) {
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = ::write(descriptor_, data + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool WritableFile::truncate(std::uint64_t size) {
    return ::ftruncate(descriptor_, static_cast<off_t>(size)) == 0;
}

bool WritableFile::setPermissions(unsigned permissions) {
    return ::fchmod(descriptor_, static_cast<mode_t>(permissions)) == 0;
}

bool WritableFile::flushToDisk() {
    return ::fsync(descriptor_) == 0;
}

bool WritableFile::close() {
    const bool closed = descriptor_ < 0 || ::close(descriptor_) == 0;
    descriptor_ = -1;
    return closed;
}

} // namespace ardel::ui
