#include "BenchMain.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace qf::bench {

namespace {
struct Entry {
    std::string usage;
    Command command;
};
std::map<std::string, Entry>& registry() {
    static std::map<std::string, Entry> commands;
    return commands;
}
} // namespace

Registration::Registration(const std::string& name, const std::string& usage, Command command) {
    registry()[name] = {usage, std::move(command)};
}

double medianMs(int runs, const std::function<void()>& body) {
    body();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void printMedian(double ms) { std::printf("median_ms=%.2f\n", ms); }

} // namespace qf::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    auto& commands = qf::bench::registry();
    if (argc < 2 || !commands.count(argv[1])) {
        std::fprintf(stderr, "usage:\n");
        for (const auto& [name, entry] : commands)
            std::fprintf(stderr, "  quillfen-bench %s %s\n", name.c_str(), entry.usage.c_str());
        return 2;
    }
    const qf::bench::Args args(argv + 2, argv + argc);
    return commands[argv[1]].command(args);
}
