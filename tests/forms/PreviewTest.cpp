#include "WindowSetFixture.h"
#include "forms/Sdimain.h"
#include "platform/FileListBox.h"
#include "platform/PreviewEdit.h"
#include "platform/TabbedNotebook.h"
#include "support/Modal.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QToolButton>
#include <unistd.h>

using qf::test::answeringBoxes;

namespace {

const QColor kBlue(0, 0, 255);

class PreviewTest : public qf::test::WindowSetTest {
protected:
    static qf::platform::PreviewEdit* pane() { return SDIAppForm->RichEdit1; }
    static std::string shown() { return std::string(pane()->text(0, pane()->textLength())); }
};

} // namespace

TEST_F(PreviewTest, ToolButtonAndPopupItemPreviewTheClickedFile) {
    writeFile("a.cs", "// header\nx = 1; // one\ny = 2;\n");
    writeFile("b.cs", "plain\r\ntext\r\n");
    enterListing();

    clickEntry(0);
    QTest::mouseClick(SDIAppForm->ToolButton6, Qt::LeftButton);
    EXPECT_EQ(shown(), "// header\r\nx = 1; // one\r\ny = 2;\r\n");
    EXPECT_EQ(pane()->colourAt(0), kBlue);
    EXPECT_EQ(pane()->colourAt(9), kBlue); // the CR that ends the comment
    EXPECT_EQ(pane()->colourAt(10), QColor(Qt::black));
    EXPECT_EQ(pane()->colourAt(17), QColor(Qt::black));
    EXPECT_EQ(pane()->colourAt(18), kBlue);
    EXPECT_EQ(pane()->caretPosition(), 0u);
    EXPECT_FALSE(pane()->hasSelection());

    clickEntry(1);
    SDIAppForm->Preview1->trigger();
    EXPECT_EQ(shown(), "plain\r\ntext\r\n");
    for (std::size_t pos = 0; pos < pane()->textLength(); ++pos)
        EXPECT_EQ(pane()->colourAt(pos), QColor(Qt::black)) << pos;
}

TEST_F(PreviewTest, AFileThatCannotBeOpenedIsReportedAndThePaneLeftEmpty) {
    writeFile("a.cs", "// content");
    writeFile("gone.cs", "x");
    enterListing();
    clickEntry(0);
    SDIAppForm->Preview1->trigger();
    ASSERT_FALSE(shown().empty());

    // Deleted after it was selected: the message names it.
    clickEntry(1);
    ::unlink(path("gone.cs").c_str());
    auto boxes = answeringBoxes([] { QTest::mouseClick(SDIAppForm->ToolButton6, Qt::LeftButton); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QString::fromStdString("Cannot open file " + path("gone.cs") + "."));
    EXPECT_EQ(pane()->textLength(), 0u);

    // A re-read leaves no file selected while the command stays enabled: the name is empty.
    clickEntry(0);
    SDIAppForm->Preview1->trigger();
    list()->rereadList();
    ASSERT_TRUE(SDIAppForm->ToolButton6->isEnabled());
    boxes = answeringBoxes([] { QTest::mouseClick(SDIAppForm->ToolButton6, Qt::LeftButton); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Cannot open file "));
    EXPECT_EQ(pane()->textLength(), 0u);
}

TEST_F(PreviewTest, ClipboardKeysOnTheFocusedPane) {
    writeFile("a.cs", "copy // me");
    enterListing();
    clickEntry(0);
    SDIAppForm->Preview1->trigger();
    pane()->setFocus();
    QTRY_VERIFY(pane()->hasFocus());
    pane()->select(5, 10);
    QApplication::clipboard()->setText(QStringLiteral("old"));

    QTest::keyClick(pane(), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(pane(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown(), "copy // me");
    QTest::keyClick(pane(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("// me"));
}
