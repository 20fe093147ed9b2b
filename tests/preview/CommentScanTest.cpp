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
    EXPECT_EQ(commentRanges(text),
              (std::vector<Range>{{0, 14}, {27, 39}, {47, 62}, {99, 111}}));
}
