#include "platform/host/Directory.h"

#include "platform/host/IoError.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace qf::platform;
using qf::test::TempDirTest;

namespace {

std::map<std::string, DirEntry> byName(const std::vector<DirEntry>& entries) {
    std::map<std::string, DirEntry> result;
    for (const auto& e : entries)
        result.emplace(e.name, e);
    return result;
}

class DirectoryTest : public TempDirTest {};

} // namespace

TEST_F(DirectoryTest, ListsKindsHiddenAndFollowsLinks) {
    writeFile("a.cs");
    writeFile(".hidden.cs");
    makeDir("sub");
    makeDir(".git");
    ASSERT_EQ(::symlink("a.cs", path("toFile").c_str()), 0);
    ASSERT_EQ(::symlink("sub", path("toDir").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", path("dangling").c_str()), 0);
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    writeFile(std::string("bad\xff\nname"));

    const auto entries = byName(listDirectory(root()));
    const std::vector<std::tuple<std::string, EntryKind, bool>> expected = {
        {"a.cs", EntryKind::File, false},
        {".hidden.cs", EntryKind::File, true},
        {"sub", EntryKind::Directory, false},
        {".git", EntryKind::Directory, true},
        {"toFile", EntryKind::File, false},
        {"toDir", EntryKind::Directory, false},
        {"dangling", EntryKind::Other, false},
        {"fifo", EntryKind::Other, false},
        {std::string("bad\xff\nname"), EntryKind::File, false},
    };
    ASSERT_EQ(entries.size(), expected.size()) << "no '.' or '..', nothing missing";
    for (const auto& [name, kind, hidden] : expected) {
        ASSERT_TRUE(entries.count(name)) << name;
        EXPECT_EQ(entries.at(name).kind, kind) << name;
        EXPECT_EQ(entries.at(name).hidden, hidden) << name;
    }
    // Qt's clean-up of the temporary directory cannot name a file that is not valid UTF-8.
    ::unlink(path(std::string("bad\xff\nname")).c_str());
}

TEST_F(DirectoryTest, ReadOnlyIsKnownWhenAskedFor) {
    writeFile("ro.cs");
    writeFile("rw.cs");
    ASSERT_EQ(::chmod(path("ro.cs").c_str(), 0444), 0);
    const auto entries = byName(listDirectory(root(), EntryDetail::WithReadOnly));
    EXPECT_TRUE(entries.at("ro.cs").readOnly);
    EXPECT_FALSE(entries.at("rw.cs").readOnly);
    EXPECT_EQ(entries.at("ro.cs").kind, EntryKind::File);
}

TEST_F(DirectoryTest, ListingFailuresRaiseTheirCodes) {
    writeFile("file");
    const std::vector<std::pair<std::string, int>> cases = {
        {path("missing"), 2},
        {path("missing/deeper"), 3},
        {path("file"), 3},
    };
    for (const auto& [dir, code] : cases) {
        try {
            listDirectory(dir);
            ADD_FAILURE() << dir << " listed";
        } catch (const IoError& e) {
            EXPECT_EQ(e.code(), code) << dir;
        }
    }
}

TEST_F(DirectoryTest, UnreadableDirectoryIsAccessDenied) {
    if (!permissionsBite())
        GTEST_SKIP() << "cannot take an unprivileged user's identity here";
    makeDir("locked");
    ASSERT_EQ(::chmod(path("locked").c_str(), 0), 0);
    try {
        listDirectory(path("locked"));
        ADD_FAILURE() << "listed";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 5);
        EXPECT_STREQ(e.what(), "File access denied");
    }
    try {
        setCurrentDirectory(path("locked"));
        ADD_FAILURE() << "entered";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 5);
    }
}

TEST_F(DirectoryTest, CurrentDirectoryRoundTripsAndFailuresLeaveItAlone) {
    makeDir("sub dir");
    setCurrentDirectory(path("sub dir"));
    EXPECT_EQ(currentDirectory(), path("sub dir"));
    EXPECT_THROW(setCurrentDirectory(path("gone")), IoError);
    EXPECT_EQ(currentDirectory(), path("sub dir"));
    setCurrentDirectory("/");
    EXPECT_EQ(currentDirectory(), "/");
}

TEST_F(DirectoryTest, CurrentDirectoryOfAnyLength) {
    // Deeper than PATH_MAX, built one relative step at a time as the kernel allows.
    setCurrentDirectory(root());
    const std::string component(200, 'd');
    std::string expected = root();
    for (int i = 0; i < 25; ++i) {
        ASSERT_EQ(::mkdir(component.c_str(), 0700), 0);
        setCurrentDirectory(component);
        expected += "/" + component;
    }
    EXPECT_GT(expected.size(), 4096u);
    EXPECT_EQ(currentDirectory(), expected);
    // Removed the same way, since the full path is too long for the temporary directory's cleanup.
    for (int i = 0; i < 25; ++i) {
        setCurrentDirectory("..");
        ASSERT_EQ(::rmdir(component.c_str()), 0);
    }
}

TEST_F(DirectoryTest, ExistenceTests) {
    writeFile("f");
    makeDir("d");
    ASSERT_EQ(::symlink("d", path("linkToDir").c_str()), 0);
    ASSERT_EQ(::symlink("f", path("linkToFile").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", path("dangling").c_str()), 0);
    const std::vector<std::tuple<std::string, bool, bool>> cases = {
        // path, directoryExists, fileExists
        {"f", false, true},          {"d", true, false},         {"linkToDir", true, false},
        {"linkToFile", false, true}, {"dangling", false, false}, {"missing", false, false},
    };
    for (const auto& [name, isDir, isFile] : cases) {
        EXPECT_EQ(directoryExists(path(name)), isDir) << name;
        EXPECT_EQ(fileExists(path(name)), isFile) << name;
    }
    EXPECT_FALSE(directoryExists(""));
    EXPECT_FALSE(fileExists(""));
}

TEST_F(DirectoryTest, RestorerPutsBackARemovedPathsDirectory) {
    makeDir("a");
    makeDir("b");
    setCurrentDirectory(path("a"));
    {
        CurrentDirectoryRestorer restorer;
        setCurrentDirectory(path("b"));
    }
    EXPECT_EQ(currentDirectory(), path("a"));
    // Held open, the way back works even after the directory was renamed away.
    {
        CurrentDirectoryRestorer restorer;
        setCurrentDirectory(path("b"));
        std::filesystem::rename(path("a"), path("renamed"));
    }
    EXPECT_EQ(currentDirectory(), path("renamed"));
}
