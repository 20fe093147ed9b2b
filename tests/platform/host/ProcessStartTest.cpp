#include "platform/host/ProcessStart.h"

#include "support/FakeEditor.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

using namespace qf::platform;
using qf::test::TempDirTest;
using qf::test::waitForRecord;
using qf::test::writeRecordingProgram;

namespace {

// A PATH for one test, put back afterwards.
class PathOverride {
public:
    explicit PathOverride(const std::string& value) {
        if (const char* old = ::getenv("PATH"))
            saved_ = old;
        ::setenv("PATH", value.c_str(), 1);
    }
    ~PathOverride() { ::setenv("PATH", saved_.c_str(), 1); }

private:
    std::string saved_;
};

class ProcessStartTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        makeDir("start");
        makeDir("bin");
        ASSERT_EQ(::chdir(path("start").c_str()), 0);
    }
};

} // namespace

TEST_F(ProcessStartTest, ArgumentReachesTheProgramByteForByteInTheCurrentDirectory) {
    writeRecordingProgram(path("start/durirudo"), path("record"));
    const std::vector<std::string> arguments = {
        "/tmp/my mission.cs",
        "a \"quoted\" name.cs",
        "$HOME;rm -rf x`id`|&",
        "-leading-dash.cs",
        "caf\xe9\xff.cs",
        "two\nlines",
        "", // no file selected
    };
    for (const std::string& argument : arguments) {
        SCOPED_TRACE(argument);
        std::filesystem::remove(path("record"));
        ASSERT_TRUE(startProgram("durirudo", argument));
        const auto record = waitForRecord(path("record"));
        ASSERT_TRUE(record);
        EXPECT_EQ(record->arguments, std::vector<std::string>{argument});
        EXPECT_EQ(record->workingDirectory, path("start"));
    }
}

TEST_F(ProcessStartTest, CurrentDirectoryComesBeforeThePathAndThePathIsSearchedOtherwise) {
    writeRecordingProgram(path("bin/durirudo"), path("record"));
    PathOverride searchPath("/nonexistent:" + path("bin"));
    EXPECT_EQ(findProgram("durirudo"), path("bin/durirudo"));
    ASSERT_TRUE(startProgram("durirudo", "x.cs"));
    const auto fromPath = waitForRecord(path("record"));
    ASSERT_TRUE(fromPath);
    EXPECT_EQ(fromPath->workingDirectory, path("start")); // the caller's directory, not bin

    // Not executable in the current directory: still the one on the path.
    writeFile("start/durirudo", "#!/bin/sh\n");
    EXPECT_EQ(findProgram("durirudo"), path("bin/durirudo"));
    writeRecordingProgram(path("start/durirudo"), path("record"));
    EXPECT_EQ(findProgram("durirudo"), "./durirudo");
}

TEST_F(ProcessStartTest, AMissingOrBrokenProgramIsReportedToTheCallerOnly) {
    PathOverride searchPath(path("bin"));
    EXPECT_EQ(findProgram("durirudo"), "");
    EXPECT_FALSE(startProgram("durirudo", "x.cs"));
    makeDir("bin/durirudo"); // a directory of that name is no program
    EXPECT_EQ(findProgram("durirudo"), "");
    // Executable but with an interpreter that does not exist: exec fails in the child.
    writeFile("start/broken", "#!/nonexistent/interpreter\n");
    std::filesystem::permissions(path("start/broken"), std::filesystem::perms::owner_all);
    EXPECT_FALSE(startDetached("./broken", "x.cs"));
}

TEST_F(ProcessStartTest, TheStartedProgramIsNoChildOfTheCaller) {
    writeRecordingProgram(path("start/durirudo"), path("record"));
    ASSERT_TRUE(startProgram("durirudo", "x.cs"));
    ASSERT_TRUE(waitForRecord(path("record")));
    // Nothing is left for this process to reap: the program was handed to init.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}
