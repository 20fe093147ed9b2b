#include "support/FakeEditor.h"

#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace qf::test {

namespace fs = std::filesystem;

void writeRecordingProgram(const std::string& path, const std::string& recordPath) {
    // Arguments end in NUL so that any byte they hold, line ends included, comes back as is;
    // the record is renamed into place so that a reader never sees half of it.
    std::ofstream script(path, std::ios::trunc);
    // Its own PATH, for tests that change the one it is found by.
    script << "#!/bin/sh\nPATH=/usr/bin:/bin\n"
           << "{ pwd -P; printf '%s\\0' \"$@\"; } > '" << recordPath << ".part'\n"
           << "mv '" << recordPath << ".part' '" << recordPath << "'\n";
    script.close();
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
}

std::optional<StartRecord> waitForRecord(const std::string& recordPath) {
    if (!QTest::qWaitFor([&] { return fs::exists(recordPath); }))
        return std::nullopt;
    std::ifstream in(recordPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    StartRecord record;
    const std::size_t lineEnd = text.find('\n');
    record.workingDirectory = text.substr(0, lineEnd);
    for (std::size_t from = lineEnd + 1; from < text.size();) {
        const std::size_t nul = text.find('\0', from);
        record.arguments.push_back(text.substr(from, nul - from));
        from = nul + 1;
    }
    return record;
}

} // namespace qf::test
