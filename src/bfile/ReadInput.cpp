#include "bfile/ReadInput.h"

#include <algorithm>
#include <cstring>

namespace ardel {

namespace {

constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';

bool holds(std::string_view bytes, char wanted) {
    return std::memchr(bytes.data(), wanted, bytes.size()) != nullptr;
}

} // namespace

ui::OpenResult InputLines::open(const std::string& path) {
    ui::OpenedFile opened = ui::openRegularFile(path);
    file_ = std::move(opened.file);
    buffer_.resize(kBufferSize);
    data_ = buffer_.data();
    restart();
    lineEnd_ = kLineFeed;
    if (file_ && holdsNoLineFeedButCarriageReturns()) {
        lineEnd_ = kCarriageReturn;
    }
    return opened.result;
}

void InputLines::openBytes(std::string_view bytes) {
    file_.reset();
    data_ = bytes.data();
    pos_ = 0;
    end_ = bytes.size();
    lineNumber_ = 0;
    length_ = 0;
    atEnd_ = true; // the whole input is in place: nothing to fill
    failed_ = false;
    lineEnd_ = !holds(bytes, kLineFeed) && holds(bytes, kCarriageReturn) ? kCarriageReturn : kLineFeed;
}

void InputLines::restart() {
    pos_ = end_ = 0;
    lineNumber_ = 0;
    length_ = 0;
    atEnd_ = failed_ = false;
}

// Reads the file through once; a file with a line feed is mostly done after its first line.
bool InputLines::holdsNoLineFeedButCarriageReturns() {
    bool carriageReturns = false;
    while (fill()) {
        const std::string_view chunk(data_, end_);
        if (holds(chunk, kLineFeed)) {
            carriageReturns = false;
            break;
        }
        carriageReturns = carriageReturns || holds(chunk, kCarriageReturn);
    }
    if (failed_) {
        return false;
    }
    if (std::fseek(file_.get(), 0, SEEK_SET) != 0) {
        failed_ = true;
        atEnd_ = true;
        return false;
    }
    restart();
    return carriageReturns;
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
        const auto* lineEnd = static_cast<const char*>(std::memchr(start, lineEnd_, available));
        const std::size_t taken = lineEnd ? static_cast<std::size_t>(lineEnd - start) : available;
        if (length < kWidth) {
            std::copy_n(start, std::min(taken, kWidth - length), line_.begin() + static_cast<std::ptrdiff_t>(length));
        }
        if (taken > 0) {
            last = start[taken - 1];
        }
        length += taken;
        pos_ += taken;
        if (lineEnd) {
            ++pos_;
            break;
        }
    }
    if (last == kCarriageReturn && lineEnd_ == kLineFeed) {
        --length;
        if (length < kWidth) {
            line_[length] = ' ';
        }
    }
    length_ = length;
    return !failed_;
}

} // namespace ardel
