// The main window's command table as the keyboard, the pointer and the menus reach it.
#include "WindowSetFixture.h"
#include "forms/FileMask.h"
#include "forms/Sdimain.h"
#include "platform/DirectoryOutline.h"
#include "platform/DriveComboBox.h"
#include "platform/FileListBox.h"
#include "platform/PreviewEdit.h"
#include "platform/TabbedNotebook.h"
#include "platform/ToolBar.h"
#include "support/Wait.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

namespace {

class Commands : public qf::test::WindowSetTest {
protected:
    void SetUp() override {
        WindowSetTest::SetUp();
        makeDir("Data");
        writeFile("mission.cs", "// Ammo setup\r\n$ammo = 20; // per pack\r\n");
        startIn();
        enterMainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(SDIAppForm));
    }

    void focusPreviewWithSelection() {
        SDIAppForm->RichEdit1->loadFromFile(path("mission.cs"));
        SDIAppForm->RichEdit1->select(0, 13);
        SDIAppForm->RichEdit1->setFocus();
        QTRY_VERIFY(SDIAppForm->RichEdit1->hasFocus());
        qf::test::runEventLoop(20);
    }

    void focusFileList() {
        SDIAppForm->TabbedNotebook1->setCurrentIndex(1);
        SDIAppForm->FileListBox1->setFocus();
        QTRY_VERIFY(SDIAppForm->FileListBox1->hasFocus());
        qf::test::runEventLoop(20);
    }

    // Presses a key where the focus is, rejecting any dialog the command opens, and lets the
    // loop go idle afterwards as it would between two key presses.
    void press(QKeyCombination key) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        qf::test::handlingModals(
            [&] { QTest::keyClick(focus, key.key(), key.keyboardModifiers()); },
            [](QWidget* modal) { modal->close(); });
        // A dialog that came and went may leave no window active.
        SDIAppForm->activateWindow();
        focus->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(SDIAppForm));
        qf::test::runEventLoop(20);
    }

    int triggered(QAction* action, QKeyCombination key) {
        QSignalSpy spy(action, &QAction::triggered);
        press(key);
        return static_cast<int>(spy.count());
    }
};

TEST_F(Commands, ShortcutKeysReachTheirCommandsWhereverTheFocusIs) {
    for (bool inPreview : {true, false}) {
        SCOPED_TRACE(inPreview ? "focus in the preview pane" : "focus in the file list");
        inPreview ? focusPreviewWithSelection() : focusFileList();
        EXPECT_EQ(triggered(SDIAppForm->FileNew1, Qt::CTRL | Qt::Key_N), 1);
        EXPECT_EQ(triggered(SDIAppForm->FileSave1, Qt::CTRL | Qt::Key_S), 1);
        // The Refresh item is never shown, yet F5 finds it.
        EXPECT_EQ(triggered(SDIAppForm->Refresh1, Qt::Key_F5), 1);
        // Options is disabled: the key is used up and nothing runs.
        EXPECT_EQ(triggered(SDIAppForm->Options1, Qt::CTRL | Qt::Key_O), 0);
        Form2->hide();
        press(Qt::CTRL | Qt::Key_M);
        EXPECT_TRUE(Form2->isVisible());
        Form2->hide();
        SDIAppForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(SDIAppForm));
    }
}

TEST_F(Commands, CopyWorksOnlyFromTheFocusedPreviewWithASelection) {
    QApplication::clipboard()->setText("before");
    focusFileList();
    EXPECT_FALSE(SDIAppForm->EditCopy1->isEnabled());
    EXPECT_FALSE(SDIAppForm->ToolButton5->isEnabled());
    EXPECT_EQ(triggered(SDIAppForm->EditCopy1, Qt::CTRL | Qt::Key_C), 0);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");

    focusPreviewWithSelection();
    EXPECT_TRUE(SDIAppForm->EditCopy1->isEnabled());
    EXPECT_TRUE(SDIAppForm->ToolButton5->isEnabled());
    EXPECT_EQ(triggered(SDIAppForm->EditCopy1, Qt::CTRL | Qt::Key_C), 1);
    EXPECT_EQ(QApplication::clipboard()->text(), "// Ammo setup");

    QApplication::clipboard()->setText("other");
    QTest::mouseClick(SDIAppForm->ToolButton5, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "// Ammo setup");
    EXPECT_TRUE(SDIAppForm->RichEdit1->hasFocus());
}

TEST_F(Commands, CutAndPasteLeaveThePreviewUnchanged) {
    focusPreviewWithSelection();
    const std::string before(SDIAppForm->RichEdit1->text(0, SDIAppForm->RichEdit1->textLength()));
    QApplication::clipboard()->setText("pasted");
    press(Qt::CTRL | Qt::Key_X);
    press(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(SDIAppForm->RichEdit1->text(0, SDIAppForm->RichEdit1->textLength()), before);
}

TEST_F(Commands, InitialStatesFollowTheCommandTable) {
    for (QWidget* off :
         std::initializer_list<QWidget*>{SDIAppForm->ToolButton6, SDIAppForm->Edit43,
                                         SDIAppForm->ToolButton2, SDIAppForm->ToolButton3})
        EXPECT_FALSE(off->isEnabled()) << off->toolTip().toStdString();
    EXPECT_TRUE(SDIAppForm->ToolButton9->isEnabled());
    EXPECT_TRUE(SDIAppForm->ToolButton3->isCheckable());
    for (QAction* off : {SDIAppForm->Preview1, SDIAppForm->Edit2, SDIAppForm->Delete1,
                         SDIAppForm->Rename1, SDIAppForm->Options1})
        EXPECT_FALSE(off->isEnabled()) << off->text().toStdString();
    EXPECT_TRUE(SDIAppForm->New1->isEnabled());
    EXPECT_FALSE(SDIAppForm->Refresh1->isVisible());
    EXPECT_EQ(SDIAppForm->PopupMenu1->defaultAction(), SDIAppForm->Preview1);
    const QStringList captions = {SDIAppForm->File1->title(), SDIAppForm->Edit1->title(),
                                  SDIAppForm->Help1->title()};
    EXPECT_EQ(captions, QStringList({"&File", "&Edit", "&Help"}));
    EXPECT_EQ(SDIAppForm->FileNewItem->text(), "&New\tCtrl+N");
    EXPECT_EQ(SDIAppForm->Options1->text(), "Options\tCtrl+O");
    EXPECT_EQ(SDIAppForm->CopyItem->text(), "&Copy\tCtrl+C");
    EXPECT_EQ(SDIAppForm->Quicksetfilemask1->text(), "Set Default FileMask\tCtrl+M");
    EXPECT_EQ(SDIAppForm->About1->text(), "About...");
}

TEST_F(Commands, StatusBarShowsTheLongHintOfWhatLiesUnderThePointer) {
    struct Case {
        std::function<QWidget*()> widget;
        QString text;
    };
    const std::vector<Case> cases = {
        {[] { return SDIAppForm->RichEdit1->viewport(); }, "This is the preview box"},
        {[] { return SDIAppForm->DirectoryOutline1; },
         "To select a Directory : double click on it"},
        {[] { return SDIAppForm->ToolButton9; }, "Create a new file"},
        {[] { return SDIAppForm->ToolButton6; }, "Preview"},
        {[] { return SDIAppForm->Edit43; }, "Edit"},
        {[] { return SDIAppForm->ToolButton5; },
         "Copies the selection and puts it on the Clipboard"},
        {[] { return SDIAppForm->ToolButton2; }, "Options"},
        {[] { return SDIAppForm->ToolButton3; }, ""},
        {[] { return SDIAppForm->DriveComboBox1; }, ""},
        {[] { return SDIAppForm->TabbedNotebook1->tabBar(); }, ""},
        {[] { return SDIAppForm->ToolBar1; }, ""},
        {[] { return SDIAppForm->StatusBar; }, ""},
        {[] { return SDIAppForm->MainMenu1; }, ""},
        {[] {
             SDIAppForm->TabbedNotebook1->setCurrentIndex(1);
             return SDIAppForm->FileListBox1->viewport();
         },
         "To preview a file right click and select preview - or double click to edit"},
    };
    for (const Case& c : cases) {
        QWidget* w = c.widget();
        // Somewhere with a hint first, so that every case shows a change.
        QCursor::setPos(SDIAppForm->RichEdit1->mapToGlobal(QPoint(5, 5)));
        qf::test::runEventLoop(20);
        QCursor::setPos(w->mapToGlobal(QPoint(w->width() - 3, w->height() - 3)));
        qf::test::runEventLoop(20);
        EXPECT_EQ(SDIAppForm->StatusBar->currentMessage(), c.text) << c.text.toStdString();
    }
}

TEST_F(Commands, HighlightedMenuItemsShowTheirOwnHints) {
    struct Case {
        QMenu* menu;
        QAction* item;
        QString text;
    };
    const std::vector<Case> cases = {
        {SDIAppForm->File1, nullptr, "File related commands"},
        {SDIAppForm->Edit1, nullptr, "Edit commands"},
        {SDIAppForm->Help1, nullptr, "Help topics"},
        {SDIAppForm->File1, SDIAppForm->FileNewItem, "Create a new file"},
        {SDIAppForm->File1, SDIAppForm->FileExitItem, "Exit application"},
        {SDIAppForm->File1, SDIAppForm->Options1, ""},
        {SDIAppForm->Edit1, SDIAppForm->CopyItem,
         "Copies the selection and puts it on the Clipboard"},
        {SDIAppForm->Edit1, SDIAppForm->Quicksetfilemask1, ""},
        {SDIAppForm->Help1, SDIAppForm->About1, ""},
        {SDIAppForm->PopupMenu1, SDIAppForm->New1, ""},
    };
    for (const Case& c : cases) {
        SDIAppForm->StatusBar->showMessage("stale");
        c.menu->popup(SDIAppForm->mapToGlobal(QPoint(10, 10)));
        if (c.item)
            c.menu->setActiveAction(c.item);
        EXPECT_EQ(SDIAppForm->StatusBar->currentMessage(), c.text) << c.text.toStdString();
        c.menu->hide();
        qf::test::runEventLoop(10);
    }
}

TEST_F(Commands, ToolButtonsShowTheShortHintAsTooltipDisabledOnesIncluded) {
    const std::vector<std::pair<QToolButton*, QString>> cases = {
        {SDIAppForm->ToolButton9, "New"},     {SDIAppForm->ToolButton6, "Preview"},
        {SDIAppForm->Edit43, "Edit"},         {SDIAppForm->ToolButton5, "Copy"},
        {SDIAppForm->ToolButton2, "Options"}, {SDIAppForm->ToolButton3, ""},
    };
    for (const auto& [button, tip] : cases) {
        EXPECT_EQ(button->toolTip(), tip);
        if (!tip.isEmpty()) {
            EXPECT_EQ(button->toolTipDuration(), 2500);
        }
    }
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
    EXPECT_TRUE(SDIAppForm->RichEdit1->toolTip().isEmpty());
    EXPECT_TRUE(SDIAppForm->FileListBox1->toolTip().isEmpty());
}

TEST_F(Commands, RestingOnADisabledButtonShowsItsTooltip) {
    QWidget* options = SDIAppForm->ToolButton2;
    ASSERT_FALSE(options->isEnabled());
    const QPoint at = options->mapTo(SDIAppForm, options->rect().center());
    QTest::mouseMove(SDIAppForm->windowHandle(), at - QPoint(2, 0));
    QTest::mouseMove(SDIAppForm->windowHandle(), at);
    QTRY_COMPARE_WITH_TIMEOUT(QToolTip::text(), QString("Options"), 3000);
    EXPECT_TRUE(QToolTip::isVisible());
}

TEST_F(Commands, NotebookKeepsItsWidthAndThePreviewFollowsTheWindow) {
    SDIAppForm->showNormal();
    SDIAppForm->resize(800, 600);
    QTRY_COMPARE(SDIAppForm->width(), 800);
    EXPECT_EQ(SDIAppForm->TabbedNotebook1->width(), 229);
    const int client = 600 - SDIAppForm->MainMenu1->height();
    EXPECT_EQ(SDIAppForm->TabbedNotebook1->height(), client - 55);
    EXPECT_EQ(SDIAppForm->RichEdit1->geometry(), QRect(232, 36, 800 - 237, client - 55));
    EXPECT_EQ(SDIAppForm->StatusBar->geometry(), QRect(0, client - 19, 800, 19));
}

} // namespace
