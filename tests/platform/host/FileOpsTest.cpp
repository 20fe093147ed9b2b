#include "platform/host/FileOps.h"

#include "platform/host/IoError.h"
#include "support/TempDir.h"

#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace qf::platform;
using qf::test::TempDirTest;

namespace {

class FileOpsTest : public TempDirTest {};

} // namespace

TEST(JoinPath, JoinsWithOneSeparatorAndNoNormalisation) {
    EXPECT_EQ(joinPath("/home/u", "a.cs"), "/home/u/a.cs");
    EXPECT_EQ(joinPath("/", "a.cs"), "//a.cs");
    EXPECT_EQ(joinPath("/home/u", ""), "/home/u/");
    EXPECT_EQ(joinPath("/home/u", "../a.cs"), "/home/u/../a.cs");
    EXPECT_EQ(joinPath("/home/u", " a.cs "), "/home/u/ a.cs ");
}

TEST_F(FileOpsTest, RemovingALinkRemovesTheLinkAndKeepsItsTarget) {
    writeFile("target.cs", "keep");
    ASSERT_EQ(::symlink(path("target.cs").c_str(), path("link.cs").c_str()), 0);
    EXPECT_EQ(removeFile(path("link.cs")), 0);
    EXPECT_FALSE(exists("link.cs"));
    EXPECT_EQ(readFile("target.cs"), "keep");

    ASSERT_EQ(::symlink(path("gone").c_str(), path("dangling").c_str()), 0);
    EXPECT_EQ(removeFile(path("dangling")), 0);
    EXPECT_FALSE(exists("dangling"));
}

TEST_F(FileOpsTest, RemoveFailuresAreReturnedAndChangeNothing) {
    makeDir("dir");
    EXPECT_NE(removeFile(path("dir")), 0);
    EXPECT_TRUE(exists("dir"));
    EXPECT_EQ(removeFile(path("missing.cs")), ENOENT);
    EXPECT_EQ(removeFile(""), ENOENT);
}

// Both ways of renaming must give the same answers.
TEST_F(FileOpsTest, RenameNeverReplacesAnExistingEntry) {
    using Rename = std::function<int(const std::string&, const std::string&)>;
    const std::vector<std::pair<const char*, Rename>> ways = {
        {"renameNoReplace", renameNoReplace},
        {"moveByLink", moveByLink},
    };
    for (const auto& [name, rename] : ways) {
        SCOPED_TRACE(name);
        makeDir(name);
        const std::string dir = std::string(name) + "/";
        writeFile(dir + "a.cs", "A");
        writeFile(dir + "b.cs", "B");
        makeDir(dir + "sub");

        EXPECT_EQ(rename(path(dir + "a.cs"), path(dir + "b.cs")), EEXIST);
        EXPECT_EQ(readFile(dir + "a.cs"), "A");
        EXPECT_EQ(readFile(dir + "b.cs"), "B");
        // A file onto a directory, and the name with a trailing slash, which is the directory.
        EXPECT_NE(rename(path(dir + "a.cs"), path(dir + "sub")), 0);
        EXPECT_NE(rename(path(dir + "a.cs"), path(dir)), 0);
        EXPECT_EQ(readFile(dir + "a.cs"), "A");
        // A directory onto a file.
        EXPECT_NE(rename(path(dir + "sub"), path(dir + "b.cs")), 0);
        EXPECT_EQ(readFile(dir + "b.cs"), "B");
        EXPECT_TRUE(exists(dir + "sub"));
        // Nothing selected.
        EXPECT_NE(rename("", path(dir + "c.cs")), 0);

        // A free name, also in another directory.
        EXPECT_EQ(rename(path(dir + "a.cs"), path(dir + "c.cs")), 0);
        EXPECT_FALSE(exists(dir + "a.cs"));
        EXPECT_EQ(readFile(dir + "c.cs"), "A");
        EXPECT_EQ(rename(path(dir + "c.cs"), path(dir + "sub/../../moved.cs")), 0);
        EXPECT_EQ(readFile("moved.cs"), "A");
        ASSERT_EQ(::unlink(path("moved.cs").c_str()), 0);
    }
}

TEST_F(FileOpsTest, RenamingALinkRenamesTheLinkItself) {
    writeFile("target.cs", "T");
    ASSERT_EQ(::symlink("target.cs", path("link.cs").c_str()), 0);
    for (const auto& rename : {renameNoReplace, moveByLink}) {
        ASSERT_EQ(rename(path("link.cs"), path("renamed.cs")), 0);
        struct stat st {};
        ASSERT_EQ(::lstat(path("renamed.cs").c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
        EXPECT_EQ(readFile("target.cs"), "T");
        ASSERT_EQ(::rename(path("renamed.cs").c_str(), path("link.cs").c_str()), 0);
    }
    EXPECT_EQ(moveByLink(path("missing"), path("x")), ENOENT);
}

TEST_F(FileOpsTest, CreateDirectoryRaisesTheCodeOfItsFailure) {
    writeFile("file.cs");
    makeDir("existing");
    struct Case {
        std::string name;
        int code;
    };
    const std::vector<Case> cases = {
        {"existing", 183},
        {"file.cs", 183},
        {"", 183}, // the directory itself, with a trailing separator
        {"missing/child", 3},
        {"file.cs/child", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            createDirectory(joinPath(root(), c.name));
            ADD_FAILURE() << "no error";
        } catch (const IoError& e) {
            EXPECT_EQ(e.code(), c.code);
        }
    }
    createDirectory(joinPath(root(), "existing/child"));
    EXPECT_TRUE(exists("existing/child"));
}

TEST_F(FileOpsTest, CreateDirectoryWithoutRightsIsAccessDenied) {
    if (!permissionsBite())
        GTEST_SKIP() << "cannot take an unprivileged user's identity here";
    makeDir("locked");
    ASSERT_EQ(::chmod(path("locked").c_str(), 0555), 0);
    try {
        createDirectory(path("locked/child"));
        ADD_FAILURE() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 5);
    }
}

TEST_F(FileOpsTest, CreatedDirectoryTakesAllRightsTheUmaskLeaves) {
    const mode_t old = ::umask(022);
    createDirectory(path("made"));
    ::umask(old);
    struct stat st {};
    ASSERT_EQ(::stat(path("made").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);
}
