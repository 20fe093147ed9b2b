// The whole browser chain as a user drives it: pick a drive, select a directory, click a file.
#include "WindowSetFixture.h"
#include "forms/Sdimain.h"
#include "platform/DirectoryOutline.h"
#include "platform/DriveComboBox.h"
#include "platform/FileListBox.h"
#include "platform/FixtureDrives.h"
#include "platform/TabbedNotebook.h"
#include "platform/host/Directory.h"

#include <QAction>
#include <QTest>
#include <QToolButton>

namespace {

using Names = std::vector<std::string>;

class BrowseChain : public qf::test::WindowSetTest {
protected:
    static int rowOf(const std::string& dir) {
        const auto rows = tree()->rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].path == dir)
                return static_cast<int>(i);
        return -1;
    }
    static void clickRow(int row) {
        using qf::platform::DirectoryOutline;
        const QPoint at(40, row * DirectoryOutline::rowHeight + DirectoryOutline::rowHeight / 2);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, at);
    }
};

TEST_F(BrowseChain, PickADriveSelectADirectoryClickAFile) {
    makeDir("Data");
    makeDir("game/base/missions");
    writeFile("game/base/missions/raid.cs");
    writeFile("game/base/missions/notes.txt");
    writeFile("game/base/top.vol");
    const qf::test::FixtureDrives drives({path("game")});
    startIn();
    enterMainWindow();
    ASSERT_EQ(SDIAppForm->DriveComboBox1->drive(), "/");

    // The game's drive is the entry after "/"; the arrow key picks it.
    SDIAppForm->DriveComboBox1->setFocus();
    QTest::keyClick(SDIAppForm->DriveComboBox1, Qt::Key_Down);
    EXPECT_EQ(SDIAppForm->DriveComboBox1->drive(), path("game"));
    EXPECT_EQ(tree()->drive(), path("game"));
    EXPECT_EQ(tree()->directory(), path("game"));
    EXPECT_EQ(tree()->rows().size(), 1u) << "only the root, not read yet";
    EXPECT_EQ(list()->directory(), path("game"));
    EXPECT_EQ(qf::platform::currentDirectory(), path("game"));
    EXPECT_TRUE(list()->entries().empty());

    // Double-click the root to open it, then a click on "base" selects it.
    using qf::platform::DirectoryOutline;
    QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {},
                       QPoint(40, DirectoryOutline::rowHeight / 2));
    ASSERT_GE(rowOf(path("game/base")), 0);
    clickRow(rowOf(path("game/base")));
    EXPECT_EQ(tree()->directory(), path("game/base"));
    EXPECT_EQ(list()->entries(), Names{"top.vol"});
    EXPECT_EQ(qf::platform::currentDirectory(), path("game/base"));

    // With the keyboard into the subdirectory: "+" opens it, the arrow moves down.
    tree()->setFocus();
    QTest::keyClick(tree(), Qt::Key_Plus);
    QTest::keyClick(tree(), Qt::Key_Down);
    EXPECT_EQ(tree()->directory(), path("game/base/missions"));
    EXPECT_EQ(list()->entries(), Names{"raid.cs"});
    EXPECT_EQ(qf::platform::currentDirectory(), path("game/base/missions"));

    clickEntry(0);
    EXPECT_EQ(SDIAppForm->windowTitle(),
              QString::fromStdString("Quillfen - " + path("game/base/missions/raid.cs")));
    for (QAction* item :
         {SDIAppForm->Preview1, SDIAppForm->Edit2, SDIAppForm->Delete1, SDIAppForm->Rename1})
        EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
    EXPECT_TRUE(SDIAppForm->Edit43->isEnabled());
    EXPECT_TRUE(SDIAppForm->ToolButton6->isEnabled());
    EXPECT_EQ(qf::platform::currentDirectory(), path("game/base/missions"));
}

} // namespace
