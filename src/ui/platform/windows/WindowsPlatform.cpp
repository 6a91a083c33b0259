// The system calls of ui/Platform on Windows: every path is given to the wide-character
// calls, and files are always opened in binary, so that no CR is added and no Ctrl-Z
// ends a read.
#include "ui/Platform.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
// after windows.h, whose types they use
#include <shellapi.h>

namespace ardel::ui {

namespace {

constexpr unsigned kNewFilePermissions = 0666; // Windows keeps only a read-only attribute

// A process handle, closed when it goes.
class Process {
public:
    explicit Process(long id)
        : handle_(id > 0 ? ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id)) : nullptr),
          refused_(handle_ == nullptr && ::GetLastError() == ERROR_ACCESS_DENIED) {}
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process() {
        if (handle_ != nullptr) {
            ::CloseHandle(handle_);
        }
    }

    // A process that another user owns exists, though it may not be opened.
    bool exists() const { return refused_ || (handle_ != nullptr && running()); }

    std::wstring programFile() const {
        std::wstring path(MAX_PATH, L'\0');
        DWORD size = static_cast<DWORD>(path.size());
        if (handle_ == nullptr || !running() || !::QueryFullProcessImageNameW(handle_, 0, path.data(), &size)) {
            return {};
        }
        path.resize(size);
        return path;
    }

private:
    bool running() const {
        DWORD code = 0;
        return ::GetExitCodeProcess(handle_, &code) && code == STILL_ACTIVE;
    }

    HANDLE handle_;
    bool refused_;
};

std::wstring ownProgramFile() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD got = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (got == 0) {
            return {};
        }
        if (got < path.size()) {
            path.resize(got);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

bool isRegular(unsigned short mode) {
    return (mode & _S_IFMT) == _S_IFREG;
}

} // namespace

OpenedFile openRegularFile(const std::string& path) {
    const std::filesystem::path file = nativeEntryPath(path);
    struct _stat64 status {};
    if (path.empty() || ::_wstat64(file.c_str(), &status) != 0) {
        return {errno == ENOENT ? OpenResult::Missing : OpenResult::Refused, nullptr};
    }
    if (!isRegular(status.st_mode)) {
        return {OpenResult::Refused, nullptr};
    }
    std::FILE* opened = ::_wfopen(file.c_str(), L"rb");
    if (opened == nullptr) {
        return {OpenResult::Refused, nullptr};
    }
    FileHandle handle(opened);
    if (::_fstat64(::_fileno(opened), &status) != 0 || !isRegular(status.st_mode)) {
        return {OpenResult::Refused, nullptr};
    }
    return {OpenResult::Opened, std::move(handle)};
}

std::string programPath() {
    return utf8Path(std::filesystem::path(ownProgramFile()));
}

long processId() {
    return static_cast<long>(::GetCurrentProcessId());
}

bool programRunning(long id) {
    const std::wstring program = Process(id).programFile();
    const std::wstring own = ownProgramFile();
    return !program.empty() && ::CompareStringOrdinal(program.c_str(), static_cast<int>(program.size()), own.c_str(),
                                                      static_cast<int>(own.size()), TRUE) == CSTR_EQUAL;
}

bool processExists(long id) {
    return Process(id).exists();
}

std::vector<std::string> commandLineArguments(int, char*[]) {
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words != nullptr && i < count; ++i) {
        arguments.push_back(utf8Path(std::filesystem::path(words[i])));
    }
    ::LocalFree(words);
    return arguments;
}

std::tm localTime(std::time_t time) {
    std::tm local{};
    ::localtime_s(&local, &time);
    return local;
}

SaveTarget inspectSaveTarget(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(nativePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? SaveTarget{SaveTarget::State::Missing, kNewFilePermissions}
                   : SaveTarget{SaveTarget::State::Unusable};
    }
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        return {SaveTarget::State::Unusable};
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return {SaveTarget::State::ReadOnly};
    }
    return {SaveTarget::State::Writable, kNewFilePermissions};
}

// The read-only attribute of a folder does not stop new files on Windows; a folder
// whose access rights refuse them fails at the temporary file instead.
bool folderAcceptsNewFiles(const std::string& folder) {
    return folderExists(folder);
}

bool replaceFile(const std::string& from, const std::string& to) {
    return ::MoveFileExW(nativePath(from).c_str(), nativePath(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void flushFolder(const std::string&) {} // MOVEFILE_WRITE_THROUGH has done it

WritableFile WritableFile::createNew(const std::string& path) {
    return WritableFile(::_wopen(nativePath(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                                 _S_IREAD | _S_IWRITE));
}

WritableFile WritableFile::openExisting(const std::string& path) {
    return WritableFile(::_wopen(nativePath(path).c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT));
}

bool WritableFile::write(const char* data, std::size_t size) {
    for (std::size_t done = 0; done < size;) {
        const auto chunk = static_cast<unsigned>(std::min<std::size_t>(size - done, INT_MAX));
        const int n = ::_write(descriptor_, data + done, chunk);
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool WritableFile::truncate(std::uint64_t size) {
    return ::_chsize_s(descriptor_, static_cast<__int64>(size)) == 0;
}

// Windows keeps no permission bits: only the read-only attribute, which a file that is
// saved never has.
bool WritableFile::setPermissions(unsigned) {
    return true;
}

bool WritableFile::flushToDisk() {
    return ::_commit(descriptor_) == 0;
}

bool WritableFile::close() {
    const bool closed = descriptor_ < 0 || ::_close(descriptor_) == 0;
    descriptor_ = -1;
    return closed;
}

} // namespace ardel::ui
