#include "platform/DisplayText.h"

#include <gtest/gtest.h>

using qf::platform::fromTyped;
using qf::platform::toDisplay;

TEST(DisplayText, BytesSurviveBeingShownAndTypedBack) {
    const std::vector<std::string> cases = {
        "",
        "*.cs;*.vol",
        "caf\xc3\xa9.cs",            // UTF-8
        "caf\xe9.cs",                // Latin-1 from another system
        "*\xe9*.vol",                // a mask written by a Windows program
        "\xc3",                      // a sequence cut short at the end
        "\xc0\xaf",                  // an overlong slash
        "\xed\xa0\x80",              // an encoded surrogate
        "\xf4\x90\x80\x80",          // beyond U+10FFFF
        "\xf0\x9f\x98\x80 \xff\xfe", // four-byte character and stray bytes
        std::string("nul\0byte", 8),
    };
    for (const std::string& bytes : cases)
        EXPECT_EQ(fromTyped(toDisplay(bytes)), bytes) << bytes;
}

TEST(DisplayText, TextShowsAsItsCharactersAndTypedTextBecomesUtf8) {
    EXPECT_EQ(toDisplay("caf\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9"));
    EXPECT_EQ(toDisplay("\xf0\x9f\x98\x80").size(), 2);
    EXPECT_EQ(fromTyped(QString::fromUtf8("\xe2\x82\xac")), "\xe2\x82\xac");
    // A lone surrogate typed in (not one of the byte escapes) cannot be stored as is.
    EXPECT_EQ(fromTyped(QString(QChar(0xD800))), "\xef\xbf\xbd");
}
