#include "platform/host/IoError.h"

#include <cerrno>
#include <sys/stat.h>

namespace qf::platform {

IoError::IoError(int code) : IoError(code, ioErrorMessage(code)) {}

IoError::IoError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}

IoError IoError::unmapped(int code) { return IoError(code, "I/O error " + std::to_string(code)); }

std::string ioErrorMessage(int code) {
    switch (code) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    case 101:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(code);
    }
}

namespace {

bool parentDirectoryExists(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return true; // relative to the current directory, which exists
    const std::string parent = slash == 0 ? std::string("/") : path.substr(0, slash);
    struct stat st {};
    return ::stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

IoError ioErrorFromErrno(int err, const std::string& path, IoOperation op) {
    switch (err) {
    case ENOENT:
        if (op == IoOperation::Create || path.empty())
            return IoError(3);
        return IoError(parentDirectoryExists(path) ? 2 : 3);
    case ENOTDIR:
        return IoError(3);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return IoError(5);
    case EMFILE:
    case ENFILE:
        return IoError(4);
    case ENOSPC:
    case EDQUOT:
        return IoError(101);
    case EEXIST:
        return IoError(183);
    case EINVAL:
    case EILSEQ:
        return IoError(123);
    case ENAMETOOLONG:
        return IoError(206);
    case ETXTBSY:
    case EBUSY:
        return IoError(32);
    case ENOMEDIUM:
        return IoError(21);
    default:
        return IoError::unmapped(err);
    }
}

void throwIoError(int err, const std::string& path, IoOperation op) {
    throw ioErrorFromErrno(err, path, op);
}

} // namespace qf::platform
