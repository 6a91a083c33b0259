// The B-files last opened or saved, newest first, kept in the settings store beside
// "InputFile" (which keeps its own meaning: the last file read) as the value
// "RecentFiles", one path a line. The File menu shows them under "Recent Files".
#pragma once

#include "ui/Toolkit.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace ardel {

class RecentFiles {
public:
    static constexpr std::size_t kLimit = 6;

    explicit RecentFiles(ui::Settings& settings);

    const std::vector<std::string>& paths() const { return paths_; }
    // Puts the path, made absolute, first (taking it from further down), keeping at most kLimit.
    void add(const std::string& path);
    void remove(const std::string& path);
    void clear();

    // Called after every change of the list.
    std::function<void()> changed;

private:
    void store();

    ui::Settings& settings_;
    std::vector<std::string> paths_;
};

} // namespace ardel
