#include "platform/host/Drives.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace qf::platform;

namespace {

// A desktop's mount table: what a file manager shows sits among kernel, container and snap
// mounts.
const char* const desktopTable =
    "22 28 0:21 / /proc rw,relatime shared:5 - proc proc rw\n"
    "23 28 0:22 / /sys rw,relatime shared:6 - sysfs sysfs rw\n"
    "24 28 0:6 / /dev rw,relatime shared:2 - devtmpfs udev rw,size=8k\n"
    "25 24 0:24 / /dev/shm rw shared:3 - tmpfs tmpfs rw\n"
    "26 28 0:25 / /run rw,nosuid - tmpfs tmpfs rw,mode=755\n"
    "27 23 0:26 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"
    "28 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
    "29 28 8:1 / /boot/efi rw shared:7 - vfat /dev/sda1 rw\n"
    "30 28 8:3 / /home rw shared:8 - ext4 /dev/sda3 rw\n"
    "31 28 0:30 / /proc/sys/fs/binfmt_misc rw - autofs systemd-1 rw\n"
    "32 28 7:1 / /snap/core/123 ro shared:9 - squashfs /dev/loop1 ro\n"
    "33 28 0:40 / /var/lib/docker/overlay2/abc/merged rw - overlay overlay rw\n"
    "34 30 0:41 / /home/ann/.cache/doc rw - fuse.portal portal rw\n"
    "35 30 8:4 / /home/ann/.local/vault rw - ext4 /dev/sda4 rw\n"
    "36 28 8:17 / /media/ann/USB\\040STICK rw - vfat /dev/sdb1 rw\n"
    "37 26 8:33 / /run/media/ann/DATA rw - ext4 /dev/sdc1 rw\n"
    "38 26 8:34 / /run/media/bob/OTHER rw - ext4 /dev/sdc2 rw\n"
    "39 28 8:49 / /mnt/backup rw - ext4 /dev/sdd1 rw\n"
    "40 28 8:65 / /mnt/usbdisk rw - ext4 /dev/sde1 rw\n"
    "41 28 11:0 / /mnt/cd ro - iso9660 /dev/sr0 ro\n"
    "42 28 0:50 / /srv/share rw - nfs4 server:/export rw\n"
    "43 30 0:51 / /home/ann/remote rw - fuse.sshfs ann@Host:/data rw\n"
    "44 28 0:52 / /mnt/ram rw - tmpfs tmpfs rw\n"
    "45 28 0:53 / /mnt/smb rw - cifs //NAS/Music rw\n"
    "46 28 8:49 /sub /mnt/bind rw - ext4 /dev/sdd1 rw\n"
    "47 28 0:54 / /net rw - autofs /etc/auto.net rw\n"
    "48 30 8:5 / /home/ann/games rw - ext4 /dev/sda5 rw\n";

// The fixture's facts beside the table; remembers whose label was asked for.
struct FixtureHost {
    std::map<std::pair<unsigned, unsigned>, std::string> labels{
        {{8, 2}, "System"}, {{8, 49}, "Backup"},    {{11, 0}, "DVD_2024"},
        {{8, 65}, "Stick"}, {{8, 17}, "USB STICK"}, {{8, 5}, ""},
    };
    std::set<std::pair<unsigned, unsigned>> removable{{8, 65}, {8, 17}};
    std::set<std::pair<unsigned, unsigned>> labelAsked;

    DriveHost host(std::string table = desktopTable, std::string home = "/home/ann") {
        DriveHost h;
        h.mountTable = [table] { return table; };
        h.home = std::move(home);
        h.user = "ann";
        h.label = [this](DeviceNumber d) {
            labelAsked.insert({d.major, d.minor});
            const auto found = labels.find({d.major, d.minor});
            return found == labels.end() ? std::string() : found->second;
        };
        h.removable = [this](DeviceNumber d) { return removable.count({d.major, d.minor}) > 0; };
        return h;
    }
};

struct Expected {
    std::string root;
    DriveType type;
    std::string text;
};

void expectDrives(const std::vector<Drive>& drives, const std::vector<Expected>& expected) {
    ASSERT_EQ(drives.size(), expected.size());
    for (std::size_t i = 0; i < drives.size(); ++i) {
        EXPECT_EQ(drives[i].root, expected[i].root) << i;
        EXPECT_EQ(drives[i].type, expected[i].type) << expected[i].root;
        EXPECT_EQ(drives[i].text, expected[i].text) << expected[i].root;
    }
}

} // namespace

TEST(Drives, DesktopTableShowsUserVolumesWithTypesAndTexts) {
    FixtureHost fixture;
    const DriveHost host = fixture.host();
    expectDrives(drivesOf(desktopTable, host),
                 {
                     {"/", DriveType::Fixed, "/ [system]"},
                     {"/home/ann/games", DriveType::Fixed, "/home/ann/games []"},
                     {"/home/ann/remote", DriveType::Remote, "/home/ann/remote ann@host:/data"},
                     {"/media/ann/USB STICK", DriveType::Removable, "/media/ann/USB STICK"},
                     {"/mnt/backup", DriveType::Fixed, "/mnt/backup [backup]"},
                     {"/mnt/cd", DriveType::CdRom, "/mnt/cd [dvd_2024]"},
                     {"/mnt/ram", DriveType::Ram, "/mnt/ram []"},
                     {"/mnt/smb", DriveType::Remote, "/mnt/smb //nas/music"},
                     {"/mnt/usbdisk", DriveType::Removable, "/mnt/usbdisk"},
                     {"/run/media/ann/DATA", DriveType::Removable, "/run/media/ann/DATA"},
                     {"/srv/share", DriveType::Remote, "/srv/share server:/export"},
                 });
    // Building the list never wakes a removable medium by asking for its label.
    EXPECT_EQ(fixture.labelAsked.count({8, 17}), 0u);
    EXPECT_EQ(fixture.labelAsked.count({8, 65}), 0u);
    EXPECT_EQ(fixture.labelAsked.count({8, 33}), 0u);
}

TEST(Drives, EscapedFieldsAreDecoded) {
    FixtureHost fixture;
    const std::string table = "1 0 8:2 / / rw - ext4 /dev/sda2 rw\n"
                              "2 1 0:60 / /mnt/tab\\011and\\134slash rw - tmpfs tmpfs rw\n"
                              "3 1 0:61 / /mnt/my\\040share rw - cifs //srv/with\\040blank rw\n";
    const auto mounts = parseMountInfo(table);
    ASSERT_EQ(mounts.size(), 3u);
    EXPECT_EQ(mounts[1].mountPoint, "/mnt/tab\tand\\slash");
    EXPECT_EQ(mounts[2].mountPoint, "/mnt/my share");
    EXPECT_EQ(mounts[2].source, "//srv/with blank");
    EXPECT_EQ(mounts[2].device, (DeviceNumber{0, 61}));
    expectDrives(drivesOf(table, fixture.host(table)),
                 {
                     {"/", DriveType::Fixed, "/ [system]"},
                     {"/mnt/my share", DriveType::Remote, "/mnt/my share //srv/with blank"},
                     {"/mnt/tab\tand\\slash", DriveType::Ram, "/mnt/tab\tand\\slash []"},
                 });
}

TEST(Drives, RootIsAlwaysADrive) {
    FixtureHost fixture;
    const std::vector<std::pair<std::string, Expected>> cases = {
        {"", {"/", DriveType::Fixed, "/ []"}},
        {"garbage line\n\n", {"/", DriveType::Fixed, "/ []"}},
        // A container's root is an overlay, which is never shown anywhere else.
        {"9 1 0:40 / / rw - overlay overlay rw\n", {"/", DriveType::Fixed, "/ []"}},
        {"9 1 0:41 / / rw - tmpfs rootfs rw\n", {"/", DriveType::Ram, "/ []"}},
    };
    for (const auto& [table, root] : cases) {
        SCOPED_TRACE(table);
        expectDrives(drivesOf(table, fixture.host(table)), {root});
    }
}

TEST(Drives, LaterMountOnThePointHidesTheEarlierOne) {
    FixtureHost fixture;
    const std::string covered = "1 0 8:2 / / rw - ext4 /dev/sda2 rw\n"
                                "2 1 8:49 / /mnt/x rw - ext4 /dev/sdd1 rw\n"
                                "3 2 11:0 / /mnt/x ro - udf /dev/sr0 ro\n";
    expectDrives(
        drivesOf(covered, fixture.host(covered)),
        {{"/", DriveType::Fixed, "/ [system]"}, {"/mnt/x", DriveType::CdRom, "/mnt/x [dvd_2024]"}});
    const std::string hidden = "1 0 8:2 / / rw - ext4 /dev/sda2 rw\n"
                               "2 1 8:49 / /mnt/x rw - ext4 /dev/sdd1 rw\n"
                               "3 2 0:9 / /mnt/x rw - autofs auto rw\n";
    expectDrives(drivesOf(hidden, fixture.host(hidden)), {{"/", DriveType::Fixed, "/ [system]"}});
}

TEST(Drives, RemoteWithoutNetworkNameShowsItsLabel) {
    FixtureHost fixture;
    const std::string table = "1 0 8:2 / / rw - ext4 /dev/sda2 rw\n"
                              "2 1 8:49 / /mnt/n rw - nfs none rw\n";
    expectDrives(
        drivesOf(table, fixture.host(table)),
        {{"/", DriveType::Fixed, "/ [system]"}, {"/mnt/n", DriveType::Remote, "/mnt/n [backup]"}});
}

TEST(Drives, HomeAtRootDoesNotShowEveryMount) {
    FixtureHost fixture;
    const DriveHost host = fixture.host(desktopTable, "/");
    for (const auto& drive : drivesOf(desktopTable, host)) {
        EXPECT_NE(drive.root, "/boot/efi");
        EXPECT_NE(drive.root, "/home");
        EXPECT_NE(drive.root, "/home/ann/games");
    }
}

TEST(Drives, DriveOfPathIsTheLongestRootComponentWise) {
    const std::vector<Drive> drives = {
        {"/", DriveType::Fixed, ""},
        {"/mnt/a", DriveType::Fixed, ""},
        {"/mnt/a/b", DriveType::Fixed, ""},
        {"/media/x y", DriveType::Removable, ""},
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/", "/"},
        {"/usr/lib", "/"},
        {"/mnt", "/"},
        {"/mnt/a", "/mnt/a"},
        {"/mnt/ab", "/"},
        {"/mnt/a/bc", "/mnt/a"},
        {"/mnt/a/b", "/mnt/a/b"},
        {"/mnt/a/b/c/d", "/mnt/a/b"},
        {"/media/x y/z", "/media/x y"},
        {"/media/x", "/"},
        {"relative", ""},
    };
    for (const auto& [path, root] : cases)
        EXPECT_EQ(driveOf(drives, path), root) << path;
}

TEST(Drives, DriveOfPathReadsTheHostsTable) {
    FixtureHost fixture;
    const DriveHost saved = driveHost();
    setDriveHost(fixture.host());
    EXPECT_EQ(driveOfPath("/mnt/backup/projects"), "/mnt/backup");
    EXPECT_EQ(driveOfPath("/mnt/bind/projects"), "/");
    EXPECT_EQ(driveOfPath("/home/ann/remote/x"), "/home/ann/remote");
    EXPECT_TRUE(fixture.labelAsked.empty());
    setDriveHost(saved);
}
