#include "platform/host/FileOps.h"

#include "platform/host/IoError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace qf::platform {

namespace {

int renameWithoutReplacing(const char* from, const char* to) {
#ifdef RENAME_NOREPLACE
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
#else
    constexpr unsigned int noReplace = 1; // the kernel's RENAME_NOREPLACE
    return static_cast<int>(::syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, noReplace));
#endif
}

} // namespace

std::string joinPath(const std::string& directory, const std::string& name) {
    return directory + "/" + name;
}

int removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int renameNoReplace(const std::string& from, const std::string& to) {
    if (renameWithoutReplacing(from.c_str(), to.c_str()) == 0)
        return 0;
    const int err = errno;
    // EINVAL also means a directory moved into itself; moveByLink refuses directories anyway.
    if (err == EINVAL || err == ENOSYS)
        return moveByLink(from, to);
    return err;
}

int moveByLink(const std::string& from, const std::string& to) {
    struct stat st {};
    if (::lstat(from.c_str(), &st) != 0)
        return errno;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    // No AT_SYMLINK_FOLLOW: a symbolic link gets a second name itself.
    if (::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) != 0)
        return errno;
    if (::unlink(from.c_str()) != 0) {
        const int err = errno;
        ::unlink(to.c_str()); // leave the file under its old name alone
        return err;
    }
    return 0;
}

void createDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0)
        throwIoError(errno, path, IoOperation::Create);
}

} // namespace qf::platform
