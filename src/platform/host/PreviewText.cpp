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

namespace qf::platform {

// Appends raw bytes chunk by chunk, rewriting line breaks on the way. Chunks are small enough to
// stay in the cache, so the text is scanned there and written to its buffer exactly once.
class PreviewText::Writer {
public:
    explicit Writer(PreviewText& text) : text_(text) { text_.lineStarts_.assign(1, 0); }

    // Room for expected more raw bytes; the buffer's untouched pages cost no memory.
    void reserve(std::size_t raw) { ensure(2 * raw + 1); }

    void append(const char* p, std::size_t length) {
        ensure(2 * length + 1);
        const char* const end = p + length;
        if (pendingCr_ && p < end) {
            // The previous chunk ended in a CR: it was a lone one unless this LF completes it.
            pendingCr_ = false;
            put('\n');
            p += *p == '\n';
            text_.lineStarts_.push_back(text_.size_);
        }
        const char* cr = find(p, end, '\r');
        const char* lf = find(p, end, '\n');
        while (p < end) {
            const char* brk = std::min(cr, lf);
            put(p, static_cast<std::size_t>(brk - p));
            if (brk == end)
                break;
            put('\r');
            if (*brk == '\r' && brk + 1 == end) {
                pendingCr_ = true;
                break;
            }
            put('\n');
            p = brk + 1 + (*brk == '\r' && brk[1] == '\n');
            text_.lineStarts_.push_back(text_.size_);
            if (cr < p)
                cr = find(p, end, '\r');
            if (lf < p)
                lf = find(p, end, '\n');
        }
    }

    void finish() {
        if (pendingCr_) {
            pendingCr_ = false;
            put('\n');
            text_.lineStarts_.push_back(text_.size_);
        }
        if (capacity_ > text_.size_ && text_.size_ > 0) {
            // Shrinking a large block hands its tail back without copying.
            if (char* shrunk = static_cast<char*>(std::realloc(text_.bytes_.get(), text_.size_)))
                release(shrunk);
            capacity_ = text_.size_;
        }
    }

private:
    static const char* find(const char* p, const char* end, char c) {
        const void* hit = std::memchr(p, c, static_cast<std::size_t>(end - p));
        return hit ? static_cast<const char*>(hit) : end;
    }

    void ensure(std::size_t more) {
        if (text_.size_ + more <= capacity_)
            return;
        const std::size_t wanted = std::max(text_.size_ + more, capacity_ + capacity_ / 2);
        char* grown = static_cast<char*>(std::realloc(text_.bytes_.get(), wanted));
        if (!grown)
            throw std::bad_alloc();
        release(grown);
        capacity_ = wanted;
    }

    // The block moved: the old pointer is already freed by realloc.
    void release(char* moved) {
        (void)text_.bytes_.release();
        text_.bytes_.reset(moved);
    }

    void put(char c) { text_.bytes_.get()[text_.size_++] = c; }
    void put(const char* p, std::size_t n) {
        std::memcpy(text_.bytes_.get() + text_.size_, p, n);
        text_.size_ += n;
    }

    PreviewText& text_;
    std::size_t capacity_ = 0;
    bool pendingCr_ = false;
};

PreviewText::PreviewText() : lineStarts_(1, 0) {}
PreviewText::PreviewText(PreviewText&&) noexcept = default;
PreviewText& PreviewText::operator=(PreviewText&&) noexcept = default;
PreviewText::~PreviewText() = default;

PreviewText PreviewText::fromBytes(std::string_view raw) {
    PreviewText text;
    Writer writer(text);
    writer.append(raw.data(), raw.size());
    writer.finish();
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

    PreviewText text;
    Writer writer(text);
    writer.reserve(static_cast<std::size_t>(st.st_size));
    constexpr std::size_t kChunk = 256 * 1024;
    const std::unique_ptr<char[]> chunk(new char[kChunk]);
    while (true) {
        const ssize_t got = ::read(fd.get(), chunk.get(), kChunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throwIoError(errno, path);
        }
        if (got == 0)
            break;
        writer.append(chunk.get(), static_cast<std::size_t>(got));
    }
    writer.finish();
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
