#pragma once

#include <csignal>
#include <sys/resource.h>

namespace qf::test {

// Lets no file the process writes grow beyond a number of bytes, so that a write fails part
// way through as on a full disk (with EFBIG instead of ENOSPC), without needing a full disk.
// The signal the kernel sends along with the failure is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    struct sigaction savedSignal_ {};
};

} // namespace qf::test
