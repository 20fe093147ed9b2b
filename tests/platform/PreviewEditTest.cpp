#include "platform/PreviewEdit.h"

#include "preview/CommentScan.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using qf::platform::PreviewEdit;

namespace {

const QColor kBlue(0, 0, 255);

class PreviewEditTest : public qf::test::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        edit.resize(336, 345);
    }

    // What the Preview command does with the pane.
    void preview(const std::string& bytes) {
        writeFile("f.cs", bytes);
        edit.clear();
        edit.loadFromFile(path("f.cs"));
        edit.colourLineTails(qf::preview::commentStart, kBlue);
        edit.select(0, 0);
    }

    std::string loaded() const { return std::string(edit.text(0, edit.textLength())); }

    // The blue positions, as ranges.
    std::vector<qf::preview::Range> blueRanges() const {
        std::vector<qf::preview::Range> ranges;
        for (std::size_t pos = 0; pos < edit.textLength(); ++pos) {
            if (edit.colourAt(pos) != kBlue) {
                EXPECT_EQ(edit.colourAt(pos), QColor(Qt::black)) << pos;
                continue;
            }
            if (!ranges.empty() && ranges.back().end == pos)
                ++ranges.back().end;
            else
                ranges.push_back({pos, pos + 1});
        }
        return ranges;
    }

    PreviewEdit edit;
};

} // namespace

TEST_F(PreviewEditTest, LoadingTurnsEveryLineBreakIntoCrLf) {
    const struct {
        std::string raw, loaded;
    } cases[] = {{"a\r\nb", "a\r\nb"},
                 {"a\nb\n", "a\r\nb\r\n"},
                 {"a\rb\r", "a\r\nb\r\n"},
                 {"a\r\nb\nc\rd\n\r", "a\r\nb\r\nc\r\nd\r\n\r\n"},
                 {std::string("\0x\n\x81y", 5), std::string("\0x\r\n\x81y", 6)}};
    for (const auto& c : cases) {
        preview(c.raw);
        EXPECT_EQ(loaded(), c.loaded);
    }
    // A NUL and an undefined byte are one character each, so positions after them hold.
    EXPECT_EQ(edit.text(4, 5), "\x81");
    EXPECT_EQ(edit.text(5, 6), "y");
}

TEST_F(PreviewEditTest, CommentsAreBlueAsTheScanSays) {
    const std::string script = "// Ammo setup\r\n"
                               "$ammo = 20; // per pack\r\n"
                               "echo('a//b'); // note\r\n"
                               "exit();\r\n"
                               "x = 4 / 2; / / no comment\r\n"
                               "// last line";
    preview(script);
    EXPECT_EQ(blueRanges(),
              (std::vector<qf::preview::Range>{{0, 14}, {27, 39}, {47, 62}, {99, 111}}));

    // Files with LF or CR breaks are coloured over their loaded CR LF text in the same way.
    for (const std::string raw : {"a // b\nc\n//d", "a // b\rc\r//d"}) {
        preview(raw);
        EXPECT_EQ(blueRanges(), (std::vector<qf::preview::Range>{{2, 7}, {11, 14}}));
    }
}

TEST_F(PreviewEditTest, SecondPreviewCarriesNoColourOver) {
    preview("// all of this\r\n// and this\r\n// and this too");
    preview("plain\r\ntext // c\r\nmore plain text");
    EXPECT_EQ(blueRanges(), (std::vector<qf::preview::Range>{{12, 17}}));
}

TEST_F(PreviewEditTest, AfterPreviewTheStartIsShownWithNothingSelected) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += std::string(300, 'w') + "\r\n";
    preview(text);
    edit.select(text.size() - 10, text.size() - 20);
    ASSERT_GT(edit.verticalScrollBar()->value(), 0);
    ASSERT_GT(edit.horizontalScrollBar()->value(), 0);
    preview(text);
    EXPECT_EQ(edit.caretPosition(), 0u);
    EXPECT_FALSE(edit.hasSelection());
    EXPECT_EQ(edit.verticalScrollBar()->value(), 0);
    EXPECT_EQ(edit.horizontalScrollBar()->value(), 0);
}

TEST_F(PreviewEditTest, FailedLoadReportsThePathAndLeavesTheClearedPaneEmpty) {
    makeDir("dir");
    for (const std::string& failing : {std::string(), path("missing.cs"), path("dir")}) {
        preview("// old content");
        edit.clear();
        try {
            edit.loadFromFile(failing);
            ADD_FAILURE() << "loaded " << failing;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + failing);
        }
        EXPECT_EQ(edit.textLength(), 0u);
        EXPECT_EQ(edit.colourAt(0), QColor(Qt::black));
    }
}

TEST_F(PreviewEditTest, CopyPutsTheSelectionOnTheClipboard) {
    preview("ab\ncd \x93q\x94\x81");
    QApplication::clipboard()->setText(QStringLiteral("before"));
    edit.select(1, 1);
    edit.copySelection(); // nothing selected: the clipboard keeps its text
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));

    edit.select(11, 1);
    edit.copySelection();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString::fromUtf16(u"b\r\ncd \u201Cq\u201D\u0081"));
}

TEST_F(PreviewEditTest, CutAndPasteLeaveTheTextUnchanged) {
    preview("keep // this");
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    edit.select(0, 4);
    edit.cutSelection();
    edit.pasteClipboard();
    EXPECT_EQ(loaded(), "keep // this");
    EXPECT_EQ(edit.selectionRange(), std::make_pair(std::size_t{0}, std::size_t{4}));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("pasted"));
}

TEST_F(PreviewEditTest, KeyboardAndMouseSelect) {
    preview("abc\r\ndef");
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_End);
    EXPECT_EQ(edit.caretPosition(), 3u);
    // A line break is one step, over its CR and LF together.
    QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(edit.selectionRange(), std::make_pair(std::size_t{3}, std::size_t{5}));
    QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(edit.selectionRange(), std::make_pair(std::size_t{1}, std::size_t{3}));
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit.selectionRange(), std::make_pair(std::size_t{0}, std::size_t{8}));

    // Click before the first character, shift-click far right on the second line.
    QWidget* view = edit.viewport();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(0, 3));
    EXPECT_FALSE(edit.hasSelection());
    EXPECT_EQ(edit.caretPosition(), 0u);
    QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 20));
    EXPECT_EQ(edit.selectionRange(), std::make_pair(std::size_t{0}, std::size_t{8}));
}

TEST_F(PreviewEditTest, ClipboardKeysAreLeftToTheWindow) {
    preview("text");
    edit.select(0, 4);
    for (const QKeySequence key : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste}) {
        QKeyEvent press(QEvent::KeyPress, key[0].key(), key[0].keyboardModifiers());
        QApplication::sendEvent(&edit, &press);
        EXPECT_FALSE(press.isAccepted()) << key.toString().toStdString();
    }
}

TEST_F(PreviewEditTest, ScrollBarsAlwaysShownAndEnabledOnlyWithSomethingToScroll) {
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    preview("short");
    EXPECT_TRUE(edit.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(edit.verticalScrollBar()->isVisible());
    EXPECT_FALSE(edit.horizontalScrollBar()->isEnabled());
    EXPECT_FALSE(edit.verticalScrollBar()->isEnabled());

    std::string tall;
    for (int i = 0; i < 100; ++i)
        tall += "line\n";
    preview(tall + std::string(2000, 'm'));
    EXPECT_TRUE(edit.horizontalScrollBar()->isEnabled());
    EXPECT_TRUE(edit.verticalScrollBar()->isEnabled());
    EXPECT_EQ(edit.verticalScrollBar()->maximum(),
              100 - edit.viewport()->height() / edit.fontMetrics().height() + 1);
}

TEST_F(PreviewEditTest, LongLineScrollsToItsLastCharacter) {
    // Big enough that its width is guessed rather than measured at load.
    std::string line(3 * 1024 * 1024, 'i');
    line += "WWWWWWWW";
    preview(line);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_End);
    EXPECT_EQ(edit.caretPosition(), line.size());
    QScrollBar* bar = edit.horizontalScrollBar();
    EXPECT_GT(bar->value(), 0);
    EXPECT_LE(bar->value(), bar->maximum());
    // Dragged to the far end, the bar's range fits the line once the line is measured.
    bar->setValue(bar->maximum());
    edit.viewport()->repaint();
    QTRY_VERIFY(bar->value() == bar->maximum());
    const QImage shown = edit.viewport()->grab().toImage();
    bool inkSeen = false;
    for (int x = 0; x < shown.width() && !inkSeen; ++x)
        for (int y = 0; y < 15 && !inkSeen; ++y)
            inkSeen = qGray(shown.pixel(x, y)) < 128;
    EXPECT_TRUE(inkSeen) << "the end of the line is drawn";
}
