#include "utilities/AtomicFile.h"

#include "ui/Platform.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <streambuf>
#include <string_view>
#include <vector>

namespace ardel {

namespace {

constexpr std::string_view kTemporaryPrefix = ".ardel-"; // ".ardel-<process id>-XXXXXX"
constexpr std::size_t kTemporaryUniqueWidth = 6;
constexpr int kTemporaryAttempts = 16;
constexpr std::string_view kPreviousCopyPrefix = "previous-";
constexpr std::size_t kMostPreviousCopyName = 200; // bytes of the file's name kept in its copy's name

// A stream buffer onto a file open for writing that checks every write. A test's
// failAfterBytes makes it fail once that many bytes have reached the file.
class CheckedFileBuffer : public std::streambuf {
public:
    CheckedFileBuffer(ui::WritableFile& file, std::optional<std::size_t> failAfterBytes)
        : file_(file), failAfterBytes_(failAfterBytes), buffer_(64 * 1024) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }

protected:
    int_type overflow(int_type c) override {
        if (!drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override { return drain() ? 0 : -1; }

public:
    std::size_t written() const { return total_; }

private:
    bool drain() {
        const auto pending = static_cast<std::size_t>(pptr() - pbase());
        const bool written = writeAll(pbase(), pending);
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return written;
    }

    bool writeAll(const char* data, std::size_t size) {
        std::size_t allowed = size;
        if (failAfterBytes_) {
            allowed = std::min(size, *failAfterBytes_ - std::min(*failAfterBytes_, total_));
        }
        if (!file_.write(data, allowed)) {
            return false;
        }
        total_ += allowed;
        return allowed == size;
    }

    ui::WritableFile& file_;
    std::optional<std::size_t> failAfterBytes_;
    std::vector<char> buffer_;
    std::size_t total_ = 0;
};

// A link is replaced at the file it points to, so that the link itself stays.
std::string resolvedTarget(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(ui::nativePath(path), error)) {
        const auto target = std::filesystem::weakly_canonical(ui::nativePath(path), error);
        if (!error) {
            return ui::utf8Path(target);
        }
    }
    return path;
}

// A new file with a short unique hidden name beside the target. It is removed again,
// whatever happens, unless release() says it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& folder) {
        std::random_device seed;
        std::mt19937 random(seed());
        for (int attempt = 0; attempt < kTemporaryAttempts && !file_.isOpen(); ++attempt) {
            path_ = ui::joinPath(folder, temporaryName(random));
            file_ = ui::WritableFile::createNew(path_);
        }
        owned_ = file_.isOpen();
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        file_.close();
        if (owned_) {
            ui::removeFile(path_);
        }
    }

    ui::WritableFile& file() { return file_; }
    const std::string& path() const { return path_; }
    void release() { owned_ = false; }

private:
    static std::string temporaryName(std::mt19937& random) {
        static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
        std::string name = std::string(kTemporaryPrefix) + std::to_string(ui::processId()) + "-";
        for (std::size_t i = 0; i < kTemporaryUniqueWidth; ++i) {
            name += kLetters[pick(random)];
        }
        return name;
    }

    std::string path_;
    ui::WritableFile file_;
    bool owned_ = false;
};

// The process id in the name of a temporary file; nothing for any other name.
std::optional<long> temporaryFileProcess(const std::string& name) {
    if (name.compare(0, kTemporaryPrefix.size(), kTemporaryPrefix) != 0) {
        return std::nullopt;
    }
    const std::size_t dash = name.find('-', kTemporaryPrefix.size());
    if (dash == std::string::npos || name.size() != dash + 1 + kTemporaryUniqueWidth) {
        return std::nullopt;
    }
    const std::string digits = name.substr(kTemporaryPrefix.size(), dash - kTemporaryPrefix.size());
    if (digits.empty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stol(digits);
}

bool writeTemporary(ui::WritableFile& file, unsigned permissions, const std::function<bool(std::ostream&)>& write) {
    CheckedFileBuffer buffer(file, writeFaults().failAfterBytes);
    std::ostream out(&buffer);
    const bool complete = write(out) && out.flush() && out.good();
    return complete && file.setPermissions(permissions) && file.flushToDisk();
}

} // namespace

WriteFaults& writeFaults() {
    static WriteFaults faults;
    return faults;
}

bool saveAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write) {
    return saveFile(path, write, std::string()).written();
}

namespace {

bool copyFile(const std::string& from, const std::string& to) {
    std::ifstream in(ui::nativePath(from), std::ios::binary);
    return in && saveAtomically(to, [&in](std::ostream& out) {
               std::vector<char> block(64 * 1024);
               while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
                   out.write(block.data(), in.gcount());
               }
               return in.eof() && static_cast<bool>(out);
           });
}

// The previous file is copied into `copyFolder` first; only then is the file itself
// overwritten and cut to its new length.
SaveResult writeInPlace(const std::string& target, const std::function<bool(std::ostream&)>& write,
                        const std::string& copyFolder) {
    const std::string name = ui::fileNameOf(target);
    const std::string copy = ui::joinPath(copyFolder, std::string(kPreviousCopyPrefix) +
                                                          name.substr(0, std::min(name.size(), kMostPreviousCopyName)));
    if (!copyFile(target, copy)) {
        return {SaveRefusal::Folder, std::string()};
    }
    ui::WritableFile file = ui::WritableFile::openExisting(target);
    bool written = file.isOpen();
    if (written) {
        CheckedFileBuffer buffer(file, writeFaults().failAfterBytes);
        std::ostream out(&buffer);
        written = write(out) && out.flush() && out.good() && file.truncate(buffer.written()) && file.flushToDisk();
    }
    written = file.close() && written;
    return {written ? SaveRefusal::None : SaveRefusal::Write, copy};
}

SaveResult refusedBy(SaveRefusal refusal) {
    return {refusal, std::string()};
}

} // namespace

SaveResult saveFile(const std::string& path, const std::function<bool(std::ostream&)>& write,
                    const std::string& copyFolder) {
    using State = ui::SaveTarget::State;
    const std::string target = resolvedTarget(path);
    const std::string parent = ui::parentFolder(target);
    const std::string folder = parent.empty() ? std::string(".") : parent;
    const ui::SaveTarget file = ui::inspectSaveTarget(target);
    if (ui::fileNameOf(target).empty() || file.state == State::Unusable) {
        return refusedBy(SaveRefusal::Write);
    }
    if (!ui::folderAcceptsNewFiles(folder)) {
        if (file.state == State::Writable && !copyFolder.empty()) {
            return writeInPlace(target, write, copyFolder);
        }
        return refusedBy(file.state == State::ReadOnly ? SaveRefusal::File : SaveRefusal::Folder);
    }
    if (file.state == State::ReadOnly) {
        return refusedBy(SaveRefusal::File);
    }
    removeLeftoverTemporaries(folder);
    TemporaryFile temporary(folder);
    if (!temporary.file().isOpen() || !writeTemporary(temporary.file(), file.permissions, write) ||
        !temporary.file().close() || writeFaults().failRename || !ui::replaceFile(temporary.path(), target)) {
        return refusedBy(SaveRefusal::Write);
    }
    temporary.release();
    ui::flushFolder(folder);
    return {};
}

void removeLeftoverTemporaries(const std::string& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(ui::nativePath(folder), error), end; !error && it != end;
         it.increment(error)) {
        const std::optional<long> id = temporaryFileProcess(ui::utf8Path(it->path().filename()));
        std::error_code ignored;
        if (id && *id != ui::processId() && !ui::processExists(*id) && it->is_regular_file(ignored)) {
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

} // namespace ardel
