// The drive facts of the running system.
#include "platform/host/Directory.h"
#include "platform/host/Drives.h"
#include "platform/host/IoError.h"
#include "platform/host/TextFile.h"

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace qf::platform {

namespace {

// The whole of a small kernel file; empty when it cannot be read.
std::string readSmallFile(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.isOpen())
        return {};
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// udev writes a label's blanks and other unsafe bytes as \xHH in the link's name.
std::string decodeLabel(const std::string& name) {
    std::string label;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
            hexValue(name[i + 2]) >= 0 && hexValue(name[i + 3]) >= 0) {
            label += static_cast<char>(hexValue(name[i + 2]) * 16 + hexValue(name[i + 3]));
            i += 3;
        } else {
            label += name[i];
        }
    }
    return label;
}

std::string labelOf(DeviceNumber device) {
    static const std::string folder = "/dev/disk/by-label";
    std::vector<DirEntry> links;
    try {
        links = listDirectory(folder);
    } catch (const IoError&) {
        return {}; // no labelled volume at all
    }
    for (const auto& link : links) {
        struct stat st {};
        if (::stat((folder + "/" + link.name).c_str(), &st) == 0 && S_ISBLK(st.st_mode) &&
            ::major(st.st_rdev) == device.major && ::minor(st.st_rdev) == device.minor)
            return decodeLabel(link.name);
    }
    return {};
}

// The flag belongs to the whole disk; a partition finds it one level up.
bool isRemovable(DeviceNumber device) {
    const std::string node =
        "/sys/dev/block/" + std::to_string(device.major) + ":" + std::to_string(device.minor);
    std::string flag = readSmallFile(node + "/removable");
    if (flag.empty())
        flag = readSmallFile(node + "/../removable");
    return !flag.empty() && flag[0] == '1';
}

} // namespace

DriveHost systemDriveHost() {
    DriveHost host;
    host.mountTable = [] { return readSmallFile("/proc/self/mountinfo"); };
    if (const passwd* user = ::getpwuid(::getuid())) {
        host.home = user->pw_dir ? user->pw_dir : "";
        host.user = user->pw_name ? user->pw_name : "";
    }
    host.label = labelOf;
    host.removable = isRemovable;
    return host;
}

namespace {
DriveHost& hostInUse() {
    static DriveHost host = systemDriveHost();
    return host;
}
} // namespace

const DriveHost& driveHost() {
    return hostInUse();
}

void setDriveHost(DriveHost host) {
    hostInUse() = std::move(host);
}

} // namespace qf::platform
