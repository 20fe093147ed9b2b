#include "faults/FaultTable.h"

#include "platform/FileListBox.h"

namespace qf::test::faults {

namespace {

std::vector<FaultRow> allRows() {
    std::vector<FaultRow> rows;
    for (auto group : {fileCommandRows, settingsRows, previewRows, browsingRows, oddNameRows}) {
        std::vector<FaultRow> more = group();
        rows.insert(rows.end(), more.begin(), more.end());
    }
    return rows;
}

TEST_P(FaultTable, UserSeesAndDiskHolds) {
    const FaultRow& row = GetParam();
    makeDir("Data");
    row.arrange(*this);
    ASSERT_FALSE(HasFatalFailure());
    if (IsSkipped())
        return;
    if (row.unprivileged && !permissionsBite())
        GTEST_SKIP() << "cannot take an unprivileged user's identity here";
    const std::vector<std::string> boxes = runAnswering(row);
    ASSERT_FALSE(HasFatalFailure());
    std::vector<std::string> expected;
    for (const auto& text : row.boxes)
        expected.push_back(withRoot(text));
    EXPECT_EQ(boxes, expected);
    EXPECT_EQ(list()->entries(), row.listed);
    checkDisk(row.disk);
    if (row.sees)
        row.sees(*this);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTable, ::testing::ValuesIn(allRows()),
                         [](const auto& info) { return info.param.name; });

} // namespace

} // namespace qf::test::faults
