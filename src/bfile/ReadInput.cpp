#include "bfile/ReadInput.h"

#include <algorithm>
#include <cstring>

namespace ardel {

bool InputLines::open(const std::string& path) {
    file_.reset(std::fopen(path.c_str(), "rb"));
    buffer_.resize(kBufferSize);
    data_ = buffer_.data();
    pos_ = end_ = 0;
    lineNumber_ = 0;
    atEnd_ = failed_ = false;
    return file_ != nullptr;
}

void InputLines::openBytes(std::string_view bytes) {
    file_.reset();
    data_ = bytes.data();
    pos_ = 0;
    end_ = bytes.size();
    lineNumber_ = 0;
    atEnd_ = true; // the whole input is in place: nothing to fill
    failed_ = false;
}

bool InputLines::fill() {
    if (atEnd_ || !file_) {
        return false;
    }
    const std::size_t got = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
    if (got == 0) {
        failed_ = std::ferror(file_.get()) != 0;
        atEnd_ = true;
        return false;
    }
    pos_ = 0;
    end_ = got;
    return true;
}

bool InputLines::next() {
    if (pos_ == end_ && !fill()) {
        return false;
    }
    ++lineNumber_;
    line_.fill(' ');
    std::size_t length = 0; // bytes of the line so far, kept or not
    char last = '\0';
    for (;;) {
        if (pos_ == end_ && !fill()) {
            break;
        }
        const char* start = data_ + pos_;
        const std::size_t available = end_ - pos_;
        const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t taken = lineFeed ? static_cast<std::size_t>(lineFeed - start) : available;
        if (length < kWidth) {
            std::copy_n(start, std::min(taken, kWidth - length), line_.begin() + static_cast<std::ptrdiff_t>(length));
        }
        if (taken > 0) {
            last = start[taken - 1];
        }
        length += taken;
        pos_ += taken;
        if (lineFeed) {
            ++pos_;
            break;
        }
    }
    if (last == '\r' && length <= kWidth) {
        line_[length - 1] = ' ';
    }
    return !failed_;
}

} // namespace ardel
