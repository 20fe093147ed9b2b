#include "platform/DriveComboBox.h"

#include "FixtureDrives.h"
#include "platform/DirectoryOutline.h"
#include "platform/host/Directory.h"
#include "support/Modal.h"
#include "support/TempDir.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace qf::platform;

namespace {

// Drives d1 and d2 in the test's directory, and "gone", a drive whose root cannot be entered.
class DriveComboBoxTest : public qf::test::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        makeDir("d1/sub");
        makeDir("d2");
        drives_ = std::make_unique<qf::test::FixtureDrives>(
            std::vector<std::string>{path("d1"), path("d2"), path("gone")});
    }
    void TearDown() override {
        drives_.reset();
        TempDirTest::TearDown();
    }

    int indexOf(const DriveComboBox& box, const std::string& root) const {
        const QString text = QString::fromStdString(root);
        for (int i = 0; i < box.count(); ++i)
            if (box.itemText(i).startsWith(text + ' '))
                return i;
        return -1;
    }
    // A pick with the mouse: the popup reports the entry even when it was selected already.
    void pick(DriveComboBox& box, const std::string& root) {
        const int index = indexOf(box, root);
        ASSERT_GE(index, 0) << root;
        box.setCurrentIndex(index);
        emit box.activated(index);
    }

    std::unique_ptr<qf::test::FixtureDrives> drives_;
};

} // namespace

TEST_F(DriveComboBoxTest, ListsTheDrivesAndSelectsTheCurrentDirectorysDrive) {
    setCurrentDirectory(path("d1/sub"));
    DriveComboBox box;
    ASSERT_EQ(box.count(), 4);
    EXPECT_EQ(box.itemText(0), QStringLiteral("/ []"));
    EXPECT_EQ(box.itemText(1), QString::fromStdString(path("d1") + " srv:/2"));
    EXPECT_EQ(box.itemText(2), QString::fromStdString(path("d2") + " srv:/3"));
    EXPECT_FALSE(box.itemIcon(0).isNull());
    EXPECT_EQ(box.drive(), path("d1"));
    EXPECT_EQ(box.currentIndex(), 1);
}

TEST_F(DriveComboBoxTest, PickReportsTwiceForAnotherDriveAndOnceForTheSame) {
    setCurrentDirectory(path("d1"));
    DriveComboBox box;
    std::vector<std::string> reported;
    box.onChange = [&] { reported.push_back(box.drive()); };

    pick(box, path("d2"));
    EXPECT_EQ(reported, (std::vector<std::string>{path("d2"), path("d2")}));
    reported.clear();
    pick(box, path("d2"));
    EXPECT_EQ(reported, (std::vector<std::string>{path("d2")}));
    reported.clear();

    // The arrow keys pick the neighbouring entry.
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(reported, (std::vector<std::string>{path("d1"), path("d1")}));
}

// The selector drives the tree as the main window binds them.
TEST_F(DriveComboBoxTest, FailedPickShowsOneErrorAndTheNextPickWorks) {
    setCurrentDirectory(path("d1/sub"));
    DriveComboBox box;
    DirectoryOutline tree;
    int treeChanges = 0;
    tree.onChange = [&] { ++treeChanges; };
    box.onChange = [&] { tree.setDrive(box.drive()); };

    pick(box, path("d2"));
    EXPECT_EQ(tree.drive(), path("d2"));
    EXPECT_EQ(tree.directory(), path("d2"));
    EXPECT_EQ(currentDirectory(), path("d2"));
    EXPECT_EQ(treeChanges, 1) << "the second report finds the tree on that drive";

    auto boxes = qf::test::answeringBoxes([&] { pick(box, path("gone")); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("File not found."));
    EXPECT_EQ(box.drive(), path("gone"));
    EXPECT_EQ(tree.drive(), path("gone"));
    EXPECT_EQ(tree.directory(), path("d2")) << "the tree keeps its nodes and directory";
    EXPECT_EQ(currentDirectory(), path("d2"));

    boxes = qf::test::answeringBoxes([&] { pick(box, path("gone")); });
    EXPECT_TRUE(boxes.empty()) << "the same drive again does nothing";

    pick(box, path("d1"));
    EXPECT_EQ(tree.directory(), path("d1"));
    EXPECT_EQ(currentDirectory(), path("d1"));
    EXPECT_EQ(treeChanges, 2);
}
