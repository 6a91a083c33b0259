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

constexpr std::size_t kLongestPath = 32768; // in UTF-16 units, with the \\?\ prefix
// A virus scanner or the search indexer may hold a file for a moment.
constexpr int kReplaceAttempts = 5;
constexpr DWORD kReplacePauseMilliseconds = 100;

// The program file a process runs, named alike for every process (a mapped drive, a
// short name or a link in the name it was started by make no difference).
std::wstring imageName(HANDLE process) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD size = static_cast<DWORD>(path.size());
        if (::QueryFullProcessImageNameW(process, 0, path.data(), &size)) {
            path.resize(size);
            return path;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || path.size() >= kLongestPath) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}

// A process handle, closed when it goes.
class Process {
public:
    explicit Process(long id)
        : handle_(id > 0 ? ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, static_cast<DWORD>(id))
                         : nullptr),
          refused_(id > 0 && handle_ == nullptr && ::GetLastError() == ERROR_ACCESS_DENIED) {}
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process() {
        if (handle_ != nullptr) {
            ::CloseHandle(handle_);
        }
    }

    // A process that another user owns exists, though it may not be opened.
    bool exists() const { return refused_ || running(); }
    std::wstring programFile() const { return running() ? imageName(handle_) : std::wstring(); }

private:
    // A process that has ended is signalled; its handle stays valid while it is open.
    bool running() const { return handle_ != nullptr && ::WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

    HANDLE handle_;
    bool refused_;
};

bool isRegular(unsigned short mode) {
    return (mode & _S_IFMT) == _S_IFREG;
}

} // namespace

OpenedFile openRegularFile(const std::string& path) {
    const std::filesystem::path file = nativePath(path);
    if (path.empty() || (file.filename().empty() && file.has_relative_path())) {
        return {folderExists(path) ? OpenResult::Refused : OpenResult::Missing, nullptr}; // named as a folder
    }
    struct _stat64 status {};
    if (::_wstat64(file.c_str(), &status) != 0) {
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
    return utf8Path(std::filesystem::path(imageName(::GetCurrentProcess())));
}

long processId() {
    return static_cast<long>(::GetCurrentProcessId());
}

bool programRunning(long id) {
    const std::wstring program = Process(id).programFile();
    const std::wstring own = imageName(::GetCurrentProcess());
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

// The read-only attribute of a folder does not stop new files on Windows, its access
// rights do: a file that is gone again when it is closed asks them.
bool folderAcceptsNewFiles(const std::string& folder) {
    if (!folderExists(folder)) {
        return false;
    }
    const std::string probe = joinPath(folder, ".ardel-probe-" + std::to_string(processId()));
    const HANDLE file = ::CreateFileW(nativePath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return ::GetLastError() != ERROR_ACCESS_DENIED;
    }
    ::CloseHandle(file);
    return true;
}

bool replaceFile(const std::string& from, const std::string& to) {
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExW(nativePath(from).c_str(), nativePath(to).c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = ::GetLastError();
        if (attempt == kReplaceAttempts || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED)) {
            return false;
        }
        ::Sleep(kReplacePauseMilliseconds);
    }
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
