#include "platform/host/TextFile.h"

#include "platform/host/IoError.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace qf::platform;
using qf::test::FileSizeLimit;
using qf::test::TempDirTest;

namespace {

class TextFileTest : public TempDirTest {};

// Runs action and returns the code of the IoError it raises, or -1 when it raises none.
int ioErrorCode(const std::function<void()>& action) {
    try {
        action();
    } catch (const IoError& e) {
        return e.code();
    }
    return -1;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST_F(TextFileTest, ReadsLinesByCarriageReturnAndStopsAtCtrlZ) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines; // read one after the other, then the file is at its end
    };
    const std::string longRun(64 * 1024 - 1, 'x'); // its CR is the last byte of the first read
    const std::vector<Case> cases = {
        {"empty", "", {}},
        {"no line end", "abc", {"abc"}},
        {"CR LF", "abc\r\ndef\r\n", {"abc", "def"}},
        {"lone CR", "abc\rdef", {"abc", "def"}},
        {"lone LF belongs to the line", "a\nb\r\nc", {"a\nb", "c"}},
        {"LF LF after CR: only one is the line end", "a\r\n\nb", {"a", "\nb"}},
        {"empty lines", "\r\n\r\n", {"", ""}},
        {"Ctrl+Z ends the text", std::string("ab\x1a") + "cd\r\nef", {"ab"}},
        {"Ctrl+Z first", std::string("\x1a") + "abc", {}},
        {"NUL bytes stay", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
        {"high bytes stay", "\xe9\xff\x81\r\n", {"\xe9\xff\x81"}},
        {"CR LF across two reads", longRun + "\r\ny", {longRun, "y"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile("f.txt", c.bytes);
        TextReader reader(path("f.txt"));
        for (const std::string& line : c.lines) {
            EXPECT_FALSE(reader.atEnd());
            EXPECT_EQ(reader.readLine(), line);
        }
        EXPECT_TRUE(reader.atEnd());
        EXPECT_EQ(reader.readLine(), "");
        reader.close();
    }
}

TEST_F(TextFileTest, OpeningForReadingFailsWithTheCodeOfTheCause) {
    writeFile("folder/present.txt", "x");
    writeFile("plain.txt", "x");
    const std::vector<std::pair<std::string, int>> cases = {
        {"folder/missing.txt", 2},   // "File not found"
        {"nofolder/missing.txt", 3}, // "Invalid filename"
        {"plain.txt/below", 3},
        {"folder", 5}, // a directory: "File access denied"
    };
    for (const auto& [relative, code] : cases)
        EXPECT_EQ(ioErrorCode([&] { TextReader reader(path(relative)); }), code) << relative;
}

TEST_F(TextFileTest, UnreadableFileIsAccessDenied) {
    if (!permissionsBite())
        GTEST_SKIP() << "cannot take an unprivileged user's identity here";
    writeFile("secret.txt", "x");
    ASSERT_EQ(::chmod(path("secret.txt").c_str(), 0), 0);
    EXPECT_EQ(ioErrorCode([&] { TextReader reader(path("secret.txt")); }), 5);
}

TEST_F(TextFileTest, WritesBytesAsGivenEachLineEndedByCrLf) {
    writeFile("out.txt", std::string(100, 'o')); // an existing file is emptied first
    TextWriter writer(path("out.txt"));
    writer.writeLine("*.cs;*.vol");
    writer.writeLine("");
    writer.writeLine(std::string("a\0\n\xe9", 4));
    writer.close();
    EXPECT_EQ(readFile("out.txt"), std::string("*.cs;*.vol\r\n\r\na\0\n\xe9\r\n", 20));
}

TEST_F(TextFileTest, WritesMoreThanOneBufferCompletely) {
    const std::string line(50'000, 'l');
    TextWriter writer(path("big.txt"));
    for (int i = 0; i < 5; ++i)
        writer.writeLine(line);
    writer.close();
    std::string expected;
    for (int i = 0; i < 5; ++i)
        expected += line + "\r\n";
    EXPECT_EQ(readFile("big.txt"), expected);
}

TEST_F(TextFileTest, CreatingFailsWithTheCodeOfTheCause) {
    makeDir("folder/sub");
    const std::vector<std::pair<std::string, int>> cases = {
        {"nofolder/new.txt", 3}, // "Invalid filename": creation never says "File not found"
        {"folder/sub", 5},       // a directory of that name: "File access denied"
    };
    for (const auto& [relative, code] : cases)
        EXPECT_EQ(ioErrorCode([&] { TextWriter writer(path(relative)); }), code) << relative;
    EXPECT_FALSE(exists("nofolder"));
}

TEST_F(TextFileTest, ReadOnlyFileCannotBeCreatedOverNorReplaced) {
    if (!permissionsBite())
        GTEST_SKIP() << "cannot take an unprivileged user's identity here";
    writeFile("locked.txt", "keep");
    ASSERT_EQ(::chmod(path("locked.txt").c_str(), 0444), 0);
    for (const Replacing how : {Replacing::Truncate, Replacing::WhenStored})
        EXPECT_EQ(ioErrorCode([&] { TextWriter writer(path("locked.txt"), how); }), 5);
    EXPECT_EQ(readFile("locked.txt"), "keep");
    EXPECT_EQ(filesIn(root()), (std::vector<std::string>{"locked.txt"}));
}

TEST_F(TextFileTest, ReplacingKeepsTheOldBytesUntilTheNewAreStored) {
    const std::string longLine(100, 'n');
    writeFile("masks.dat", "*.cs\r\n");
    ASSERT_EQ(::chmod(path("masks.dat").c_str(), 0640), 0);
    {
        const FileSizeLimit limit(16); // the new line does not fit
        TextWriter writer(path("masks.dat"), Replacing::WhenStored);
        writer.writeLine(longLine);
        EXPECT_EQ(ioErrorCode([&] { writer.close(); }), EFBIG);
    }
    EXPECT_EQ(readFile("masks.dat"), "*.cs\r\n");
    EXPECT_EQ(filesIn(root()), (std::vector<std::string>{"masks.dat"}));
    {
        TextWriter dropped(path("masks.dat"), Replacing::WhenStored);
        dropped.writeLine(longLine);
    }
    EXPECT_EQ(readFile("masks.dat"), "*.cs\r\n");
    EXPECT_EQ(filesIn(root()), (std::vector<std::string>{"masks.dat"}));

    TextWriter writer(path("masks.dat"), Replacing::WhenStored);
    writer.writeLine(longLine);
    EXPECT_EQ(readFile("masks.dat"), "*.cs\r\n") << "replaced before close";
    writer.close();
    EXPECT_EQ(readFile("masks.dat"), longLine + "\r\n");
    EXPECT_EQ(filesIn(root()), (std::vector<std::string>{"masks.dat"}));
    struct stat st {};
    ASSERT_EQ(::stat(path("masks.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(TextFileTest, ReplacingWritesInPlaceWhereANewFileWouldChangeMore) {
    writeFile("real.dat", "old");
    ASSERT_EQ(::symlink("real.dat", path("link.dat").c_str()), 0);
    writeFile("twice.dat", "old");
    ASSERT_EQ(::link(path("twice.dat").c_str(), path("second.dat").c_str()), 0);
    for (const char* name : {"link.dat", "twice.dat"}) {
        TextWriter writer(path(name), Replacing::WhenStored);
        writer.writeLine(name);
        writer.close();
    }
    EXPECT_TRUE(std::filesystem::is_symlink(path("link.dat")));
    EXPECT_EQ(readFile("real.dat"), "link.dat\r\n");
    EXPECT_EQ(readFile("second.dat"), "twice.dat\r\n");
    EXPECT_EQ(filesIn(root()),
              (std::vector<std::string>{"link.dat", "real.dat", "second.dat", "twice.dat"}));
}

TEST_F(TextFileTest, ReplacingInAFolderThatTakesNoNewFileStillWritesTheFile) {
    writeFile("Data/masks.dat", "old");
    ASSERT_EQ(::chmod(path("Data").c_str(), 0555), 0);
    if (!permissionsBite())
        GTEST_SKIP() << "cannot take an unprivileged user's identity here";
    TextWriter writer(path("Data/masks.dat"), Replacing::WhenStored);
    writer.writeLine("new");
    writer.close();
    EXPECT_EQ(readFile("Data/masks.dat"), "new\r\n");
}

TEST_F(TextFileTest, FullDiskIsReportedWhenClosing) {
    TextWriter writer("/dev/full");
    writer.writeLine("never stored");
    try {
        writer.close();
        FAIL() << "close reported success on a full disk";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 101);
        EXPECT_STREQ(e.what(), "Disk full");
    }
}

TEST_F(TextFileTest, FifoWithoutReaderFailsInsteadOfHanging) {
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    // ENXIO has no entry of its own in the code table.
    EXPECT_EQ(ioErrorCode([&] { TextWriter writer(path("pipe")); }), ENXIO);
    // With no writer the reader sees an empty text at once.
    TextReader reader(path("pipe"));
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_TRUE(reader.atEnd());
}
