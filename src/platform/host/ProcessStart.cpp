#include "platform/host/ProcessStart.h"

#include "platform/host/TextFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace qf::platform {

namespace {

bool isExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::string searchPath() {
    if (const char* path = ::getenv("PATH"))
        return path;
    std::string fallback(::confstr(_CS_PATH, nullptr, 0), '\0');
    ::confstr(_CS_PATH, fallback.data(), fallback.size());
    fallback.pop_back(); // the terminating NUL
    return fallback;
}

// Writes the errno of a failed step to the parent; only async-signal-safe calls from here on.
[[noreturn]] void failChild(int reportFd) {
    const int err = errno;
    [[maybe_unused]] const auto written = ::write(reportFd, &err, sizeof err);
    ::_exit(127);
}

} // namespace

std::string findProgram(const std::string& name) {
    if (name.empty())
        return {};
    if (name.find('/') != std::string::npos)
        return isExecutableFile(name) ? name : std::string();
    if (isExecutableFile(name))
        return "./" + name;
    const std::string dirs = searchPath();
    std::size_t from = 0;
    while (from <= dirs.size()) {
        std::size_t colon = dirs.find(':', from);
        if (colon == std::string::npos)
            colon = dirs.size();
        // An empty entry stands for the current directory, which was looked at first.
        if (colon > from) {
            const std::string candidate = dirs.substr(from, colon - from) + "/" + name;
            if (isExecutableFile(candidate))
                return candidate;
        }
        from = colon + 1;
    }
    return {};
}

bool startDetached(const std::string& program, const std::string& argument) {
    // Everything the children use is made before forking: a process with threads may only make
    // async-signal-safe calls between fork and exec.
    std::string arg0 = program;
    std::string arg1 = argument;
    char* argv[] = {arg0.data(), arg1.data(), nullptr};
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    FileDescriptor report(fds[0]);
    FileDescriptor reportWrite(fds[1]);

    const pid_t middle = ::fork();
    if (middle < 0)
        return false;
    if (middle == 0) {
        // The middle process ends at once, so the program is handed to init, which reaps it.
        const pid_t child = ::fork();
        if (child < 0)
            failChild(fds[1]);
        if (child == 0) {
            ::execve(argv[0], argv, environ);
            failChild(fds[1]);
        }
        ::_exit(0);
    }
    reportWrite.close();
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes without a word when exec succeeds; otherwise it carries the errno.
    int err = 0;
    ssize_t got;
    do {
        got = ::read(report.get(), &err, sizeof err);
    } while (got < 0 && errno == EINTR);
    return got == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool startProgram(const std::string& name, const std::string& argument) {
    const std::string program = findProgram(name);
    return !program.empty() && startDetached(program, argument);
}

} // namespace qf::platform
