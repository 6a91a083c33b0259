// What the program asks of the operating system outside the windowing toolkit.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace ardel::ui {

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
// Splits a command line into words: blanks separate words, and a word may be
// enclosed in double or single quotes (which may hold blanks).
std::vector<std::string> splitCommandLine(const std::string& line);

} // namespace ardel::ui
