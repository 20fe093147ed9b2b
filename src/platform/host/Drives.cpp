#include "platform/host/Drives.h"

#include <algorithm>
#include <array>
#include <map>

namespace qf::platform {

namespace {

// mountinfo writes blanks, tabs, newlines and backslashes of its fields as \ooo.
std::string decodeOctalEscapes(std::string_view field) {
    std::string decoded;
    decoded.reserve(field.size());
    const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            decoded += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                         (field[i + 3] - '0'));
            i += 3;
        } else {
            decoded += field[i];
        }
    }
    return decoded;
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        if (end > start)
            fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

bool parseDevice(std::string_view text, DeviceNumber& device) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return false;
    try {
        device.major = static_cast<unsigned>(std::stoul(std::string(text.substr(0, colon))));
        device.minor = static_cast<unsigned>(std::stoul(std::string(text.substr(colon + 1))));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool parseLine(std::string_view line, MountEntry& entry) {
    // id parent major:minor root mount-point options [optional...] - type source super-options
    const auto fields = splitFields(line);
    if (fields.size() < 7 || !parseDevice(fields[2], entry.device))
        return false;
    const auto separator = std::find(fields.begin() + 6, fields.end(), "-");
    if (separator == fields.end() || fields.end() - separator < 3)
        return false;
    entry.fsRoot = decodeOctalEscapes(fields[3]);
    entry.mountPoint = decodeOctalEscapes(fields[4]);
    entry.fsType = decodeOctalEscapes(separator[1]);
    entry.source = decodeOctalEscapes(separator[2]);
    return true;
}

template <std::size_t N>
bool isOneOf(const std::string& value, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), value) != names.end();
}

bool isNetworkType(const std::string& type) {
    static constexpr std::array<std::string_view, 17> types = {
        "nfs",         "nfs4",      "cifs",           "smb3",           "smbfs",       "ncpfs",
        "afs",         "ceph",      "glusterfs",      "lustre",         "davfs",       "fuse.sshfs",
        "fuse.rclone", "fuse.s3fs", "fuse.glusterfs", "fuse.curlftpfs", "fuse.davfs2",
    };
    return isOneOf(type, types);
}

// Kernel interfaces, container layers, snap images and desktop helpers: never a user's volume.
bool isSystemType(const std::string& type) {
    static constexpr std::array<std::string_view, 29> types = {
        "proc",
        "sysfs",
        "devtmpfs",
        "devpts",
        "cgroup",
        "cgroup2",
        "mqueue",
        "debugfs",
        "tracefs",
        "securityfs",
        "pstore",
        "bpf",
        "configfs",
        "fusectl",
        "hugetlbfs",
        "autofs",
        "binfmt_misc",
        "efivarfs",
        "rpc_pipefs",
        "nsfs",
        "selinuxfs",
        "overlay",
        "squashfs",
        "nfsd",
        "fuse.gvfsd-fuse",
        "fuse.portal",
        "fuse.lxcfs",
        "fuse.snapfuse",
        "fuse.xdg-document-portal",
    };
    return isOneOf(type, types);
}

bool isStrictlyUnder(const std::string& base, const std::string& path) {
    return !base.empty() && path != base && isPathPrefix(base, path);
}

bool hasDotComponent(const std::string& path) {
    for (std::size_t i = 0; i < path.size(); ++i)
        if (path[i] == '.' && (i == 0 || path[i - 1] == '/'))
            return true;
    return false;
}

bool isUnderRemovableMedia(const std::string& path, const DriveHost& host) {
    return isStrictlyUnder("/media", path) ||
           (!host.user.empty() && isStrictlyUnder("/run/media/" + host.user, path));
}

bool isUserLocation(const std::string& path, const DriveHost& host) {
    // A home of "/" (service accounts) would make every mount a user's.
    const bool usableHome = host.home != "/";
    return isUnderRemovableMedia(path, host) || isStrictlyUnder("/mnt", path) ||
           (usableHome && isStrictlyUnder(host.home, path));
}

bool isShown(const MountEntry& mount, const DriveHost& host) {
    if (isSystemType(mount.fsType) || hasDotComponent(mount.mountPoint))
        return false;
    return isNetworkType(mount.fsType) || isUserLocation(mount.mountPoint, host);
}

std::string asciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string entryText(const MountEntry& mount, DriveType type, const DriveHost& host) {
    const auto labelled = [&] {
        const std::string label = host.label ? host.label(mount.device) : std::string();
        return mount.mountPoint + " [" + asciiLower(label) + "]";
    };
    switch (type) {
    case DriveType::Removable:
        // Never asked for a label, so building the list never wakes the medium.
        return mount.mountPoint;
    case DriveType::Remote:
        if (mount.source.empty() || mount.source == "none")
            return labelled();
        return mount.mountPoint + " " + asciiLower(mount.source);
    default:
        return labelled();
    }
}

std::string longestRoot(const std::vector<std::string>& roots, const std::string& path) {
    std::string best;
    for (const auto& root : roots)
        if (root.size() > best.size() && isPathPrefix(root, path))
            best = root;
    return best;
}

} // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text) {
    std::vector<MountEntry> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        MountEntry entry;
        if (parseLine(text.substr(start, end - start), entry))
            entries.push_back(std::move(entry));
        start = end + 1;
    }
    return entries;
}

std::vector<MountEntry> shownMounts(const std::vector<MountEntry>& table, const DriveHost& host) {
    // A later mount on the same point hides the earlier one.
    std::map<std::string, MountEntry> byRoot;
    byRoot["/"] = MountEntry{{}, "/", "/", "", ""};
    std::vector<DeviceNumber> seenDevices;
    for (const auto& mount : table) {
        // A bind mount shows a directory of a file system that is mounted elsewhere already.
        const bool bind = mount.fsRoot != "/" && std::find(seenDevices.begin(), seenDevices.end(),
                                                           mount.device) != seenDevices.end();
        seenDevices.push_back(mount.device);
        if (mount.mountPoint == "/")
            byRoot["/"] = mount;
        else if (!bind && isShown(mount, host))
            byRoot[mount.mountPoint] = mount;
        else
            byRoot.erase(mount.mountPoint);
    }
    std::vector<MountEntry> shown;
    for (auto& [root, mount] : byRoot)
        shown.push_back(std::move(mount));
    return shown;
}

DriveType driveType(const MountEntry& mount, const DriveHost& host) {
    const std::string& type = mount.fsType;
    if (isNetworkType(type))
        return DriveType::Remote;
    if (type == "iso9660" || type == "udf")
        return DriveType::CdRom;
    if (type == "tmpfs" || type == "ramfs")
        return DriveType::Ram;
    if (isUnderRemovableMedia(mount.mountPoint, host) ||
        (host.removable && host.removable(mount.device)))
        return DriveType::Removable;
    return DriveType::Fixed;
}

std::vector<Drive> drivesOf(std::string_view mountInfo, const DriveHost& host) {
    std::vector<Drive> drives;
    for (const auto& mount : shownMounts(parseMountInfo(mountInfo), host)) {
        const DriveType type = driveType(mount, host);
        drives.push_back({mount.mountPoint, type, entryText(mount, type, host)});
    }
    return drives;
}

std::vector<Drive> listDrives() {
    const DriveHost& host = driveHost();
    return drivesOf(host.mountTable ? host.mountTable() : std::string(), host);
}

std::string driveOf(const std::vector<Drive>& drives, const std::string& path) {
    std::vector<std::string> roots;
    for (const auto& drive : drives)
        roots.push_back(drive.root);
    return longestRoot(roots, path);
}

std::string driveOfPath(const std::string& path) {
    const DriveHost& host = driveHost();
    std::vector<std::string> roots;
    for (const auto& mount :
         shownMounts(parseMountInfo(host.mountTable ? host.mountTable() : std::string()), host))
        roots.push_back(mount.mountPoint);
    return longestRoot(roots, path);
}

bool isPathPrefix(const std::string& root, const std::string& path) {
    if (root == "/")
        return !path.empty() && path[0] == '/';
    return path.compare(0, root.size(), root) == 0 &&
           (path.size() == root.size() || path[root.size()] == '/');
}

} // namespace qf::platform
