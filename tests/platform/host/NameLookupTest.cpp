#include "platform/host/NameLookup.h"

#include "support/TempDir.h"

#include <unistd.h>

using qf::platform::findNameIgnoringCase;
using qf::test::TempDirTest;

namespace {
class NameLookupTest : public TempDirTest {};
} // namespace

TEST_F(NameLookupTest, FindsTheExistingSpellingWhateverItsCase) {
    makeDir("d/data");
    writeFile("d/QFOpt.DAT");
    EXPECT_EQ(findNameIgnoringCase(path("d"), "Data"), "data");
    EXPECT_EQ(findNameIgnoringCase(path("d"), "qfopt.dat"), "QFOpt.DAT");
    EXPECT_EQ(findNameIgnoringCase(path("d"), "Data2"), std::nullopt);
    EXPECT_EQ(findNameIgnoringCase(path("d"), "Dat"), std::nullopt);
    EXPECT_EQ(findNameIgnoringCase(path("missing"), "Data"), std::nullopt);
}

TEST_F(NameLookupTest, SettlesOnOneEntryWhenSeveralMatch) {
    writeFile("d/qfopt.dat");
    writeFile("d/QFOpt.dat");
    writeFile("d/QFOPT.DAT");
    // The exact spelling wins; otherwise every caller gets the first in byte order.
    EXPECT_EQ(findNameIgnoringCase(path("d"), "QFOpt.dat"), "QFOpt.dat");
    EXPECT_EQ(findNameIgnoringCase(path("d"), "QFOPT.dat"), "QFOPT.DAT");
    EXPECT_EQ(findNameIgnoringCase(path("d"), "qfOPT.dat"), "QFOPT.DAT");
}

TEST_F(NameLookupTest, EmptyFolderMeansTheCurrentDirectory) {
    makeDir("DATA");
    ASSERT_EQ(::chdir(root().c_str()), 0);
    EXPECT_EQ(findNameIgnoringCase({}, "Data"), "DATA");
}
