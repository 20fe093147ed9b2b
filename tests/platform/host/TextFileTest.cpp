#include "platform/host/TextFile.h"

#include "platform/host/IoError.h"
#include "support/TempDir.h"

#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace qf::platform;
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
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads files whatever their permissions";
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

TEST_F(TextFileTest, ReadOnlyFileCannotBeCreatedOver) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes files whatever their permissions";
    writeFile("locked.txt", "keep");
    ASSERT_EQ(::chmod(path("locked.txt").c_str(), 0444), 0);
    EXPECT_EQ(ioErrorCode([&] { TextWriter writer(path("locked.txt")); }), 5);
    EXPECT_EQ(readFile("locked.txt"), "keep");
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
