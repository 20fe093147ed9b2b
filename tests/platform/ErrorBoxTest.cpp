#include "platform/ErrorBox.h"
#include "platform/host/IoError.h"

#include <gtest/gtest.h>

using namespace qf::platform;

TEST(ErrorBox, PeriodIsAddedAfterCharactersSortingAfterPeriod) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Invalid filename", "Invalid filename."},
        {"I/O error 32", "I/O error 32."},
        {"Cannot open file /tmp/a.cs", "Cannot open file /tmp/a.cs."},
        {"Done.", "Done."},
        {"Stop!", "Stop!"},
        {"a,", "a,"},
        {"a-", "a-"},
        {"(a)", "(a)"},
        {"trailing ", "trailing "},
        {"slash/", "slash/."},
        {"", ""},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(errorBoxText(message), shown) << message;
}
