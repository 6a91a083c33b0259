// What the program asks of the operating system outside the windowing toolkit.
#pragma once

#include <string>
#include <vector>

namespace ardel::ui {

bool fileExists(const std::string& path);
// The path of the running program file.
std::string programPath();
// Splits a command line into words: blanks separate words, and a word may be
// enclosed in double or single quotes (which may hold blanks).
std::vector<std::string> splitCommandLine(const std::string& line);

} // namespace ardel::ui
