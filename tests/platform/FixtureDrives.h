#pragma once

#include "platform/host/Drives.h"

#include <string>
#include <vector>

namespace qf::test {

// Puts a mount table in place of the machine's while it lives: "/" and one network mount per
// root given (the one kind of drive shown wherever it is mounted), so a test's drives are
// directories of its own. Network mount n has the source "srv:/n".
class FixtureDrives {
public:
    explicit FixtureDrives(const std::vector<std::string>& remoteRoots)
        : saved_(platform::driveHost()) {
        std::string table = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n";
        int n = 2;
        for (const auto& root : remoteRoots) {
            table += std::to_string(n) + " 1 0:" + std::to_string(n) + " / " + root +
                     " rw - nfs srv:/" + std::to_string(n) + " rw\n";
            ++n;
        }
        platform::DriveHost host;
        host.mountTable = [table] { return table; };
        host.label = [](platform::DeviceNumber) { return std::string(); };
        host.removable = [](platform::DeviceNumber) { return false; };
        platform::setDriveHost(std::move(host));
    }
    ~FixtureDrives() { platform::setDriveHost(saved_); }
    FixtureDrives(const FixtureDrives&) = delete;
    FixtureDrives& operator=(const FixtureDrives&) = delete;

private:
    platform::DriveHost saved_;
};

} // namespace qf::test
