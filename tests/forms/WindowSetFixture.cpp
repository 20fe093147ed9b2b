#include "WindowSetFixture.h"

#include "forms/About.h"
#include "forms/Sdimain.h"
#include "forms/WindowSet.h"
#include "platform/ApplicationTitle.h"
#include "platform/DirectoryOutline.h"
#include "platform/FileListBox.h"
#include "platform/TabbedNotebook.h"

#include <QTest>
#include <QTimer>
#include <unistd.h>

namespace qf::test {

void WindowSetTest::TearDown() {
    if (unexpected_) {
        EXPECT_TRUE(unexpected_->seen().empty())
            << "a window came up that the test did not expect: "
            << unexpected_->seen().front().toStdString();
        unexpected_.reset();
    }
    qf::forms::destroyWindowSet();
    TempDirTest::TearDown();
}

void WindowSetTest::startIn(const std::string& relative) {
    const std::string dir = relative.empty() ? root() : path(relative);
    ASSERT_EQ(::chdir(dir.c_str()), 0) << dir;
    unexpected_ = std::make_unique<UnexpectedModals>();
    qf::platform::setApplicationTitle("Quillfen");
    qf::forms::createWindowSet();
    qf::forms::showMainForm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form3));
}

void WindowSetTest::enterMainWindow() {
    // The black area left of the logo answers any button.
    QTest::mouseClick(Form3->windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(SDIAppForm));
    // The tick disarms the timer for good before anything else, also when its load fails.
    QTRY_COMPARE(SDIAppForm->Timer1->interval(), 0);
}

void WindowSetTest::enterListing(const std::string& masks) {
    makeDir("Data");
    startIn();
    enterMainWindow();
    list()->setMask(masks);
}

qf::platform::FileListBox* WindowSetTest::list() {
    return SDIAppForm->FileListBox1;
}

qf::platform::DirectoryOutline* WindowSetTest::tree() {
    return SDIAppForm->DirectoryOutline1;
}

void WindowSetTest::clickEntry(int row) {
    SDIAppForm->TabbedNotebook1->setCurrentIndex(1);
    const QPoint at = list()->visualRect(list()->model()->index(row, 0)).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
}

} // namespace qf::test
