// The settings file reader over arbitrary file contents, in a private directory that holds
// "Data/QFOPT.dat". Line 1 and the reader's whole line sequence are checked against a plain
// restatement of the rules (lines end at CR, a CR LF pair is one end, Ctrl+Z ends the text),
// and a line written comes back byte for byte. An odd first byte puts 65532 to 65539 filler
// bytes in front, so that line ends and Ctrl+Z land on the reader's 64 KiB chunk boundary.
#include "FuzzCheck.h"
#include "platform/host/TextFile.h"
#include "settings/MaskFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using qf::fuzz::check;

namespace {

constexpr char endOfText = '\x1a';

std::string privateDirectory;

void removePrivateDirectory() {
    ::unlink((privateDirectory + "/Data/QFOPT.dat").c_str());
    ::rmdir((privateDirectory + "/Data").c_str());
    ::rmdir(privateDirectory.c_str());
}

void enterPrivateDirectory() {
    if (!privateDirectory.empty())
        return;
    char name[] = "/tmp/quillfen-fuzz-XXXXXX";
    check(::mkdtemp(name) != nullptr && ::chdir(name) == 0 && ::mkdir("Data", 0755) == 0,
          "a private directory to work in");
    privateDirectory = name;
    std::atexit(removePrivateDirectory);
}

void store(std::string_view bytes) {
    const int fd = ::open("Data/QFOPT.dat", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    check(fd >= 0, "the settings file can be written");
    check(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()),
          "the whole content is written");
    ::close(fd);
}

std::string stored() {
    std::string bytes;
    const int fd = ::open("Data/QFOPT.dat", O_RDONLY | O_CLOEXEC);
    check(fd >= 0, "the settings file can be read back");
    char chunk[4096];
    for (ssize_t n; (n = ::read(fd, chunk, sizeof chunk)) > 0;)
        bytes.append(chunk, static_cast<std::size_t>(n));
    ::close(fd);
    return bytes;
}

std::vector<std::string> expectedLines(std::string_view content) {
    const std::string_view body = content.substr(0, content.find(endOfText));
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < body.size()) {
        const std::size_t cr = std::min(body.find('\r', pos), body.size());
        lines.emplace_back(body.substr(pos, cr - pos));
        pos = cr + 1;
        if (pos < body.size() && body[pos] == '\n')
            ++pos;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    enterPrivateDirectory();
    std::string content;
    if (size > 0 && (data[0] & 1))
        content.assign(65532 + ((data[0] >> 1) & 7), 'x');
    if (size > 0)
        content.append(reinterpret_cast<const char*>(data) + 1, size - 1);
    store(content);

    const auto expected = expectedLines(content);
    const std::string first = expected.empty() ? std::string() : expected.front();
    check(qf::settings::readMaskLine() == first, "line 1 stops at the first CR or Ctrl+Z");

    qf::platform::TextReader reader("Data/QFOPT.dat");
    std::vector<std::string> lines;
    while (!reader.atEnd()) {
        check(lines.size() < expected.size(), "the reader ends where the text ends");
        lines.push_back(reader.readLine());
    }
    reader.close();
    check(lines == expected, "every line as the rules cut them");

    // The first line goes back out followed by CR LF and nothing else.
    qf::settings::writeMaskLine(first);
    check(stored() == first + "\r\n", "a written line is the text and CR LF");
    check(qf::settings::readMaskLine() == first, "a written line reads back unchanged");
    return 0;
}
