// Text helpers shared by the whole program: Latin-1 case folding, the prefix
// match used by every list lookup, trailing blanks, and printf-style formatting
// without a length limit.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

namespace ardel::ui {

// Latin-1 lower case of one byte: A-Z and the accented capitals (not the multiplication sign).
char foldCase(char c);
// Latin-1 upper case of one byte: the inverse of foldCase (ß and ÿ have no capital here).
char upperCase(char c);
std::string upperCase(std::string_view text);

// True when `text` begins with `prefix`, letter case ignored. Every text begins with "".
bool startsWithNoCase(std::string_view text, std::string_view prefix);

// The text without its trailing blanks.
std::string trimRight(std::string text);

// printf-style formatting by the C99 rules (%zu) on every system; the result may be of
// any length (the buffer starts at the format's length and doubles until the text fits).
std::string format(const char* fmt, ...) __attribute__((format(gnu_printf, 1, 2)));
std::string formatArgs(const char* fmt, va_list args);

} // namespace ardel::ui
