#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qf::platform {

enum class DriveType { Removable, Fixed, CdRom, Remote, Ram };

// A block device number as the kernel reports it (major:minor).
struct DeviceNumber {
    unsigned major = 0;
    unsigned minor = 0;
    bool operator==(const DeviceNumber&) const = default;
};

// One line of the mount table, its escapes decoded.
struct MountEntry {
    DeviceNumber device;
    std::string fsRoot;     // the directory of the file system that is mounted (not "/" for a bind)
    std::string mountPoint; // where it is mounted: the drive's root
    std::string fsType;
    std::string source; // the device, or the network name of a remote share
};

// A drive as the selector shows it.
struct Drive {
    std::string root;
    DriveType type;
    std::string text; // the entry text
};

// What the drive list needs to know beyond the mount table, so that it can be built from
// fixture facts as well as from the running system.
struct DriveHost {
    std::function<std::string()> mountTable;        // the text of /proc/self/mountinfo
    std::string home;                               // the user's home directory
    std::string user;                               // the user's login name
    std::function<std::string(DeviceNumber)> label; // volume label, empty when none
    std::function<bool(DeviceNumber)> removable;    // never asks the medium itself
};

// The facts of this machine: /proc/self/mountinfo, /dev/disk/by-label and /sys/dev/block.
DriveHost systemDriveHost();
// The host the controls list drives from; tests put fixture facts in its place.
const DriveHost& driveHost();
void setDriveHost(DriveHost host);

// Every line of a mountinfo text, in order.
std::vector<MountEntry> parseMountInfo(std::string_view text);

// The mounts a desktop file manager would show, sorted by root, "/" always among them.
std::vector<MountEntry> shownMounts(const std::vector<MountEntry>& table, const DriveHost& host);

DriveType driveType(const MountEntry& mount, const DriveHost& host);

// The drives of the mount table, with types and entry texts.
std::vector<Drive> drivesOf(std::string_view mountInfo, const DriveHost& host);
// The drives of driveHost().
std::vector<Drive> listDrives();

// The root of the drive holding path: the longest root that is a prefix of it, component-wise.
std::string driveOf(const std::vector<Drive>& drives, const std::string& path);
// The same over driveHost()'s table; labels are not looked up for it.
std::string driveOfPath(const std::string& path);

// Whether root is path itself or one of its ancestors, comparing whole components.
bool isPathPrefix(const std::string& root, const std::string& path);

} // namespace qf::platform
