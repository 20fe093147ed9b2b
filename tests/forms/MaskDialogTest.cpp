#include "WindowSetFixture.h"
#include "forms/FileMask.h"
#include "forms/Sdimain.h"
#include "platform/FileListBox.h"
#include "support/Modal.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <unistd.h>

using qf::test::answeringBoxes;

namespace {

class MaskDialogTest : public qf::test::WindowSetTest {
protected:
    // Starts where Data/QFOPT.dat holds masks, enters the main window and opens the dialog.
    void startWithMasks(const std::string& masks) {
        writeFile("Data/QFOPT.dat", masks + "\r\n");
        startIn();
        enterMainWindow();
        openDialog();
    }
    void openDialog() {
        SDIAppForm->Quicksetfilemask1Click();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
    }
    void type(const QString& text) {
        Form2->Edit1->selectAll();
        QTest::keyClick(Form2->Edit1, Qt::Key_Backspace);
        QTest::keyClicks(Form2->Edit1, text);
    }
    static std::string listMask() { return SDIAppForm->FileListBox1->mask(); }
};

} // namespace

TEST_F(MaskDialogTest, ShowsItsDesign) {
    startIn();
    EXPECT_EQ(Form2->windowTitle(), "Set File Masks");
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(Form2->isModal());
    EXPECT_EQ(Form2->font().pixelSize(), 11);
    EXPECT_EQ(Form2->GroupBox1->title(), " Set File Mask : ");
    EXPECT_EQ(Form2->GroupBox1->geometry(), QRect(4, 4, 381, 97));
    EXPECT_EQ(Form2->Label1->text(),
              "To set multiple file masks, use the \" ; \"  to  seperate them!");
    EXPECT_EQ(Form2->Label1->parentWidget(), Form2->GroupBox1);
    EXPECT_EQ(Form2->Label1->pos(), QPoint(12, 20));
    EXPECT_GE(Form2->Label1->width(), Form2->Label1->sizeHint().width()); // not clipped
    EXPECT_EQ(Form2->Label2->text(), "File Masks :");
    EXPECT_EQ(Form2->Label2->pos(), QPoint(12, 40));
    EXPECT_EQ(Form2->Button1->text(), "OK");
    EXPECT_EQ(Form2->Button1->geometry(), QRect(304, 68, 75, 25));
    EXPECT_TRUE(Form2->Button1->isDefault());
    EXPECT_EQ(Form2->Button2->text(), "Cancel");
    EXPECT_EQ(Form2->Button2->geometry(), QRect(224, 68, 75, 25));
    // The field lies on the window over the frame, and is drawn above it.
    EXPECT_EQ(Form2->Edit1->parentWidget(), Form2);
    EXPECT_EQ(Form2->Edit1->geometry(), QRect(76, 40, 303, 21));
    EXPECT_EQ(Form2->childAt(Form2->Edit1->geometry().center()), Form2->Edit1);
    EXPECT_EQ(Form2->Edit1->text(), ""); // no settings file at creation

    SDIAppForm->Quicksetfilemask1Click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
    EXPECT_EQ(Form2->pos(), QPoint(192, 110));
    QTRY_COMPARE(QApplication::focusWidget(), Form2->Edit1); // first in the tab order
}

TEST_F(MaskDialogTest, CreationFillsTheFieldFromTheSettingsFile) {
    writeFile("data/qfopt.DAT", "*.pas ; *.cs\r\nignored\r\n");
    startIn();
    EXPECT_EQ(Form2->Edit1->text(), "*.pas ; *.cs");
    EXPECT_EQ(listMask(), "*.cs;*.txt;*.vol"); // the list only takes it at the first tick
    enterMainWindow();
    EXPECT_EQ(listMask(), "*.pas ; *.cs");
}

TEST_F(MaskDialogTest, UnreadableFileAtCreationIsReportedAndTheWindowStillMade) {
    if (!permissionsBite())
        GTEST_SKIP() << "cannot take an unprivileged user's identity here";
    writeFile("Data/QFOPT.dat", "*.cs\r\n");
    ASSERT_EQ(::chmod(path("Data/QFOPT.dat").c_str(), 0200), 0);
    const auto boxes = answeringBoxes([&] { startIn(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "File access denied.");
    ASSERT_NE(Form2, nullptr);
    EXPECT_EQ(Form2->Edit1->text(), "");
}

TEST_F(MaskDialogTest, OkStoresAppliesAndHides) {
    startWithMasks("*.cs");
    type("*.cs ; *.txt");
    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    EXPECT_EQ(readFile("Data/QFOPT.dat"), "*.cs ; *.txt\r\n");
    EXPECT_EQ(listMask(), "*.cs ; *.txt"); // blanks are part of the masks
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(exists("Data/QFOpt.dat")); // the one file, not a second spelling beside it

    openDialog();
    type("");
    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    EXPECT_EQ(readFile("Data/QFOPT.dat"), "\r\n");
    EXPECT_EQ(listMask(), "");
    EXPECT_TRUE(SDIAppForm->FileListBox1->entries().empty());
}

TEST_F(MaskDialogTest, TypedTextIsStoredAsUtf8Bytes) {
    startWithMasks("*.cs");
    type("*.caf");
    QTest::sendKeyEvent(QTest::Click, Form2->Edit1, Qt::Key_unknown, QStringLiteral("\u00e9"),
                        Qt::NoModifier);
    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    EXPECT_EQ(readFile("Data/QFOPT.dat"), "*.caf\xc3\xa9\r\n");
    EXPECT_EQ(listMask(), "*.caf\xc3\xa9");
}

TEST_F(MaskDialogTest, OkWithTheMasksInForceKeepsTheSelectionOtherCaseRereads) {
    writeFile("a.cs");
    writeFile("b.cs");
    startWithMasks("*.cs");
    auto* list = SDIAppForm->FileListBox1;
    ASSERT_EQ(list->entries().size(), 2u);
    list->setCurrentIndex(list->model()->index(1, 0));
    ASSERT_EQ(list->fileName(), path("b.cs"));

    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    EXPECT_EQ(readFile("Data/QFOPT.dat"), "*.cs\r\n");
    EXPECT_EQ(list->fileName(), path("b.cs"));

    openDialog();
    type("*.CS");
    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    EXPECT_EQ(listMask(), "*.CS");
    EXPECT_EQ(list->entries().size(), 2u); // masks match letters regardless of case
    EXPECT_EQ(list->fileName(), "");       // but the list was read again
}

TEST_F(MaskDialogTest, CancelAndCloseBoxHideAndKeepTheTypedText) {
    startWithMasks("*.cs");
    type("*.vol");
    QTest::mouseClick(Form2->Button2, Qt::LeftButton);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(listMask(), "*.cs");
    EXPECT_EQ(readFile("Data/QFOPT.dat"), "*.cs\r\n");

    openDialog();
    EXPECT_EQ(Form2->Edit1->text(), "*.vol");
    type("*.txt");
    Form2->close();
    EXPECT_FALSE(Form2->isVisible());
    openDialog();
    EXPECT_EQ(Form2->Edit1->text(), "*.txt");
    // Opening it while it is open changes nothing either.
    SDIAppForm->Quicksetfilemask1Click();
    EXPECT_EQ(Form2->Edit1->text(), "*.txt");
    EXPECT_EQ(listMask(), "*.cs");
}

TEST_F(MaskDialogTest, EnterPressesOkEscapePressesCancel) {
    startWithMasks("*.cs");
    type("*.vol");
    QTest::keyClick(Form2->Edit1, Qt::Key_Escape);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(readFile("Data/QFOPT.dat"), "*.cs\r\n");

    openDialog();
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(readFile("Data/QFOPT.dat"), "*.vol\r\n");
    EXPECT_EQ(listMask(), "*.vol");
}

TEST_F(MaskDialogTest, OkUnderADirectoryWithoutDataFailsAndKeepsTheWindowOpen) {
    makeDir("elsewhere/sub");
    startWithMasks("*.cs");
    // Browsing moves the current directory; the file is written relative to it.
    ASSERT_EQ(::chdir(path("elsewhere").c_str()), 0);
    type("*.vol");
    const auto boxes = answeringBoxes([&] { QTest::mouseClick(Form2->Button1, Qt::LeftButton); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Quillfen");
    EXPECT_EQ(boxes[0].text, "Invalid filename.");
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->Edit1->text(), "*.vol");
    EXPECT_EQ(listMask(), "*.cs");
    EXPECT_EQ(readFile("Data/QFOPT.dat"), "*.cs\r\n");
    EXPECT_FALSE(exists("elsewhere/Data"));
}

TEST_F(MaskDialogTest, OkUnderAnotherDirectoryWithDataWritesThere) {
    makeDir("other/Data");
    startWithMasks("*.cs");
    ASSERT_EQ(::chdir(path("other").c_str()), 0);
    type("*.vol");
    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    EXPECT_EQ(readFile("other/Data/QFOpt.dat"), "*.vol\r\n");
    EXPECT_EQ(readFile("Data/QFOPT.dat"), "*.cs\r\n"); // the next start does not see it
    EXPECT_EQ(listMask(), "*.vol");
}
