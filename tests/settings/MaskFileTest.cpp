#include "settings/MaskFile.h"

#include "platform/ErrorBox.h"
#include "platform/host/IoError.h"
#include "support/TempDir.h"

#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace qf::settings;
using qf::platform::IoError;

namespace {

// Every case starts in the temporary directory, as the program starts in its own.
class MaskFileTest : public qf::test::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        ASSERT_EQ(::chdir(root().c_str()), 0);
    }
};

// The text the error box shows for what action raises, or "" when it raises nothing.
std::string errorText(const std::function<void()>& action) {
    try {
        action();
    } catch (const IoError& e) {
        return qf::platform::errorBoxText(e.what());
    }
    return {};
}

} // namespace

TEST_F(MaskFileTest, StartupReadsLineOneOfAnExistingFile) {
    const std::string tenMegabytes(10 * 1024 * 1024, 'm');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"\r\n", ""},
        {"*.cs;*.txt\r\n", "*.cs;*.txt"},
        {"*.cs ; *.vol", "*.cs ; *.vol"},
        {"*.cs\n*.vol\n", "*.cs\n*.vol\n"}, // bare LF does not end the line
        {std::string("*.cs;\x1a") + "*.vol\r\n", "*.cs;"},
        {"*.cs\r\n*.vol\r\n", "*.cs"}, // a second line has no effect
        {std::string("*.c\0s\r\n", 7), std::string("*.c\0s", 5)},
        {tenMegabytes + "\r\n", tenMegabytes},
    };
    for (const auto& [bytes, masks] : cases) {
        SCOPED_TRACE(bytes.substr(0, 20));
        writeFile("Data/QFOPT.dat", bytes);
        ASSERT_TRUE(maskFileExists());
        EXPECT_EQ(readMaskLine(), masks);
        const StartupMasks loaded = loadOrCreateMasks();
        EXPECT_EQ(loaded.masks, masks);
        EXPECT_FALSE(loaded.created);
        EXPECT_EQ(readFile("Data/QFOPT.dat"), bytes); // reading writes nothing
    }
}

TEST_F(MaskFileTest, StartupCreatesTheDefaultFileWhenMissing) {
    makeDir("Data");
    ASSERT_FALSE(maskFileExists());
    const StartupMasks loaded = loadOrCreateMasks();
    EXPECT_EQ(loaded.masks, "*.cs;*.vol");
    EXPECT_TRUE(loaded.created);
    EXPECT_EQ(readFile("Data/QFOpt.dat"), "*.cs;*.vol\r\n");
    EXPECT_EQ(readFile("Data/QFOpt.dat").size(), 12u);
    EXPECT_TRUE(maskFileExists());
    EXPECT_FALSE(loadOrCreateMasks().created); // the next start reads what the first wrote
}

TEST_F(MaskFileTest, WriterStoresTheTextAndCrLfOnly) {
    makeDir("Data");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "\r\n"},
        {"*.cs ; *.txt", "*.cs ; *.txt\r\n"},
        {"*.CS", "*.CS\r\n"}, // a shorter text leaves nothing of the longer one behind
    };
    writeMaskLine(std::string(100, 'x'));
    for (const auto& [masks, bytes] : cases) {
        writeMaskLine(masks);
        EXPECT_EQ(readFile("Data/QFOpt.dat"), bytes);
        EXPECT_EQ(readMaskLine(), masks);
    }
}

TEST_F(MaskFileTest, FolderAndFileAreFoundWhateverTheirCase) {
    writeFile("data/qfopt.DAT", "*.pas\r\n");
    EXPECT_EQ(maskFilePath(), "data/qfopt.DAT");
    EXPECT_TRUE(maskFileExists());
    EXPECT_EQ(loadOrCreateMasks().masks, "*.pas");
    writeMaskLine("*.cs");
    EXPECT_EQ(readFile("data/qfopt.DAT"), "*.cs\r\n"); // rewritten, not a second file beside it
    EXPECT_FALSE(exists("data/QFOpt.dat"));
}

TEST_F(MaskFileTest, NewFileGetsTheWritersNameInsideTheExistingFolder) {
    makeDir("DATA");
    writeMaskLine("*.cs");
    EXPECT_EQ(readFile("DATA/QFOpt.dat"), "*.cs\r\n");
    EXPECT_FALSE(exists("Data")); // the folder is never created
}

TEST_F(MaskFileTest, PathFollowsTheCurrentDirectory) {
    writeFile("one/Data/QFOPT.dat", "*.one\r\n");
    writeFile("two/Data/QFOPT.dat", "*.two\r\n");
    ASSERT_EQ(::chdir(path("two").c_str()), 0);
    EXPECT_EQ(readMaskLine(), "*.two");
    ASSERT_EQ(::chdir(path("one").c_str()), 0);
    EXPECT_EQ(readMaskLine(), "*.one");
}

namespace {

// One failure: how the start-up directory is prepared (names relative to it), what runs there,
// and the text the error box shows.
struct FailureCase {
    const char* situation;
    std::function<void(const std::function<std::string(const std::string&)>& at)> prepare;
    std::function<void()> action;
    std::string shown;
};

} // namespace

class MaskFileFailureTest : public MaskFileTest {
protected:
    // Each case runs in a start-up directory of its own.
    void run(const std::vector<FailureCase>& cases) {
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const FailureCase& c = cases[i];
            SCOPED_TRACE(c.situation);
            const std::string dir = "case" + std::to_string(i);
            makeDir(dir);
            c.prepare([&](const std::string& relative) { return dir + "/" + relative; });
            ASSERT_EQ(::chdir(path(dir).c_str()), 0);
            EXPECT_EQ(errorText(c.action), c.shown);
            EXPECT_FALSE(exists(dir + "/Data/QFOpt.dat"));
            ASSERT_EQ(::chdir(root().c_str()), 0);
        }
    }
};

TEST_F(MaskFileFailureTest, FailuresShowTheTextOfTheirCode) {
    const auto none = [](const auto&) {};
    run({
        {"no Data folder", none, [] { loadOrCreateMasks(); }, "Invalid filename."},
        {"no Data folder, writing", none, [] { writeMaskLine("*.cs"); }, "Invalid filename."},
        {"Data is a file", [this](const auto& at) { writeFile(at("Data"), "x"); },
         [] { loadOrCreateMasks(); }, "Invalid filename."},
        {"a directory named QFOPT.dat counts as missing",
         [this](const auto& at) { makeDir(at("Data/QFOPT.dat")); },
         [] {
             EXPECT_FALSE(maskFileExists());
             loadOrCreateMasks();
         },
         "File access denied."},
    });
    EXPECT_FALSE(exists("case0/Data"));
}

TEST_F(MaskFileFailureTest, PermissionsDenyAccess) {
    if (!permissionsBite())
        GTEST_SKIP() << "cannot take an unprivileged user's identity here";
    run({
        {"unreadable file",
         [this](const auto& at) {
             writeFile(at("Data/QFOPT.dat"), "*.cs\r\n");
             ASSERT_EQ(::chmod(path(at("Data/QFOPT.dat")).c_str(), 0200), 0);
         },
         [] { loadOrCreateMasks(); }, "File access denied."},
        {"read-only file is read but not written",
         [this](const auto& at) {
             writeFile(at("Data/QFOPT.dat"), "*.cs\r\n");
             ASSERT_EQ(::chmod(path(at("Data/QFOPT.dat")).c_str(), 0444), 0);
         },
         [] {
             EXPECT_EQ(loadOrCreateMasks().masks, "*.cs");
             writeMaskLine("*.vol");
         },
         "File access denied."},
    });
}
