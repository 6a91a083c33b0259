// What the program asks of the operating system outside the windowing toolkit. Paths
// are UTF-8 text everywhere in the program; they become the system's own form only
// here, so that no path passes through a Windows ANSI code page. The portable part is
// in Platform.cpp, the system calls in platform/posix and platform/windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace ardel::ui {

// A UTF-8 path as the file system's path, and back ("" for a name that is no text).
std::filesystem::path nativePath(const std::string& path);
std::string utf8Path(const std::filesystem::path& path);
// The folder part and the name part of a path, and a name joined to a folder with the
// system's own separator.
std::string parentFolder(const std::string& path);
std::string fileNameOf(const std::string& path);
std::string joinPath(const std::string& folder, const std::string& name);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

enum class OpenResult {
    Opened,
    Missing, // no file of that name
    Refused, // not a regular file (a folder, FIFO, device or socket), or it cannot be opened
};

struct OpenedFile {
    OpenResult result = OpenResult::Missing;
    FileHandle file; // set when opened
};

// Opens a regular file for reading in binary. Nothing else is ever opened, so nothing
// can block: the kind of file is tested before opening, the opening itself does not
// wait, and a file that took the place of the tested one in between is refused.
OpenedFile openRegularFile(const std::string& path);

bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
// Removes a file if it can; a missing file is left as it is.
void removeFile(const std::string& path);
// The path made absolute against the current folder, so that it names the same file
// whatever folder the program is in later; "" and absolute paths stay as they are.
std::string absolutePath(const std::string& path);
bool isAbsolutePath(const std::string& path);
// The path of the running program file.
std::string programPath();
// The id of this process.
long processId();
// True when the process of that id is running this same program file.
bool programRunning(long id);
// True when a process of that id exists, whatever it runs and whoever owns it.
bool processExists(long id);
// The local time of `time`, safely from any thread.
std::tm localTime(std::time_t time);
// The program's arguments (without its own name) as UTF-8: on Windows they are read
// again from the wide command line, since `argv` holds them in the ANSI code page.
std::vector<std::string> commandLineArguments(int argc, char* argv[]);
// Splits a command line into words: blanks separate words, and a word may be
// enclosed in double or single quotes (which may hold blanks).
std::vector<std::string> splitCommandLine(const std::string& line);

// What a save finds where it is to write: the file's state, and the permissions the
// saved file is to get (those of the file it replaces, or those of a new file; Windows
// keeps none, and the saved file has the access rights of a new file in its folder).
struct SaveTarget {
    enum class State { Missing, Writable, ReadOnly, Unusable } state = State::Missing;
    unsigned permissions = 0;
};
SaveTarget inspectSaveTarget(const std::string& path);
// True when new files may be made in the folder.
bool folderAcceptsNewFiles(const std::string& folder);
// Renames `from` to `to`, replacing a file `to` in one step.
bool replaceFile(const std::string& from, const std::string& to);
// Makes a rename in the folder durable, where the system needs that asked for.
void flushFolder(const std::string& folder);

// A file open for writing in binary, closed when it goes.
class WritableFile {
public:
    // A new file that did not exist before; not open when the name is taken.
    static WritableFile createNew(const std::string& path);
    // An existing file, written from its start.
    static WritableFile openExisting(const std::string& path);

    WritableFile() = default;
    WritableFile(WritableFile&& other) noexcept;
    WritableFile& operator=(WritableFile&& other) noexcept;
    WritableFile(const WritableFile&) = delete;
    WritableFile& operator=(const WritableFile&) = delete;
    ~WritableFile() { close(); }

    bool isOpen() const { return descriptor_ >= 0; }
    // Writes all of `data`, or returns false.
    bool write(const char* data, std::size_t size);
    bool truncate(std::uint64_t size);
    bool setPermissions(unsigned permissions);
    // Waits until what was written is on the disk.
    bool flushToDisk();
    bool close();

private:
    explicit WritableFile(int descriptor) : descriptor_(descriptor) {}
    int descriptor_ = -1;
};

} // namespace ardel::ui
