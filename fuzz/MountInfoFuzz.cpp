// The drive list over mount-table text. Two views of one input: the bytes as a whole mountinfo
// text, which must give a drive list that holds together, and the bytes split at NUL into the
// fields of one line, which must come back unchanged after the kernel's escaping.
#include "FuzzCheck.h"
#include "platform/host/Drives.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace qf::platform;
using qf::fuzz::check;

namespace {

DriveHost fixtureHost() {
    DriveHost host;
    host.home = "/home/ann";
    host.user = "ann";
    host.label = [](DeviceNumber device) { return device.minor % 2 ? "Games" : ""; };
    host.removable = [](DeviceNumber device) { return device.major == 8 && device.minor > 16; };
    return host;
}

void checkDriveList(std::string_view text) {
    const auto entries = parseMountInfo(text);
    check(entries.size() <=
              static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1,
          "at most one entry per line");
    const DriveHost host = fixtureHost();
    const auto drives = drivesOf(text, host);
    check(!drives.empty() && std::any_of(drives.begin(), drives.end(),
                                         [](const Drive& d) { return d.root == "/"; }),
          "\"/\" is always a drive");
    for (std::size_t i = 0; i < drives.size(); ++i) {
        check(i == 0 || drives[i - 1].root < drives[i].root, "drives sorted by root, no twins");
        check(drives[i].text.compare(0, drives[i].root.size(), drives[i].root) == 0,
              "the entry text starts with the root");
        check(driveOf(drives, drives[i].root) == drives[i].root, "a root is its own drive");
    }
}

// What the kernel writes for a field: blank, tab, newline and backslash as \ooo.
std::string escaped(std::string_view field) {
    std::string out;
    for (const char c : field) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\\') {
            const auto u = static_cast<unsigned char>(c);
            out += '\\';
            out += static_cast<char>('0' + (u >> 6));
            out += static_cast<char>('0' + ((u >> 3) & 7));
            out += static_cast<char>('0' + (u & 7));
        } else {
            out += c;
        }
    }
    return out;
}

void checkRoundTrip(std::string_view input) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0; fields.size() < 4;) {
        const std::size_t nul = input.find('\0', start);
        fields.push_back(input.substr(start, nul == std::string_view::npos ? nul : nul - start));
        if (nul == std::string_view::npos)
            break;
        start = nul + 1;
    }
    // A field can be empty only as a byte string of its own; the kernel never writes one.
    if (fields.size() < 4 ||
        std::any_of(fields.begin(), fields.end(), [](std::string_view f) { return f.empty(); }))
        return;
    const std::string line = "36 35 8:3 " + escaped(fields[0]) + " " + escaped(fields[1]) +
                             " rw,relatime shared:1 - " + escaped(fields[2]) + " " +
                             escaped(fields[3]) + " rw\n";
    const auto entries = parseMountInfo(line);
    check(entries.size() == 1, "one escaped line is one entry");
    const MountEntry& e = entries.front();
    check(e.device == DeviceNumber{8, 3}, "device number");
    check(e.fsRoot == fields[0] && e.mountPoint == fields[1] && e.fsType == fields[2] &&
              e.source == fields[3],
          "escaped fields decode to themselves");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkDriveList(input);
    checkRoundTrip(input);
    return 0;
}
