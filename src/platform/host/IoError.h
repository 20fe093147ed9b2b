#pragma once

#include <stdexcept>
#include <string>

namespace qf::platform {

// The failure of a file or directory operation, carrying the code whose text the user sees.
class IoError : public std::runtime_error {
public:
    // The message comes from the code table.
    explicit IoError(int code);
    // A code from the system that matched no known errno: shown as "I/O error %d" whatever
    // its number, so that EIO (5) is not mistaken for "File access denied".
    static IoError unmapped(int code);
    int code() const { return code_; }

private:
    IoError(int code, const std::string& message);
    int code_;
};

// The text shown for an I/O error code: "File not found" for 2, "I/O error 32" for 32, ...
std::string ioErrorMessage(int code);

// What a failed call is doing, because a missing path means something else when creating.
enum class IoOperation { Access, Create };

// The error for the errno of a failed call on path. ENOENT gives 3 instead of 2 when the path's
// parent directory is missing too, and always 3 when creating.
IoError ioErrorFromErrno(int err, const std::string& path = {},
                         IoOperation op = IoOperation::Access);

// Raises ioErrorFromErrno(err, path, op).
[[noreturn]] void throwIoError(int err, const std::string& path = {},
                               IoOperation op = IoOperation::Access);

} // namespace qf::platform
