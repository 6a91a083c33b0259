// What the program asks of the operating system outside the windowing toolkit.
#pragma once

#include <string>
#include <vector>

namespace ardel::ui {

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
// Splits a command line into words: blanks separate words, and a word may be
// enclosed in double or single quotes (which may hold blanks).
std::vector<std::string> splitCommandLine(const std::string& line);

} // namespace ardel::ui
