#include "platform/host/PreviewText.h"

#include "platform/host/IoError.h"
#include "platform/host/Windows1252.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using qf::platform::PreviewText;

namespace {

std::vector<std::size_t> lineStarts(const PreviewText& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.lineCount(); ++i)
        starts.push_back(text.lineStart(i));
    return starts;
}

struct BreakCase {
    const char* name;
    std::string raw;
    std::string loaded;
    std::vector<std::size_t> starts;
};

void PrintTo(const BreakCase& c, std::ostream* out) {
    *out << c.name;
}

class LineBreaks : public ::testing::TestWithParam<BreakCase> {};

} // namespace

TEST_P(LineBreaks, BecomeCrLf) {
    const PreviewText text = PreviewText::fromBytes(GetParam().raw);
    EXPECT_EQ(text.text(), GetParam().loaded);
    EXPECT_EQ(lineStarts(text), GetParam().starts);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineBreaks,
    ::testing::Values(BreakCase{"Empty", "", "", {0}}, BreakCase{"NoBreak", "abc", "abc", {0}},
                      BreakCase{"CrLf", "a\r\nb\r\n", "a\r\nb\r\n", {0, 3, 6}},
                      BreakCase{"Lf", "a\nb\n", "a\r\nb\r\n", {0, 3, 6}},
                      BreakCase{"Cr", "a\rb\r", "a\r\nb\r\n", {0, 3, 6}},
                      BreakCase{"Mixed", "a\r\nb\nc\rd", "a\r\nb\r\nc\r\nd", {0, 3, 6, 9}},
                      BreakCase{"LfCrIsTwoBreaks", "a\n\rb", "a\r\n\r\nb", {0, 3, 5}},
                      BreakCase{"CrCrLf", "\r\r\n", "\r\n\r\n", {0, 2, 4}},
                      BreakCase{"OnlyLfs", "\n\n", "\r\n\r\n", {0, 2, 4}},
                      BreakCase{"NulAndUndefinedKeepPlace",
                                std::string("a\0\x81\nb", 5),
                                std::string("a\0\x81\r\nb", 6),
                                {0, 5}}),
    [](const auto& info) { return info.param.name; });

TEST(PreviewText, LinesAndPositions) {
    const PreviewText text = PreviewText::fromBytes("ab\ncde\n\nf");
    ASSERT_EQ(text.text(), "ab\r\ncde\r\n\r\nf");
    EXPECT_EQ(text.line(0), "ab");
    EXPECT_EQ(text.line(1), "cde");
    EXPECT_EQ(text.line(2), "");
    EXPECT_EQ(text.line(3), "f");
    EXPECT_EQ(text.lineEnd(1), 7u);
    // The CR and the LF of a break belong to the line they end.
    EXPECT_EQ(text.lineOf(2), 0u);
    EXPECT_EQ(text.lineOf(3), 0u);
    EXPECT_EQ(text.lineOf(4), 1u);
    EXPECT_EQ(text.lineOf(12), 3u);
    EXPECT_EQ(text.longestLineLength(), 3u);
}

class PreviewTextFile : public qf::test::TempDirTest {};

TEST_F(PreviewTextFile, LoadedFileMatchesItsBytes) {
    // Big files with lone CRs and LFs grow in place from the back: every break must land where
    // the small cases put it, and lone CRs next to long runs must stay single breaks.
    std::string raw;
    while (raw.size() < 3 * 256 * 1024)
        raw += "line // text\r\nlone\rsecond\n";
    std::string big(256 * 1024 - 1, 'x');
    big += "\r\n";
    big += std::string(256 * 1024 - 2, 'y');
    big += '\r';
    big += "z";
    for (const std::string& bytes : {raw, big}) {
        writeFile("f.cs", bytes);
        const PreviewText loaded = PreviewText::load(path("f.cs"));
        const PreviewText expected = PreviewText::fromBytes(bytes);
        EXPECT_EQ(loaded.text(), expected.text());
        EXPECT_EQ(lineStarts(loaded), lineStarts(expected));
    }
    EXPECT_EQ(PreviewText::load(path("f.cs")).lineCount(), 3u);
}

TEST_F(PreviewTextFile, CannotOpen) {
    makeDir("dir");
    writeFile("locked.cs", "x");
    ::chmod(path("locked.cs").c_str(), 0);
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    std::vector<std::string> paths = {"", path("missing.cs"), path("dir"), path("fifo")};
    if (permissionsBite())
        paths.push_back(path("locked.cs"));
    for (const std::string& p : paths) {
        try {
            PreviewText::load(p);
            ADD_FAILURE() << "loaded " << p;
        } catch (const qf::platform::IoError& e) {
            ADD_FAILURE() << "I/O error instead of an open failure: " << e.what();
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + p);
        }
    }
}

TEST(Windows1252, DecodingAndGlyphs) {
    using qf::platform::decodeWindows1252;
    using qf::platform::hasWindows1252Glyph;
    EXPECT_EQ(decodeWindows1252('A'), u'A');
    EXPECT_EQ(decodeWindows1252(0x80), u'\u20AC');
    EXPECT_EQ(decodeWindows1252(0x93), u'\u201C');
    EXPECT_EQ(decodeWindows1252(0x9F), u'\u0178');
    EXPECT_EQ(decodeWindows1252(0xE9), u'\u00E9');
    EXPECT_EQ(decodeWindows1252(0x81), u'\u0081');
    EXPECT_EQ(decodeWindows1252(0), u'\0');
    for (int byte : {0x00, 0x01, 0x0B, 0x1F, 0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_FALSE(hasWindows1252Glyph(static_cast<unsigned char>(byte))) << byte;
    for (int byte : {0x09, 0x20, 0x61, 0x80, 0x8E, 0x9F, 0xA0, 0xFF})
        EXPECT_TRUE(hasWindows1252Glyph(static_cast<unsigned char>(byte))) << byte;
}
