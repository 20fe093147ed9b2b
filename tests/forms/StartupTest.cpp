#include "WindowSetFixture.h"
#include "forms/About.h"
#include "forms/FileMask.h"
#include "forms/Sdimain.h"
#include "platform/FileListBox.h"
#include "platform/GraphicControls.h"
#include "support/Modal.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using qf::test::answeringBoxes;

namespace {

class StartupTest : public qf::test::WindowSetTest {
protected:
    static std::string listMask() { return SDIAppForm->FileListBox1->mask(); }
    static std::vector<std::string> listed() {
        auto names = SDIAppForm->FileListBox1->entries();
        std::sort(names.begin(), names.end());
        return names;
    }
    // The items are disabled by design; enabling them first shows whether the tick touches them.
    static void enablePopupItems() {
        for (QAction* item :
             {SDIAppForm->Delete1, SDIAppForm->Edit2, SDIAppForm->Preview1, SDIAppForm->Rename1})
            item->setEnabled(true);
    }
    static std::vector<bool> popupItemsEnabled() {
        return {SDIAppForm->Delete1->isEnabled(), SDIAppForm->Edit2->isEnabled(),
                SDIAppForm->Preview1->isEnabled(), SDIAppForm->Rename1->isEnabled()};
    }
    // About and back, as a user does it.
    static void aboutAndBack() {
        SDIAppForm->About1Click();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form3));
        QTest::mousePress(Form3->Shape1, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(SDIAppForm));
        QTRY_VERIFY(SDIAppForm->isActiveWindow());
    }
};

} // namespace

TEST_F(StartupTest, FirstStartCreatesTheDefaultSettingsFile) {
    makeDir("Data");
    for (const char* name : {"a.cs", "b.vol", "c.txt"})
        writeFile(name);
    startIn();
    EXPECT_TRUE(FirstActivation);
    EXPECT_EQ(StartDirectory, root());
    EXPECT_EQ(listMask(), "*.cs;*.txt;*.vol");
    EXPECT_FALSE(exists("Data/QFOpt.dat")); // nothing happens before the main window is shown

    enablePopupItems();
    enterMainWindow();
    EXPECT_EQ(readFile("Data/QFOpt.dat"), "*.cs;*.vol\r\n");
    EXPECT_EQ(listMask(), "*.cs;*.vol");
    EXPECT_EQ(listed(), (std::vector<std::string>{"a.cs", "b.vol"}));
    EXPECT_EQ(Form2->Edit1->text(), "*.cs;*.vol");
    EXPECT_FALSE(FirstActivation);
    EXPECT_FALSE(SDIAppForm->Timer1->isActive());
    EXPECT_EQ(popupItemsEnabled(), std::vector<bool>(4, false));
}

TEST_F(StartupTest, SecondStartReadsAndWritesNothing) {
    writeFile("Data/QFOPT.dat", "*.cs;*.txt\r\n");
    // A rewrite with the same bytes would still move the modification time.
    const timespec past[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path("Data/QFOPT.dat").c_str(), past, 0), 0);
    startIn();
    std::vector<qf::test::BoxSeen> boxes = answeringBoxes([&] { enterMainWindow(); });
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(listMask(), "*.cs;*.txt");
    EXPECT_EQ(Form2->Edit1->text(), "*.cs;*.txt");
    EXPECT_EQ(readFile("Data/QFOPT.dat"), "*.cs;*.txt\r\n");
    EXPECT_FALSE(exists("Data/QFOpt.dat"));
    struct stat st {};
    ASSERT_EQ(::stat(path("Data/QFOPT.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1'000'000'000);
}

TEST_F(StartupTest, StartWithoutDataShowsOneErrorAndNeverTicksAgain) {
    startIn();
    enablePopupItems();
    std::vector<qf::test::BoxSeen> boxes = answeringBoxes([&] {
        enterMainWindow();
        // Re-activation and About and back must not bring the box up again.
        SDIAppForm->Quicksetfilemask1Click();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
        SDIAppForm->activateWindow();
        QTRY_VERIFY(SDIAppForm->isActiveWindow());
        aboutAndBack();
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Quillfen");
    EXPECT_EQ(boxes[0].text, "Invalid filename.");
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_FALSE(exists("Data"));
    EXPECT_EQ(listMask(), "*.cs;*.txt;*.vol");
    EXPECT_EQ(Form2->Edit1->text(), "");
    // The rest of the tick did not run.
    EXPECT_TRUE(FirstActivation);
    EXPECT_FALSE(SDIAppForm->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(popupItemsEnabled(), std::vector<bool>(4, true));
    EXPECT_FALSE(SDIAppForm->Timer1->isActive());
}

TEST_F(StartupTest, AboutAndBackRunsNoSecondTick) {
    makeDir("Data");
    startIn();
    enterMainWindow();
    SDIAppForm->Preview1->setEnabled(true); // as a file click leaves it
    ASSERT_EQ(::unlink(path("Data/QFOpt.dat").c_str()), 0);
    aboutAndBack();
    EXPECT_FALSE(SDIAppForm->Timer1->isActive());
    EXPECT_FALSE(exists("Data/QFOpt.dat")); // no second load-or-create
    EXPECT_TRUE(SDIAppForm->Preview1->isEnabled());
}

TEST_F(StartupTest, TickMaximisesAndRestoringReturnsToTheDesignFrame) {
    makeDir("Data");
    startIn();
    QTest::mousePress(Form3->Shape1, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(SDIAppForm));
    const QRect shown = SDIAppForm->geometry();
    QTRY_COMPARE(SDIAppForm->Timer1->interval(), 0);
    QTRY_VERIFY(SDIAppForm->windowState() & Qt::WindowMaximized);
    SDIAppForm->setWindowState(Qt::WindowNoState);
    QTRY_COMPARE(SDIAppForm->geometry(), shown);
}

TEST_F(StartupTest, StartDirectoryStaysWhereTheProgramStarted) {
    makeDir("Data");
    makeDir("elsewhere");
    startIn();
    enterMainWindow();
    SDIAppForm->FileListBox1->setFileName(path("elsewhere"));
    EXPECT_EQ(SDIAppForm->FileListBox1->directory(), path("elsewhere"));
    EXPECT_EQ(StartDirectory, root());
}
