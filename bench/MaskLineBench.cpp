// quillfen-bench maskline [--plain] FILE: line 1 of a text file through the platform's text
// reader (open, read line 1, close), or with --plain the same bytes read straight into a buffer.
#include "BenchMain.h"
#include "platform/host/IoError.h"
#include "platform/host/TextFile.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::size_t readLineOne(const std::string& path) {
    qf::platform::TextReader reader(path);
    const std::size_t length = reader.readLine().size();
    reader.close();
    return length;
}

// The floor: every byte of the file read once, nothing looked at.
std::size_t readPlain(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        qf::platform::throwIoError(errno, path);
    std::string bytes;
    char chunk[64 * 1024];
    ssize_t count;
    while ((count = ::read(fd, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, static_cast<std::size_t>(count));
    ::close(fd);
    return bytes.size();
}

int run(const qf::bench::Args& args) {
    const bool plain = args.size() == 2 && args[0] == "--plain";
    if (args.size() != 1 && !plain) {
        std::fprintf(stderr, "usage: quillfen-bench maskline [--plain] FILE\n");
        return 2;
    }
    const std::string& path = args.back();
    try {
        std::size_t length = 0;
        const double ms =
            qf::bench::medianMs(9, [&] { length = plain ? readPlain(path) : readLineOne(path); });
        std::printf("bytes=%zu\n", length);
        qf::bench::printMedian(ms);
    } catch (const qf::platform::IoError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

const qf::bench::Registration registration{"maskline", "[--plain] FILE", run};

} // namespace
