#include "platform/host/Wildcard.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

using qf::platform::Wildcard;

TEST(Wildcard, MatchesTheMaskTable) {
    const std::vector<std::tuple<std::string, std::string, bool>> cases = {
        {"*.cs", "a.cs", true},
        {"*.cs", "a.CS", true},
        {"*.CS", "a.cs", true},
        {"*.cs", "a.csx", false},
        {"*.cs", "a.cs.bak", false},
        {"*.cs", ".cs", true},
        {"*.cs", "a_cs", false},
        {"*.*", "a.cs", true},
        {"*.*", "Makefile", false},
        {"*", "anything at all", true},
        {"?.cs", "a.cs", true},
        {"?.cs", "ab.cs", false},
        {"?.cs", ".cs", false},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "abcabc", true},
        {"a*b*c", "acb", false},
        {"*b", "abab", true},
        {"Data*.dat", "DATA01.DAT", true},
        {"quill?.vol", "QUILL1.VOL", true},
        {"", "a.cs", false},
        {" *.cs", "a.cs", false}, // blanks are part of the mask
        {"*.cs ", "a.cs", false},
        // Letters beyond ASCII compare as bytes; '?' takes a whole UTF-8 character.
        {"?.cs", "\xc3\xa9.cs", true},
        {"??.cs", "\xc3\xa9.cs", false},
        {"*\xc3\xa9*", "caf\xc3\xa9.cs", true},
        {"\xc3\x89.cs", "\xc3\xa9.cs", false},
        // Bytes that are not UTF-8 are single characters and match themselves.
        {"?.cs", "\xff.cs", true},
        {"??.cs", "\xc3\x28.cs", true},
        {"*\xff*",
         "a\xff"
         "b",
         true},
        {"a?b", "a\nb", true},
        // A mask that splits a character matches only when the first star takes the lone
        // leading \xc3; a second star starting after it would step over \xc3\xa9 whole.
        {"*\xc3*\xa9", "\xc3\xc3\xa9", true},
        {"*\xc3*\xa9", "\xc3\xc3\xc3", false},
    };
    for (const auto& [mask, name, expected] : cases)
        EXPECT_EQ(Wildcard(mask).matches(name), expected)
            << "mask '" << mask << "' name '" << name << "'";
}

TEST(Wildcard, ManyStarsAgainstALongNameDoNotBlowUp) {
    // A naive backtracking matcher needs about 255^10 steps here before it gives up.
    const std::string name(255, 'a');
    const Wildcard mask("*a*a*a*a*a*a*a*a*a*a*b");
    EXPECT_FALSE(mask.matches(name));
    EXPECT_TRUE(Wildcard("*a*a*a*a*a*a*a*a*a*a*").matches(name));
}
