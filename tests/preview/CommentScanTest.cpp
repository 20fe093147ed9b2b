#include "preview/CommentScan.h"

#include <gtest/gtest.h>

using qf::preview::commentRanges;
using qf::preview::Range;

TEST(CommentScan, SixLineExample) {
    const std::string text = "// Ammo setup\r\n"
                             "$ammo = 20; // per pack\r\n"
                             "echo('a//b'); // note\r\n"
                             "exit();\r\n"
                             "x = 4 / 2; / / no comment\r\n"
                             "// last line";
    ASSERT_EQ(text.size(), 111u);
    EXPECT_EQ(commentRanges(text), (std::vector<Range>{{0, 14}, {27, 39}, {47, 62}, {99, 111}}));
}

struct ScanCase {
    const char* name;
    std::string text; // as loaded: every line break CR LF
    std::vector<Range> blue;
};

void PrintTo(const ScanCase& c, std::ostream* out) {
    *out << c.name;
}

class CommentScanCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(CommentScanCases, BlueRanges) {
    EXPECT_EQ(commentRanges(GetParam().text), GetParam().blue);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CommentScanCases,
    ::testing::Values(
        ScanCase{"Empty", "", {}}, ScanCase{"NoComment", "a = 1;\r\nb = 2;\r\n", {}},
        ScanCase{"OnlySlashes", "//", {{0, 2}}},
        ScanCase{"OnlySlashesThenBreak", "//\r\nx", {{0, 3}}},
        ScanCase{"ThreeSlashes", "a ///b\r\n", {{2, 7}}},
        ScanCase{"TwoCommentsOneRange", "a // b // c\r\nd", {{2, 12}}},
        ScanCase{"SpacedSlashes", "a / / b\r\n", {}},
        ScanCase{"SlashAtEndThenSlash", "a /\r\n/ b\r\n", {}},
        ScanCase{"SlashesInQuotes", "s = \"http://x\";\r\n", {{10, 16}}},
        ScanCase{"LastLineNoBreak", "x\r\ny // end", {{5, 11}}},
        ScanCase{"CommentOnEveryLine", "//a\r\n//b\r\n//c\r\n", {{0, 4}, {5, 9}, {10, 14}}},
        ScanCase{"EmptyLastLine", "a // b\r\n", {{2, 7}}}),
    [](const auto& info) { return info.param.name; });
