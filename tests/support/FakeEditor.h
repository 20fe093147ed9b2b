#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qf::test {

// How a fake program was started, as it recorded it.
struct StartRecord {
    std::string workingDirectory;
    std::vector<std::string> arguments; // byte for byte, the program name not included
};

// Writes an executable shell script at path that records its working directory and arguments
// into recordPath when it runs. The record appears at once and complete.
void writeRecordingProgram(const std::string& path, const std::string& recordPath);

// Waits for the record to appear and reads it; nothing when it never does.
std::optional<StartRecord> waitForRecord(const std::string& recordPath);

} // namespace qf::test
