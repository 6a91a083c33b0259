#include "app/RecentFiles.h"

#include "ui/Platform.h"

#include <algorithm>

namespace ardel {

namespace {
constexpr const char* kRecentFilesSetting = "RecentFiles";

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end > start) {
            lines.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return lines;
}
} // namespace

// A relative path (kept by an older version) names no file for certain: it is left out.
RecentFiles::RecentFiles(ui::Settings& settings) : settings_(settings) {
    for (const std::string& path : linesOf(settings_.value(kRecentFilesSetting).value_or(""))) {
        if (ui::isAbsolutePath(path) && paths_.size() < kLimit &&
            std::find(paths_.begin(), paths_.end(), path) == paths_.end()) {
            paths_.push_back(path);
        }
    }
}

void RecentFiles::add(const std::string& given) {
    const std::string path = ui::absolutePath(given);
    std::erase(paths_, path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kLimit) {
        paths_.resize(kLimit);
    }
    store();
}

void RecentFiles::remove(const std::string& path) {
    std::erase(paths_, path);
    store();
}

void RecentFiles::clear() {
    paths_.clear();
    store();
}

void RecentFiles::store() {
    std::string text;
    for (const std::string& path : paths_) {
        text += (text.empty() ? "" : "\n") + path;
    }
    settings_.setValue(kRecentFilesSetting, text);
    if (changed) {
        changed();
    }
}

} // namespace ardel
