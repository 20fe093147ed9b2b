#pragma once

#include <string>

namespace qf::platform {

// The program a bare name stands for: "./name" when the current directory holds an executable
// file of that name, else the first one along PATH. Empty when there is none.
std::string findProgram(const std::string& name);

// Starts program with exactly one argument, the bytes unchanged and never through a shell, in
// the current directory. The program runs on by itself: nothing waits for it, and it never
// becomes a zombie of this process. False when it could not be started.
bool startDetached(const std::string& program, const std::string& argument);

// findProgram, then startDetached; false when the name stands for no program.
bool startProgram(const std::string& name, const std::string& argument);

} // namespace qf::platform
