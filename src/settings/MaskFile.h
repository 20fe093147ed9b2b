#pragma once

#include <string>

namespace qf::settings {

// The mask settings file "Data/QFOPT.dat", relative to the current directory at each call.
// Every operation raises qf::platform::IoError on failure.

// True only when the path names an existing file (a directory of that name counts as missing).
bool maskFileExists();
// Line 1 of the file: up to the first CR, the first Ctrl+Z or the end.
std::string readMaskLine();
// Creates or empties the file and writes the text followed by CR LF.
void writeMaskLine(const std::string& masks);

} // namespace qf::settings
