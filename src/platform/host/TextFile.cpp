#include "platform/host/TextFile.h"

#include "platform/host/IoError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qf::platform {

namespace {

constexpr std::size_t chunkSize = 64 * 1024;
constexpr char lineEnd = '\r';
constexpr char endOfText = '\x1a';

// Opening without blocking keeps a FIFO of that name from hanging the program until some other
// process opens its other end; once open, the descriptor blocks as usual.
FileDescriptor openFile(const std::string& path, int flags, IoOperation op) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        throwIoError(errno, path, op);
    FileDescriptor file(fd);
    const int status = ::fcntl(fd, F_GETFL);
    if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) < 0)
        throwIoError(errno, path, op);
    return file;
}

// Where the line that starts at from stops within the buffer: at its CR, at a Ctrl+Z before
// that, or at the buffer's end. Two memchr passes beat one loop testing both bytes.
std::size_t lineStop(const std::string& buffer, std::size_t from) {
    const char* begin = buffer.data() + from;
    const char* end = buffer.data() + buffer.size();
    const void* cr = std::memchr(begin, lineEnd, static_cast<std::size_t>(end - begin));
    const char* stop = cr ? static_cast<const char*>(cr) : end;
    const void* ctrlZ = std::memchr(begin, endOfText, static_cast<std::size_t>(stop - begin));
    if (ctrlZ)
        stop = static_cast<const char*>(ctrlZ);
    return static_cast<std::size_t>(stop - buffer.data());
}

} // namespace

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) {
    other.fd_ = -1;
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

FileDescriptor::~FileDescriptor() {
    close();
}

int FileDescriptor::close() {
    if (fd_ < 0)
        return 0;
    // The descriptor is gone after close() whatever it returns, so it is never retried.
    const int result = ::close(fd_);
    fd_ = -1;
    return result < 0 ? errno : 0;
}

TextReader::TextReader(const std::string& path)
    : path_(path), fd_(openFile(path, O_RDONLY, IoOperation::Access)) {
    // A directory opens for reading on Linux but holds no text.
    struct stat st {};
    if (::fstat(fd_.get(), &st) < 0)
        throwIoError(errno, path_);
    if (S_ISDIR(st.st_mode))
        throwIoError(EISDIR, path_);
}

bool TextReader::fill() {
    if (pos_ < buffer_.size())
        return true;
    buffer_.resize(chunkSize);
    ssize_t count;
    do
        count = ::read(fd_.get(), buffer_.data(), chunkSize);
    while (count < 0 && errno == EINTR);
    if (count < 0) {
        const int err = errno;
        buffer_.clear();
        pos_ = 0;
        throwIoError(err, path_);
    }
    buffer_.resize(static_cast<std::size_t>(count));
    pos_ = 0;
    return count > 0;
}

std::string TextReader::readLine() {
    std::string line;
    while (!endOfText_ && fill()) {
        const std::size_t stop = lineStop(buffer_, pos_);
        line.append(buffer_, pos_, stop - pos_);
        pos_ = stop;
        if (stop == buffer_.size())
            continue;
        if (buffer_[stop] == endOfText) {
            endOfText_ = true;
            break;
        }
        ++pos_;
        if (fill() && buffer_[pos_] == '\n')
            ++pos_;
        break;
    }
    return line;
}

bool TextReader::atEnd() {
    return endOfText_ || !fill() || buffer_[pos_] == endOfText;
}

void TextReader::close() {
    if (const int err = fd_.close())
        throwIoError(err, path_);
}

TextWriter::TextWriter(const std::string& path, Replacing how) : path_(path) {
    if (how == Replacing::WhenStored && openTemporaryBeside(path))
        return;
    fd_ = openFile(path, O_WRONLY | O_CREAT | O_TRUNC, IoOperation::Create);
}

TextWriter::~TextWriter() {
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

bool TextWriter::openTemporaryBeside(const std::string& path) {
    struct stat old {};
    if (::lstat(path.c_str(), &old) != 0 || !S_ISREG(old.st_mode) || old.st_nlink != 1)
        return false;
    // The file itself is opened first so that one that may not be written is refused as a
    // plain create would refuse it, rather than replaced behind its back.
    openFile(path, O_WRONLY, IoOperation::Create);
    const std::size_t nameStart = path.rfind('/') + 1; // 0 without a folder
    std::string temporary = path.substr(0, nameStart) + "." + path.substr(nameStart) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    fd_ = FileDescriptor(fd);
    temporary_ = temporary;
    // The new file takes the old one's place, so it takes its permissions too; only root can
    // hand it the old owner as well, and a file that changes owner otherwise is no loss.
    ::fchmod(fd, old.st_mode & 07777);
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    }
    return true;
}

void TextWriter::writeLine(const std::string& text) {
    buffer_ += text;
    buffer_ += "\r\n";
    if (buffer_.size() >= chunkSize)
        flush();
}

void TextWriter::flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t count = ::write(fd_.get(), buffer_.data() + done, buffer_.size() - done);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            throwIoError(errno, path_);
        }
        done += static_cast<std::size_t>(count);
    }
    buffer_.clear();
}

void TextWriter::close() {
    flush();
    // The old bytes are about to go: the new ones must be on the disk first.
    if (!temporary_.empty() && ::fsync(fd_.get()) != 0)
        throwIoError(errno, path_);
    // Some file systems (NFS among them) only report a failed store when the file is closed.
    if (const int err = fd_.close())
        throwIoError(err, path_);
    if (temporary_.empty())
        return;
    if (::rename(temporary_.c_str(), path_.c_str()) != 0)
        throwIoError(errno, path_);
    temporary_.clear();
}

} // namespace qf::platform
