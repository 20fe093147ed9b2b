#include "support/TempDir.h"

#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace qf::test {

namespace fs = std::filesystem;

namespace {

// Debian's "nobody": owns no files of its own, so only the permissions under test decide.
constexpr uid_t kUnprivilegedUser = 65534;
constexpr gid_t kUnprivilegedGroup = 65534;

void takeBackPrivileges() {
    // The saved user id stays root throughout, which is what lets the effective ids return.
    if (::seteuid(0) != 0 || ::setegid(0) != 0)
        std::abort();
}

// Removes what a test left, however deep or locked. Each directory is opened relative to its
// parent, so no path grows longer than the system accepts.
void removeContents(int folder) {
    DIR* dir = ::fdopendir(::dup(folder));
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat st {};
        if (::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (!S_ISDIR(st.st_mode)) {
            ::unlinkat(folder, name.c_str(), 0);
            continue;
        }
        ::fchmodat(folder, name.c_str(), 0700, 0); // a test may have locked it
        const int sub =
            ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (sub >= 0) {
            removeContents(sub);
            ::close(sub);
        }
        ::unlinkat(folder, name.c_str(), AT_REMOVEDIR);
    }
    ::closedir(dir);
}

} // namespace

void TempDirTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    root_ = fs::canonical(dir_.path().toStdString()).string();
    savedCwd_ = fs::current_path().string();
}

void TempDirTest::TearDown() {
    if (privilegesDropped_)
        takeBackPrivileges();
    ::chmod(root_.c_str(), 0700);
    if (const int fd = ::open(root_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        removeContents(fd);
        ::close(fd);
    }
    ASSERT_EQ(::chdir(savedCwd_.c_str()), 0);
}

void TempDirTest::writeFile(const std::string& relative, const std::string& bytes) const {
    const fs::path target = path(relative);
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void TempDirTest::makeDir(const std::string& relative) const {
    fs::create_directories(path(relative));
}

std::string TempDirTest::readFile(const std::string& relative) const {
    std::ifstream in(path(relative), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TempDirTest::exists(const std::string& relative) const {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path(relative), ec));
}

bool TempDirTest::permissionsBite() {
    if (::geteuid() != 0)
        return true; // an ordinary user already, or dropped earlier in this test
    if (::chown(root_.c_str(), kUnprivilegedUser, kUnprivilegedGroup) != 0)
        return false;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root_, ec); it != fs::end(it); it.increment(ec))
        if (::lchown(it->path().c_str(), kUnprivilegedUser, kUnprivilegedGroup) != 0)
            return false;
    if (::setegid(kUnprivilegedGroup) != 0)
        return false;
    if (::seteuid(kUnprivilegedUser) != 0) {
        takeBackPrivileges();
        return false;
    }
    privilegesDropped_ = true;
    // The directory above the test's own may keep the unprivileged user out altogether.
    return ::faccessat(AT_FDCWD, root_.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

} // namespace qf::test
