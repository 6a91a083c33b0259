#include "utilities/SerfilAndDefaultsFiles.h"

#include "ui/Platform.h"
#include "ui/Text.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace ardel {

namespace {

constexpr const char* kErrorCaption = "Error";
constexpr const char* kMissingText = "The Input File Does Not Exist";
constexpr const char* kUnreadableText = "Cannot read file %s.";

// Collects one line piece by piece: keeps one character beyond the width so that a
// CR standing right after the kept characters can still be recognised as the line's end.
class LineCollector {
public:
    void add(std::string_view piece) {
        if (kept_.size() <= kImportLineWidth) {
            kept_.append(piece.substr(0, kImportLineWidth + 1 - kept_.size()));
        }
        length_ += piece.size();
    }
    bool empty() const { return length_ == 0; }
    std::string finish() {
        if (length_ == kept_.size() && !kept_.empty() && kept_.back() == '\r') {
            kept_.pop_back();
        }
        std::string line = kept_.substr(0, kImportLineWidth);
        kept_.clear();
        length_ = 0;
        return line;
    }

private:
    std::string kept_;
    std::size_t length_ = 0;
};

constexpr std::size_t kReadChunk = std::size_t{1} << 16;

// Splits the chunks of a file into its lines.
class LineSplitter {
public:
    void add(std::string_view chunk) {
        for (std::size_t lineFeed; (lineFeed = chunk.find('\n')) != std::string_view::npos;
             chunk.remove_prefix(lineFeed + 1)) {
            line_.add(chunk.substr(0, lineFeed));
            lines_.push_back(line_.finish());
        }
        line_.add(chunk);
    }
    std::vector<std::string> finish() {
        if (!line_.empty()) {
            lines_.push_back(line_.finish());
        }
        return std::move(lines_);
    }

private:
    std::vector<std::string> lines_;
    LineCollector line_;
};

std::optional<std::vector<std::string>> readImportLines(std::FILE* file) {
    LineSplitter lines;
    std::vector<char> buffer(kReadChunk);
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file)) {
        lines.add(std::string_view(buffer.data(), got));
    }
    if (std::ferror(file) != 0) {
        return std::nullopt;
    }
    return lines.finish();
}

} // namespace

std::optional<std::vector<std::string>> readImportLines(const std::string& path) {
    const ui::OpenedFile opened = ui::openRegularFile(path);
    if (!opened.file) {
        return std::nullopt;
    }
    return readImportLines(opened.file.get());
}

std::optional<std::vector<std::string>> readImportLines(std::istream& in) {
    LineSplitter lines;
    std::vector<char> buffer(kReadChunk);
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        lines.add(std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount())));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return lines.finish();
}

std::string importStartPath(ui::Toolkit& toolkit, const char* setting) {
    if (std::optional<std::string> remembered = toolkit.settings().value(setting)) {
        return *remembered;
    }
    return ui::parentFolder(ui::programPath());
}

std::optional<std::vector<std::string>> readChosenImportFile(ui::Toolkit& toolkit, const char* setting,
                                                             const std::string& chosen) {
    const std::string path = ui::absolutePath(chosen);
    toolkit.settings().setValue(setting, path);
    const ui::OpenedFile opened = ui::openRegularFile(path);
    if (opened.result == ui::OpenResult::Missing) {
        toolkit.messageBox(kErrorCaption, kMissingText, ui::Icon::Information, ui::Buttons::OK);
        return std::nullopt;
    }
    std::optional<std::vector<std::string>> lines;
    if (opened.file) {
        lines = readImportLines(opened.file.get());
    }
    if (!lines) {
        toolkit.messageBox(kErrorCaption, ui::format(kUnreadableText, path.c_str()), ui::Icon::Stop, ui::Buttons::OK);
    }
    return lines;
}

} // namespace ardel
