#include "platform/host/Directory.h"

#include "platform/host/IoError.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace qf::platform {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

EntryKind kindOfMode(mode_t mode) {
    if (S_ISREG(mode))
        return EntryKind::File;
    if (S_ISDIR(mode))
        return EntryKind::Directory;
    return EntryKind::Other;
}

EntryKind kindOfDirentType(unsigned char type) {
    switch (type) {
    case DT_REG:
        return EntryKind::File;
    case DT_DIR:
        return EntryKind::Directory;
    default:
        return EntryKind::Other;
    }
}

// Fills kind (and readOnly) from a stat that follows links; a dangling link is Other.
void statEntry(int dirFd, DirEntry& entry) {
    struct stat st {};
    if (::fstatat(dirFd, entry.name.c_str(), &st, 0) != 0) {
        entry.kind = EntryKind::Other;
        return;
    }
    entry.kind = kindOfMode(st.st_mode);
    entry.readOnly = (st.st_mode & S_IWUSR) == 0;
}

} // namespace

std::vector<DirEntry> listDirectory(const std::string& path) {
    return listDirectory(path, EntryDetail::Kinds);
}

std::vector<DirEntry> listDirectory(const std::string& path, EntryDetail detail) {
    DirHandle dir(::opendir(path.c_str()));
    if (!dir)
        throwIoError(errno, path);
    const int dirFd = ::dirfd(dir.get());
    std::vector<DirEntry> entries;
    for (;;) {
        errno = 0;
        const dirent* raw = ::readdir(dir.get());
        if (!raw) {
            if (errno != 0)
                throwIoError(errno, path);
            break;
        }
        if (isDotOrDotDot(raw->d_name))
            continue;
        DirEntry entry{raw->d_name, kindOfDirentType(raw->d_type), raw->d_name[0] == '.', false};
        if (raw->d_type == DT_UNKNOWN || raw->d_type == DT_LNK ||
            detail == EntryDetail::WithReadOnly)
            statEntry(dirFd, entry);
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string currentDirectory() {
    std::string buffer(256, '\0');
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size())) {
            buffer.resize(std::char_traits<char>::length(buffer.c_str()));
            return buffer;
        }
        if (errno != ERANGE)
            throwIoError(errno);
        buffer.resize(buffer.size() * 2);
    }
}

void setCurrentDirectory(const std::string& path) {
    if (::chdir(path.c_str()) != 0)
        throwIoError(errno, path);
}

bool directoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

CurrentDirectoryRestorer::CurrentDirectoryRestorer()
    : fd_(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC)) {}

CurrentDirectoryRestorer::~CurrentDirectoryRestorer() {
    if (fd_ < 0)
        return;
    // Nothing sensible is left to do when the way back is refused; the caller's next step
    // makes a directory of its own current anyway.
    [[maybe_unused]] const int ignored = ::fchdir(fd_);
    ::close(fd_);
}

} // namespace qf::platform
