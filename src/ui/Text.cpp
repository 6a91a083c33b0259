#include "ui/Text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace ardel::ui {

namespace {
bool isLatin1Capital(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}
bool isLatin1Small(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}
} // namespace

char foldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return isLatin1Capital(byte) ? static_cast<char>(byte + 0x20) : c;
}

char upperCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return isLatin1Small(byte) ? static_cast<char>(byte - 0x20) : c;
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = upperCase(c);
    }
    return out;
}

std::string trimRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (foldCase(text[i]) != foldCase(prefix[i])) {
            return false;
        }
    }
    return true;
}

std::string formatArgs(const char* fmt, va_list args) {
    std::vector<char> buffer(std::char_traits<char>::length(fmt) + 1);
    for (;;) {
        va_list attempt;
        va_copy(attempt, args);
        const int needed = std::vsnprintf(buffer.data(), buffer.size(), fmt, attempt);
        va_end(attempt);
        if (needed < 0) {
            return {};
        }
        if (static_cast<std::size_t>(needed) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(needed));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = formatArgs(fmt, args);
    va_end(args);
    return text;
}

} // namespace ardel::ui
