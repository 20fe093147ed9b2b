#include "support/FileSizeLimit.h"

#include <cstdlib>

namespace qf::test {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    if (::sigaction(SIGXFSZ, &ignore, &savedSignal_) != 0 ||
        ::getrlimit(RLIMIT_FSIZE, &saved_) != 0)
        std::abort();
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        std::abort();
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::sigaction(SIGXFSZ, &savedSignal_, nullptr);
}

} // namespace qf::test
