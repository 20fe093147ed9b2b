#pragma once

#include <string>

namespace qf::settings {

// The mask settings file "Data/QFOPT.dat", relative to the current directory at each call.
// The folder and the file are found whatever the letter case of their names, so that
// "data/qfopt.DAT" is the same file; the program never creates the folder.
// Every operation but the existence test raises qf::platform::IoError on failure.

// The mask list a new settings file holds.
inline constexpr const char* defaultMasks = "*.cs;*.vol";

// The relative path of the settings file as it is now: the existing spelling of the folder and
// of the file when there is one, otherwise "Data" and the name a new file gets, "QFOpt.dat".
std::string maskFilePath();
// True only when the path names an existing file (a directory of that name counts as missing).
bool maskFileExists();
// Line 1 of the file: up to the first CR, the first Ctrl+Z or the end.
std::string readMaskLine();
// Creates or replaces the file so that it holds the text followed by CR LF, nothing else. The
// old line stays on disk until the new one is stored, so a failed write loses nothing.
void writeMaskLine(const std::string& masks);

// What the start-up found in the settings file.
struct StartupMasks {
    std::string masks;
    // The file was missing and has just been created holding the default.
    bool created = false;
};
// Reads line 1 of the settings file, or creates the file with the default when it is missing.
StartupMasks loadOrCreateMasks();

} // namespace qf::settings
