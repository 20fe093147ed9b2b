// The window set as a user moves through it: splash, main window, About, exit.
#include "WindowSetFixture.h"
#include "forms/About.h"
#include "forms/FileMask.h"
#include "forms/Sdimain.h"
#include "forms/createdir.h"
#include "forms/renamer.h"
#include "platform/GraphicControls.h"
#include "platform/JpegImage.h"
#include "support/Wait.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {

using qf::test::WindowSetTest;

// With a Data folder the start-up tick creates its settings file and stays silent.
class Shell : public WindowSetTest {
protected:
    void SetUp() override {
        WindowSetTest::SetUp();
        makeDir("Data");
    }
};

TEST_F(Shell, SplashThenMainThenAboutThenBackThenExit) {
    startIn();
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_FALSE(SDIAppForm->isVisible());
    for (QWidget* dialog : {static_cast<QWidget*>(CreateDirect), static_cast<QWidget*>(Form1),
                            static_cast<QWidget*>(Form2)})
        EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Form3->size(), QSize(393, 318));
    EXPECT_TRUE(Form3->windowFlags() & Qt::FramelessWindowHint);

    enterMainWindow();
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_EQ(SDIAppForm->windowTitle(), "Quillfen - Project Manager");
    const QPoint splashAt = Form3->pos();

    SDIAppForm->About1->trigger();
    EXPECT_FALSE(SDIAppForm->isVisible());
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_EQ(Form3->pos(), splashAt);

    QTest::mouseClick(Form3->windowHandle(), Qt::LeftButton, {}, QPoint(50, 250));
    EXPECT_TRUE(SDIAppForm->isVisible());

    // File > Exit ends the loop at once, asking nothing.
    QTimer::singleShot(0, SDIAppForm->FileExitItem, &QAction::trigger);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(Shell, ClosingTheMainWindowEndsTheLoop) {
    startIn();
    enterMainWindow();
    QTimer::singleShot(0, SDIAppForm, &QWidget::close);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(SDIAppForm->isVisible());
}

TEST_F(Shell, ClosingTheSplashEndsTheLoopBeforeTheMainWindowWasShown) {
    startIn();
    QTimer::singleShot(0, Form3, &QWidget::close);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(SDIAppForm->isVisible());
    EXPECT_TRUE(FirstActivation);
}

TEST_F(Shell, AboutLeavesAnOpenDialogVisible) {
    startIn();
    enterMainWindow();
    Form2->show();
    SDIAppForm->About1->trigger();
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_TRUE(Form3->isVisible());
}

// Which element answers a mouse button where, in client pixels of the splash window.
TEST_F(Shell, SplashAnswersTheMouseOnlyWhereItsElementsRespond) {
    startIn();
    const QPoint label2 = Form3->Label2->geometry().center();
    const QPoint label1 = Form3->Label1->geometry().center();
    struct Case {
        QPoint at;
        Qt::MouseButton button;
        bool toMain;
        const char* what;
    };
    const std::vector<Case> cases = {
        {{20, 20}, Qt::LeftButton, true, "black area, left"},
        {{150, 110}, Qt::RightButton, true, "black area, right"},
        {{156, 5}, Qt::MiddleButton, true, "black area's last column, middle"},
        {{0, 130}, Qt::LeftButton, true, "one-pixel column at the left edge"},
        {{250, 60}, Qt::LeftButton, true, "logo, left click"},
        {{157, 119}, Qt::LeftButton, true, "logo's first column and last row"},
        {{250, 60}, Qt::RightButton, false, "logo, right button"},
        {{200, 150}, Qt::LeftButton, true, "banner, left click"},
        {{200, 150}, Qt::MiddleButton, false, "banner, middle button"},
        {{200, 196}, Qt::LeftButton, false, "separator line over the banner"},
        {label1, Qt::LeftButton, false, "heading"},
        {label2, Qt::LeftButton, false, "credit line"},
        {{30, 300}, Qt::RightButton, true, "white panel, right"},
        {{label2.x() - 70, label2.y()}, Qt::LeftButton, true, "white panel beside a credit line"},
        {{392, 200}, Qt::LeftButton, true, "panel's right outline column"},
        {{200, 317}, Qt::LeftButton, false, "bottom pixel row"},
    };
    for (const Case& c : cases) {
        QTest::mouseClick(Form3->windowHandle(), c.button, {}, c.at);
        EXPECT_EQ(SDIAppForm->isVisible(), c.toMain) << c.what;
        EXPECT_EQ(Form3->isVisible(), !c.toMain) << c.what;
        if (SDIAppForm->isVisible())
            SDIAppForm->About1Click();
    }
}

TEST_F(Shell, SplashShowsTheLogoFromItsNinthRowAndNeverItsLastColumnOrRow) {
    startIn();
    const QImage shown = Form3->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage logo = Form3->Image1->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(logo.size(), QSize(250, 150));
    // Window column 157 shows logo column 13, window row 0 shows logo row 8.
    for (int y = 0; y < 120; y += 7)
        for (int x = 157; x < 393; x += 11)
            ASSERT_EQ(shown.pixel(x, y), logo.pixel(x - 144, y + 8)) << x << "," << y;
    const QImage banner = Form3->Image2->image();
    EXPECT_EQ(banner.size(), QSize(682, 192));
    EXPECT_EQ(shown.pixel(392, 5), logo.pixel(248, 13));
}

TEST(Jpeg, DecodesProgressiveAndBaselinePicturesAndRejectsGarbage) {
    EXPECT_TRUE(qf::platform::decodeJpeg("not a picture").isNull());
    EXPECT_TRUE(qf::platform::decodeJpeg({}).isNull());
    const std::string truncated("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
    EXPECT_TRUE(qf::platform::decodeJpeg(truncated).isNull());
}

} // namespace
