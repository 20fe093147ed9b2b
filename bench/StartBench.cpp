// quillfen-bench start [--spawn] PROGRAM: the editor's start as the Edit command does it
// (detached, handed to init, the exec confirmed), or with --spawn a plain posix_spawn of the
// same program and a wait for it, the floor that any start of a process pays.
#include "BenchMain.h"
#include "platform/host/ProcessStart.h"

#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

bool spawnAndWait(const std::string& program) {
    std::string arg0 = program;
    std::string arg1 = "x.cs";
    char* argv[] = {arg0.data(), arg1.data(), nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid;
}

int run(const qf::bench::Args& args) {
    const bool spawn = args.size() == 2 && args[0] == "--spawn";
    if (args.size() != 1 && !spawn) {
        std::fprintf(stderr, "usage: quillfen-bench start [--spawn] PROGRAM\n");
        return 2;
    }
    const std::string& program = args.back();
    bool started = true;
    const double ms = qf::bench::medianMs(51, [&] {
        started = started &&
                  (spawn ? spawnAndWait(program) : qf::platform::startDetached(program, "x.cs"));
    });
    if (!started) {
        std::fprintf(stderr, "%s could not be started\n", program.c_str());
        return 1;
    }
    qf::bench::printMedian(ms);
    return 0;
}

const qf::bench::Registration registration{"start", "[--spawn] PROGRAM", run};

} // namespace
