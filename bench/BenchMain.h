#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qf::bench {

using Args = std::vector<std::string>;
using Command = std::function<int(const Args&)>;

// A subcommand registers itself from its own file: static Registration r{"list", run};
struct Registration {
    Registration(const std::string& name, const std::string& usage, Command command);
};

// Runs body once to warm up, then runs times more and returns the median in milliseconds.
double medianMs(int runs, const std::function<void()>& body);
// Prints the figure in the form the bench scripts read: "median_ms=<number>".
void printMedian(double ms);

} // namespace qf::bench
