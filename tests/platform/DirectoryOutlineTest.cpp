#include "platform/DirectoryOutline.h"

#include "FixtureDrives.h"
#include "platform/host/Directory.h"
#include "platform/host/IoError.h"
#include "support/Modal.h"
#include "support/TempDir.h"

#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace qf::platform;
namespace fs = std::filesystem;

namespace {

// The test's directory holds two drives, d1 and d2; the tree starts wherever the test stands.
class DirectoryOutlineTest : public qf::test::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        makeDir("d1");
        makeDir("d2");
        drives_ = std::make_unique<qf::test::FixtureDrives>(
            std::vector<std::string>{path("d1"), path("d2")});
    }
    void TearDown() override {
        tree_.reset();
        drives_.reset();
        // The temporary directory's own clean-up cannot name a directory that is not UTF-8.
        std::error_code ignored;
        fs::remove_all(root(), ignored);
        TempDirTest::TearDown();
    }

    DirectoryOutline& treeAt(const std::string& relative) {
        setCurrentDirectory(path(relative));
        tree_ = std::make_unique<DirectoryOutline>();
        tree_->resize(221, 289);
        tree_->onChange = [this] { ++changes_; };
        return *tree_;
    }

    // The rows' paths relative to the test's directory.
    std::vector<std::string> shown() const {
        std::vector<std::string> paths;
        for (const auto& row : tree_->rows())
            paths.push_back(row.path.substr(root().size() + 1));
        return paths;
    }
    const DirectoryOutline::Row& rowOf(const std::string& relative) const {
        rows_ = tree_->rows();
        for (const auto& row : rows_)
            if (row.path == path(relative))
                return row;
        throw std::runtime_error("no row " + relative);
    }
    int rowIndex(const std::string& relative) const {
        const auto rows = tree_->rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].path == path(relative))
                return static_cast<int>(i);
        return -1;
    }
    QPoint pointOfRow(int row) const {
        return {40, row * DirectoryOutline::rowHeight + DirectoryOutline::rowHeight / 2};
    }
    void key(Qt::Key k) { QTest::keyClick(tree_.get(), k); }
    void click(const std::string& relative) {
        QTest::mouseClick(tree_->viewport(), Qt::LeftButton, {}, pointOfRow(rowIndex(relative)));
    }

    std::unique_ptr<qf::test::FixtureDrives> drives_;
    std::unique_ptr<DirectoryOutline> tree_;
    mutable std::vector<DirectoryOutline::Row> rows_;
    int changes_ = 0;
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(DirectoryOutlineTest, ShowsOnlyVisibleSubdirectoriesInByteOrder) {
    for (const char* name : {"d1/alpha", "d1/Zeta", "d1/Beta/inner", "d1/.git", "d1/caf\xe9"})
        makeDir(name);
    writeFile("d1/file.txt");
    fs::create_directory_symlink(path("d1/alpha"), path("d1/linked"));
    fs::create_symlink(path("d1/missing"), path("d1/dangling"));
    ASSERT_EQ(::mkfifo(path("d1/pipe").c_str(), 0600), 0);

    auto& tree = treeAt("d1");
    // A root directory is the root node itself, collapsed and not read yet.
    EXPECT_EQ(shown(), (Strings{"d1"}));
    EXPECT_EQ(rowOf("d1").picture, FolderPicture::Leaf);
    EXPECT_TRUE(rowOf("d1").selected);
    EXPECT_EQ(tree.directory(), path("d1"));

    key(Qt::Key_Plus);
    EXPECT_EQ(shown(),
              (Strings{"d1", "d1/Beta", "d1/Zeta", "d1/alpha", "d1/caf\xe9", "d1/linked"}));
    EXPECT_EQ(rowOf("d1").picture, FolderPicture::Open);
    EXPECT_EQ(rowOf("d1/Beta").picture, FolderPicture::Leaf) << "not read yet";
    EXPECT_EQ(changes_, 0) << "expanding reports nothing";

    // Names stay bytes: the one that is not UTF-8 becomes current exactly.
    click("d1/caf\xe9");
    EXPECT_EQ(currentDirectory(), path("d1/caf\xe9"));
    EXPECT_EQ(tree.directory(), path("d1/caf\xe9"));
}

TEST_F(DirectoryOutlineTest, StartsExpandedDownToTheCurrentDirectory) {
    for (const char* name : {"d1/a/b/c", "d1/a/b2", "d1/x"})
        makeDir(name);
    auto& tree = treeAt("d1/a/b");
    EXPECT_EQ(tree.drive(), path("d1"));
    EXPECT_EQ(tree.directory(), path("d1/a/b"));
    EXPECT_EQ(shown(), (Strings{"d1", "d1/a", "d1/a/b", "d1/a/b2", "d1/x"}));
    EXPECT_TRUE(rowOf("d1/a/b").selected);
    EXPECT_EQ(rowOf("d1/a/b").picture, FolderPicture::Leaf) << "the directory itself is not read";
}

TEST_F(DirectoryOutlineTest, WalksThroughHiddenNamesToTheCurrentDirectory) {
    for (const char* name : {"d1/.wine/drive_c/Games", "d1/.wine/.cache", "d1/app", "d1/Zoo"})
        makeDir(name);
    auto& tree = treeAt("d1/.wine/drive_c");
    EXPECT_EQ(tree.directory(), path("d1/.wine/drive_c"));
    EXPECT_EQ(shown(), (Strings{"d1", "d1/.wine", "d1/.wine/drive_c", "d1/Zoo", "d1/app"}));
    EXPECT_TRUE(rowOf("d1/.wine/drive_c").selected);

    key(Qt::Key_Plus);
    EXPECT_EQ(shown(), (Strings{"d1", "d1/.wine", "d1/.wine/drive_c", "d1/.wine/drive_c/Games",
                                "d1/Zoo", "d1/app"}));
    EXPECT_EQ(changes_, 0);
}

TEST_F(DirectoryOutlineTest, ArrowKeysMakeEachDirectoryCurrentAndReportIt) {
    makeDir("d1/a/b/c");
    makeDir("d1/z");
    auto& tree = treeAt("d1");
    key(Qt::Key_Asterisk);
    ASSERT_EQ(shown(), (Strings{"d1", "d1/a", "d1/a/b", "d1/a/b/c", "d1/z"}));

    const std::vector<std::pair<Qt::Key, std::string>> steps = {
        {Qt::Key_Down, "d1/a"}, {Qt::Key_Down, "d1/a/b"}, {Qt::Key_Down, "d1/a/b/c"},
        {Qt::Key_Down, "d1/z"}, {Qt::Key_Up, "d1/a/b/c"}, {Qt::Key_Home, "d1"},
        {Qt::Key_End, "d1/z"},  {Qt::Key_PageUp, "d1"},   {Qt::Key_PageDown, "d1/z"},
    };
    int expectedChanges = 0;
    for (const auto& [k, target] : steps) {
        key(k);
        ++expectedChanges;
        EXPECT_EQ(tree.directory(), path(target)) << target;
        EXPECT_EQ(currentDirectory(), path(target)) << target;
        EXPECT_EQ(changes_, expectedChanges) << target;
        EXPECT_TRUE(rowOf(target).selected) << target;
    }
    // Already at the bottom: no move, nothing reported.
    key(Qt::Key_Down);
    EXPECT_EQ(changes_, expectedChanges);
}

TEST_F(DirectoryOutlineTest, ClickSelectsOnReleaseAndDoubleClickToggles) {
    makeDir("d1/a/inner");
    makeDir("d1/b");
    auto& tree = treeAt("d1");
    key(Qt::Key_Plus);

    QTest::mousePress(tree.viewport(), Qt::LeftButton, {}, pointOfRow(rowIndex("d1/a")));
    EXPECT_EQ(tree.directory(), path("d1")) << "nothing happens before the button comes up";
    QTest::mouseRelease(tree.viewport(), Qt::LeftButton, {}, pointOfRow(rowIndex("d1/a")));
    EXPECT_EQ(tree.directory(), path("d1/a"));
    EXPECT_EQ(changes_, 1);

    click("d1/a");
    EXPECT_EQ(changes_, 1) << "the current directory clicked again changes nothing";

    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, pointOfRow(rowIndex("d1/a")));
    EXPECT_EQ(shown(), (Strings{"d1", "d1/a", "d1/a/inner", "d1/b"}));
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, pointOfRow(rowIndex("d1/a")));
    EXPECT_EQ(shown(), (Strings{"d1", "d1/a", "d1/b"}));
    EXPECT_EQ(rowOf("d1/a").picture, FolderPicture::Closed);
    EXPECT_EQ(changes_, 1);
    EXPECT_EQ(tree.directory(), path("d1/a"));
}

TEST_F(DirectoryOutlineTest, EnterTogglesAndMinusCollapsesEverythingBelow) {
    makeDir("d1/a/b/c");
    auto& tree = treeAt("d1");
    key(Qt::Key_Asterisk);
    ASSERT_EQ(shown(), (Strings{"d1", "d1/a", "d1/a/b", "d1/a/b/c"}));
    key(Qt::Key_Down); // d1/a
    key(Qt::Key_Down); // d1/a/b
    key(Qt::Key_Home);
    const int changes = changes_;

    key(Qt::Key_Minus);
    EXPECT_EQ(shown(), (Strings{"d1"}));
    key(Qt::Key_Return);
    EXPECT_EQ(shown(), (Strings{"d1", "d1/a"}));
    EXPECT_EQ(rowOf("d1/a").picture, FolderPicture::Closed) << "collapsed with the root";
    key(Qt::Key_Return);
    EXPECT_EQ(shown(), (Strings{"d1"}));
    EXPECT_EQ(rowOf("d1").picture, FolderPicture::Closed);
    EXPECT_EQ(changes_, changes);
    EXPECT_EQ(tree.directory(), path("d1"));
}

TEST_F(DirectoryOutlineTest, StarReadsEveryLevelAndFollowsNoLinkLoop) {
    for (const char* name : {"d1/a/b", "d1/a/c/deep/deeper", "d1/e"})
        makeDir(name);
    fs::create_directory_symlink("..", path("d1/a/b/up"));              // to d1/a, an ancestor
    fs::create_directory_symlink("../../e", path("d1/a/c/to_e"));       // a second way to d1/e
    fs::create_directory_symlink("../../..", path("d1/a/c/deep/root")); // to d1, the root
    auto& tree = treeAt("d1");

    key(Qt::Key_Asterisk);
    EXPECT_EQ(shown(), (Strings{"d1", "d1/a", "d1/a/b", "d1/a/b/up", "d1/a/c", "d1/a/c/deep",
                                "d1/a/c/deep/deeper", "d1/a/c/deep/root", "d1/a/c/to_e", "d1/e"}));
    EXPECT_EQ(rowOf("d1/a/b/up").picture, FolderPicture::Leaf);
    EXPECT_EQ(rowOf("d1/a/c/deep/root").picture, FolderPicture::Leaf);
    EXPECT_EQ(changes_, 0);
    EXPECT_EQ(tree.directory(), path("d1"));

    // A loop node can still be opened by hand, one level at a time.
    click("d1/a/b/up");
    key(Qt::Key_Plus);
    EXPECT_EQ(rowIndex("d1/a/b/up/b"), rowIndex("d1/a/b/up") + 1);
}

TEST_F(DirectoryOutlineTest, LevelsAreReadOnceUntilTheDriveChanges) {
    makeDir("d1/a");
    auto& tree = treeAt("d1");
    key(Qt::Key_Plus);
    makeDir("d1/b");
    makeDir("d1/a/new");
    tree.refresh();
    tree.paintPending();
    key(Qt::Key_Minus);
    key(Qt::Key_Plus);
    key(Qt::Key_Asterisk);
    EXPECT_EQ(shown(), (Strings{"d1", "d1/a", "d1/a/new"})) << "d1 was read before b was made";

    tree.setDrive(path("d2"));
    EXPECT_EQ(shown(), (Strings{"d2"}));
    EXPECT_EQ(rowOf("d2").picture, FolderPicture::Leaf);
    tree.setDrive(path("d1"));
    key(Qt::Key_Plus);
    EXPECT_EQ(shown(), (Strings{"d1", "d1/a", "d1/b"}));
}

TEST_F(DirectoryOutlineTest, SetDriveMakesTheRootCurrentAndReportsOnce) {
    makeDir("d1/a");
    makeDir("d2/sub");
    auto& tree = treeAt("d1/a");

    tree.setDrive(path("d1"));
    EXPECT_EQ(changes_, 0) << "the drive already shown";
    EXPECT_EQ(currentDirectory(), path("d1/a"));

    tree.setDrive(path("d2"));
    EXPECT_EQ(changes_, 1);
    EXPECT_EQ(tree.drive(), path("d2"));
    EXPECT_EQ(tree.directory(), path("d2"));
    EXPECT_EQ(currentDirectory(), path("d2"));
    EXPECT_EQ(shown(), (Strings{"d2"}));

    tree.setDrive("not a root");
    EXPECT_EQ(tree.drive(), path("d2"));
    EXPECT_EQ(changes_, 1);
}

TEST_F(DirectoryOutlineTest, FailedDriveChangeKeepsTheNodes) {
    makeDir("d1/a");
    auto& tree = treeAt("d1/a");
    const Strings before = shown();
    const std::string gone = path("gone");

    try {
        tree.setDrive(gone);
        FAIL() << "no error";
    } catch (const IoError& error) {
        EXPECT_EQ(error.code(), 2);
    }
    EXPECT_EQ(tree.drive(), gone);
    EXPECT_EQ(tree.directory(), path("d1/a"));
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(changes_, 0);
    EXPECT_EQ(currentDirectory(), path("d1/a"));

    EXPECT_NO_THROW(tree.setDrive(gone)) << "the same drive again does nothing";
    tree.setDrive(path("d2"));
    EXPECT_EQ(shown(), (Strings{"d2"}));
    EXPECT_EQ(changes_, 1);
}

TEST_F(DirectoryOutlineTest, SelectingAVanishedDirectoryShowsTheErrorAndReportsNothing) {
    makeDir("d1/a");
    makeDir("d1/b");
    auto& tree = treeAt("d1");
    key(Qt::Key_Plus);
    fs::remove(path("d1/b"));

    const auto boxes = qf::test::answeringBoxes([&] { click("d1/b"); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("File not found."));
    EXPECT_EQ(tree.directory(), path("d1/b")) << "the tree has taken the path already";
    EXPECT_EQ(currentDirectory(), path("d1"));
    EXPECT_EQ(changes_, 0);
}

TEST_F(DirectoryOutlineTest, SetDirectoryTakesRelativeAndTrailingSlashForms) {
    makeDir("d1/a/b");
    auto& tree = treeAt("d1/a");
    tree.setDirectory("b/");
    EXPECT_EQ(tree.directory(), path("d1/a/b"));
    EXPECT_EQ(changes_, 1);
    tree.setDirectory(path("d1/a/b/../b/."));
    EXPECT_EQ(changes_, 1) << "the same directory";
    tree.setDirectory(path("d1") + "/");
    EXPECT_EQ(tree.directory(), path("d1"));
    EXPECT_TRUE(rowOf("d1").selected) << "a root is walked to again";
    EXPECT_EQ(changes_, 2);
}

// On Linux a tree can hold the mount point of another drive. Choosing a directory there shows
// that drive's tree and keeps the directory chosen.
TEST_F(DirectoryOutlineTest, DirectoryOnAnotherDriveShowsThatDrive) {
    makeDir("d1/mounted/sub");
    drives_.reset();
    drives_ = std::make_unique<qf::test::FixtureDrives>(
        std::vector<std::string>{path("d1"), path("d2"), path("d1/mounted")});
    auto& tree = treeAt("d1");
    key(Qt::Key_Asterisk);
    click("d1/mounted/sub");
    EXPECT_EQ(tree.drive(), path("d1/mounted"));
    EXPECT_EQ(tree.directory(), path("d1/mounted/sub"));
    EXPECT_EQ(currentDirectory(), path("d1/mounted/sub"));
    EXPECT_EQ(shown(), (Strings{"d1/mounted", "d1/mounted/sub"}));
    EXPECT_TRUE(rowOf("d1/mounted/sub").selected);
    EXPECT_EQ(changes_, 1);
}

TEST(TreePictures, LeafIsAFourteenPixelFolderOnATransparentBackground) {
    const QImage leaf = folderPicture(FolderPicture::Leaf).toImage();
    ASSERT_EQ(leaf.size(), QSize(14, 14));
    EXPECT_EQ(qAlpha(leaf.pixel(0, 13)), 0) << "the purple background is see-through";
    EXPECT_EQ(qAlpha(leaf.pixel(0, 5)), 255) << "the black outline is drawn";
    for (const auto kind : {FolderPicture::Open, FolderPicture::Closed})
        EXPECT_EQ(folderPicture(kind).size(), QSize(16, 16));
}

TEST_F(DirectoryOutlineTest, NewFontRemeasuresTheNames) {
    makeDir("d1/" + std::string(40, 'w'));
    auto& tree = treeAt("d1");
    key(Qt::Key_Plus);
    const int narrow = tree.horizontalScrollBar()->maximum();
    QFont large = tree.font();
    large.setPixelSize(30);
    tree.setFont(large);
    EXPECT_GT(tree.horizontalScrollBar()->maximum(), narrow);
}
