#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace qf::test {

namespace fs = std::filesystem;

void TempDirTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    root_ = fs::canonical(dir_.path().toStdString()).string();
    savedCwd_ = fs::current_path().string();
}

void TempDirTest::TearDown() {
    // Tests may leave permissions that stop the directory from being removed.
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root_, ec); it != fs::end(it); it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
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

} // namespace qf::test
