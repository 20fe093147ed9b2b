#include "WindowSetFixture.h"
#include "forms/Sdimain.h"
#include "platform/DirectoryOutline.h"
#include "platform/ErrorBox.h"
#include "platform/FileListBox.h"
#include "platform/TabbedNotebook.h"
#include "platform/host/Directory.h"
#include "support/Modal.h"

#include <QAction>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <unistd.h>

using qf::test::answeringBoxes;
using Names = std::vector<std::string>;

namespace {

class BrowseTest : public qf::test::WindowSetTest {
protected:
    static std::vector<bool> fileCommandsEnabled() {
        const TSDIAppForm& f = *SDIAppForm;
        return {f.Preview1->isEnabled(), f.Edit43->isEnabled(),  f.Edit2->isEnabled(),
                f.Delete1->isEnabled(),  f.Rename1->isEnabled(), f.ToolButton6->isEnabled()};
    }
};

const std::vector<bool> allEnabled(6, true);

} // namespace

TEST_F(BrowseTest, ClickingAFileEnablesTheCommandsAndNamesItInTheCaption) {
    writeFile("a.cs");
    writeFile("b.cs");
    enterListing();
    ASSERT_EQ(list()->entries(), (Names{"a.cs", "b.cs"}));
    EXPECT_EQ(fileCommandsEnabled(), std::vector<bool>(6, false));

    clickEntry(1);
    EXPECT_EQ(fileCommandsEnabled(), allEnabled);
    EXPECT_EQ(SDIAppForm->windowTitle(), QString::fromStdString("Quillfen - " + path("b.cs")));

    QTest::keyClick(list(), Qt::Key_Up);
    EXPECT_EQ(SDIAppForm->windowTitle(), QString::fromStdString("Quillfen - " + path("a.cs")));
}

TEST_F(BrowseTest, TheCaptionShowsANameThatIsNotText) {
    const std::string name = "caf\xe9.cs";
    writeFile(name);
    enterListing();
    clickEntry(0);
    EXPECT_TRUE(
        SDIAppForm->windowTitle().startsWith("Quillfen - " + QString::fromStdString(root())));
    EXPECT_EQ(list()->fileName(), path(name));
    ::unlink(path(name).c_str()); // Qt's clean-up cannot name it
}

TEST_F(BrowseTest, TheListFollowsTheTree) {
    writeFile("a.cs");
    writeFile("sub/s.cs");
    enterListing();
    clickEntry(0);
    qf::platform::guarded(
        [] { tree()->setDirectory(SDIAppForm->FileListBox1->directory() + "/sub"); });
    EXPECT_EQ(list()->directory(), path("sub"));
    EXPECT_EQ(list()->entries(), (Names{"s.cs"}));
    EXPECT_EQ(qf::platform::currentDirectory(), path("sub"));
    // No entry selected after the switch, while the commands stay enabled and the caption
    // keeps the file last clicked.
    EXPECT_EQ(list()->fileName(), "");
    EXPECT_EQ(fileCommandsEnabled(), allEnabled);
    EXPECT_EQ(SDIAppForm->windowTitle(), QString::fromStdString("Quillfen - " + path("a.cs")));
}

TEST_F(BrowseTest, RefreshRereadsTheListAndKeepsTheCaption) {
    writeFile("a.cs");
    enterListing();
    clickEntry(0);
    writeFile("b.cs");
    std::filesystem::remove(path("a.cs"));
    SDIAppForm->Refresh1->trigger();
    EXPECT_EQ(list()->entries(), (Names{"b.cs"}));
    EXPECT_EQ(list()->fileName(), "");
    EXPECT_EQ(SDIAppForm->windowTitle(), QString::fromStdString("Quillfen - " + path("a.cs")));
    EXPECT_EQ(fileCommandsEnabled(), allEnabled);
}

TEST_F(BrowseTest, RefreshOfARemovedDirectoryShowsTheErrorAndKeepsTheList) {
    writeFile("sub/s.cs");
    enterListing();
    qf::platform::guarded([this] { tree()->setDirectory(path("sub")); });
    ASSERT_EQ(list()->entries(), (Names{"s.cs"}));
    ASSERT_EQ(::chdir(root().c_str()), 0);
    std::filesystem::remove_all(path("sub"));

    const auto boxes = answeringBoxes([] { SDIAppForm->Refresh1->trigger(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "File not found.");
    EXPECT_EQ(boxes[0].title, "Quillfen");
    EXPECT_EQ(list()->entries(), (Names{"s.cs"}));
    EXPECT_EQ(list()->directory(), path("sub"));
}

TEST_F(BrowseTest, ResizeFitsTheTreeAndTheListToTheNotebook) {
    enterListing();
    // The design height of the notebook.
    SDIAppForm->TabbedNotebook1->resize(229, 345);
    SDIAppForm->FormResize();
    EXPECT_EQ(tree()->height(), 293);
    EXPECT_EQ(list()->height(), 315);

    // Every resize of the window, the maximising at the start included, keeps the rule; widths
    // and positions stay.
    for (const QSize size : {QSize(640, 480), QSize(800, 700)}) {
        SDIAppForm->showNormal();
        SDIAppForm->resize(size);
        QTRY_COMPARE(SDIAppForm->size(), size);
        const int notebook = SDIAppForm->TabbedNotebook1->height();
        EXPECT_EQ(tree()->geometry(), QRect(0, 24, 221, notebook - 52)) << notebook;
        EXPECT_EQ(list()->geometry(), QRect(0, 4, 221, notebook - 30)) << notebook;
    }
}
