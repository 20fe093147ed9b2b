#include "platform/host/PreviewText.h"

#include "platform/host/IoError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace qf::platform {

namespace {

const char* find(const char* p, const char* end, char c) {
    // An empty text has no buffer at all, and memchr must not be handed a null pointer even
    // for zero bytes.
    if (p == end)
        return end;
    const void* hit = std::memchr(p, c, static_cast<std::size_t>(end - p));
    return hit ? static_cast<const char*>(hit) : end;
}

} // namespace

// The raw bytes are in the buffer. Most files already have CR LF breaks, or none at all, and
// are only scanned; the others grow by one byte for each lone CR or LF, made room for in one
// pass from the back, so the text never needs a second buffer.
void PreviewText::convertLineBreaks() {
    const char* const begin = bytes_.get();
    const char* const end = begin + size_;
    // Raw offsets at which a byte is inserted: a CR before a lone LF, an LF after a lone CR.
    std::vector<std::size_t> inserts;
    // Sized for one line per LF up front: on a file of a gigabyte, a table that doubles as it
    // goes would hold its old and new copies at once, hundreds of megabytes beyond the text.
    lineStarts_.clear();
    lineStarts_.reserve(static_cast<std::size_t>(std::count(begin, end, '\n')) + 1);
    lineStarts_.push_back(0);
    const char* cr = find(begin, end, '\r');
    const char* lf = find(begin, end, '\n');
    for (const char* p = begin; p < end;) {
        const char* brk = std::min(cr, lf);
        if (brk == end)
            break;
        if (*brk == '\n') {
            inserts.push_back(static_cast<std::size_t>(brk - begin));
            p = brk + 1;
        } else if (brk + 1 < end && brk[1] == '\n') {
            p = brk + 2;
        } else {
            p = brk + 1;
            inserts.push_back(static_cast<std::size_t>(p - begin));
        }
        lineStarts_.push_back(static_cast<std::size_t>(p - begin) + inserts.size());
        if (cr < p)
            cr = find(p, end, '\r');
        if (lf < p)
            lf = find(p, end, '\n');
    }
    if (inserts.empty())
        return;

    const std::size_t rawSize = size_;
    resize(rawSize + inserts.size());
    char* const bytes = bytes_.get();
    std::size_t segmentEnd = rawSize;
    for (std::size_t j = inserts.size(); j-- > 0;) {
        const std::size_t at = inserts[j];
        const char inserted = at < rawSize && bytes[at] == '\n' ? '\r' : '\n';
        std::memmove(bytes + at + j + 1, bytes + at, segmentEnd - at);
        bytes[at + j] = inserted;
        segmentEnd = at;
    }
}

void PreviewText::resize(std::size_t size) {
    if (size > capacity_) {
        const std::size_t wanted = std::max(size, capacity_ + capacity_ / 2);
        char* moved = static_cast<char*>(std::realloc(bytes_.get(), wanted));
        if (!moved)
            throw std::bad_alloc();
        // realloc has already released the old block.
        (void)bytes_.release();
        bytes_.reset(moved);
        capacity_ = wanted;
    }
    size_ = size;
}

PreviewText::PreviewText() : lineStarts_(1, 0) {}
PreviewText::PreviewText(PreviewText&& other) noexcept : PreviewText() {
    *this = std::move(other);
}

// The moved-from text is left empty, with its one empty line.
PreviewText& PreviewText::operator=(PreviewText&& other) noexcept {
    bytes_ = std::move(other.bytes_);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
    lineStarts_ = std::exchange(other.lineStarts_, std::vector<std::size_t>(1, 0));
    return *this;
}
PreviewText::~PreviewText() = default;

PreviewText PreviewText::fromBytes(std::string_view raw) {
    PreviewText text;
    text.resize(raw.size());
    if (!raw.empty())
        std::memcpy(text.bytes_.get(), raw.data(), raw.size());
    text.convertLineBreaks();
    return text;
}

namespace {

// An open file descriptor, closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

[[noreturn]] void cannotOpen(const std::string& path) {
    throw std::runtime_error("Cannot open file " + path);
}

} // namespace

PreviewText PreviewText::load(const std::string& path) {
    // O_NONBLOCK so that a FIFO put in the file's place cannot hang the program in open(); it
    // has no effect on the regular files that are read below.
    const FileDescriptor fd(path.empty() ? -1
                                         : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        cannotOpen(path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        cannotOpen(path);

    // Read straight into the text's own buffer, with room for the bytes that lone line breaks
    // add in a binary file; pages of the room that stay unused are never touched and cost no
    // memory. A file that grew since fstat keeps going.
    PreviewText text;
    const auto fileSize = static_cast<std::size_t>(st.st_size);
    text.resize(fileSize + fileSize / 32 + 4096);
    std::size_t got = 0;
    while (true) {
        if (got == text.capacity_)
            text.resize(got + 1);
        const ssize_t n = ::read(fd.get(), text.bytes_.get() + got, text.capacity_ - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throwIoError(errno, path);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    text.convertLineBreaks();
    return text;
}

std::size_t PreviewText::lineEnd(std::size_t line) const {
    return line + 1 < lineStarts_.size() ? lineStarts_[line + 1] - 2 : size_;
}

std::string_view PreviewText::line(std::size_t line) const {
    const std::size_t start = lineStarts_[line];
    return {bytes_.get() + start, lineEnd(line) - start};
}

std::size_t PreviewText::lineOf(std::size_t pos) const {
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), pos);
    return static_cast<std::size_t>(after - lineStarts_.begin()) - 1;
}

std::size_t PreviewText::longestLineLength() const {
    std::size_t longest = 0;
    for (std::size_t i = 0; i < lineStarts_.size(); ++i)
        longest = std::max(longest, lineEnd(i) - lineStarts_[i]);
    return longest;
}

} // namespace qf::platform
