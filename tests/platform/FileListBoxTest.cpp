#include "platform/FileListBox.h"

#include "platform/FileListModel.h"
#include "platform/WaitCursor.h"
#include "platform/host/Directory.h"
#include "platform/host/FileMatch.h"
#include "platform/host/IoError.h"
#include "support/Modal.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QTest>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace qf::platform;
using qf::test::TempDirTest;
using Names = std::vector<std::string>;

namespace {

int ioErrorCode(const std::function<void()>& step) {
    try {
        step();
    } catch (const IoError& e) {
        return e.code();
    }
    return 0;
}

class FileListBoxTest : public TempDirTest {
protected:
    // A list made in an empty scratch directory, then switched to root()/relative.
    std::unique_ptr<FileListBox> listIn(const std::string& relative = {}) {
        makeDir("scratch");
        setCurrentDirectory(path("scratch"));
        auto list = std::make_unique<FileListBox>();
        list->setFileName(relative.empty() ? root() : path(relative));
        return list;
    }

    static void select(FileListBox& list, int row) {
        list.selectionModel()->select(list.model()->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect);
    }

    static QPoint centreOf(FileListBox& list, int row) {
        return list.visualRect(list.model()->index(row, 0)).center();
    }

    static void showAndWait(FileListBox& list) {
        list.resize(221, 309);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }
};

} // namespace

TEST_F(FileListBoxTest, ListsTheCurrentDirectoryWithTheDesignMaskWhenMade) {
    for (const char* name : {"a.cs", "b.txt", "c.vol", "d.dat"})
        writeFile(name);
    setCurrentDirectory(root());
    FileListBox list;
    EXPECT_EQ(list.directory(), root());
    EXPECT_EQ(list.mask(), "*.cs;*.txt;*.vol");
    EXPECT_EQ(list.entries(), (Names{"a.cs", "b.txt", "c.vol"}));
    EXPECT_EQ(list.fileName(), "");
}

TEST_F(FileListBoxTest, MasksTable) {
    for (const char* name : {"a.cs", "B.CS", "c.txt", "d.vol", ".hidden.cs", "ro.cs", " sp.cs"})
        writeFile(name);
    ASSERT_EQ(::chmod(path("ro.cs").c_str(), 0444), 0);
    makeDir("x.cs");
    writeFile("Data/e.dat");
    writeFile("Data/F.DAT");
    writeFile("Data/g.cs");
    ASSERT_EQ(::symlink("a.cs", path("link.cs").c_str()), 0);
    ASSERT_EQ(::symlink("x.cs", path("dirlink.cs").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", path("dangling.cs").c_str()), 0);
    ASSERT_EQ(::mkfifo(path("pipe.cs").c_str(), 0600), 0);

    const Names allCs = {" sp.cs", "a.cs", "B.CS", "link.cs", "ro.cs"};
    const std::vector<std::pair<std::string, Names>> cases = {
        {"*.cs", allCs},
        {"*.CS", allCs},
        {"*.cs;", allCs},
        {";*.cs", allCs},
        {"*.cs;;*.vol", {" sp.cs", "a.cs", "B.CS", "d.vol", "link.cs", "ro.cs"}},
        {"a.cs;*.*", {" sp.cs", "a.cs", "a.cs", "B.CS", "c.txt", "d.vol", "link.cs", "ro.cs"}},
        {"*.cs;*.*",
         {" sp.cs", " sp.cs", "a.cs", "a.cs", "B.CS", "B.CS", "c.txt", "d.vol", "link.cs",
          "link.cs", "ro.cs", "ro.cs"}},
        {"", {}},
        {";", {}},
        {" *.cs", {" sp.cs"}},
        {"Data/*.dat", {"e.dat", "F.DAT"}},
        {"Data/*.dat;*.vol;Data/*.cs", {"d.vol", "e.dat", "F.DAT", "g.cs"}},
        {"Missing/*.dat;*.vol", {"d.vol"}},
        {"Data/", {}},
    };
    auto list = listIn();
    for (const auto& [mask, expected] : cases) {
        list->setMask(mask);
        EXPECT_EQ(list->entries(), expected) << "mask '" << mask << "'";
        EXPECT_EQ(list->mask(), mask);
    }
}

TEST_F(FileListBoxTest, OrderIgnoresCaseAndKeepsEqualNamesTogether) {
    for (const char* name : {"b.cs", "A.cs", "a.cs", "_x.cs", "B1.cs", "a.CS", "[.cs", "z.cs"})
        writeFile(name);
    auto list = listIn();
    list->setMask("*.cs");
    // Folding to small letters puts '[' and '_' before the letters, as strcasecmp does.
    EXPECT_EQ(list->entries(),
              (Names{"[.cs", "_x.cs", "A.cs", "a.CS", "a.cs", "b.cs", "B1.cs", "z.cs"}));
    EXPECT_TRUE(lessIgnoringCase("a", "B"));
    EXPECT_TRUE(lessIgnoringCase("ab", "ABC"));
    EXPECT_FALSE(lessIgnoringCase("a", "a"));
}

TEST_F(FileListBoxTest, FileNameJoinsTheDirectoryAndTheSelectedName) {
    writeFile("sub/a.cs");
    writeFile("Data/e.dat");
    auto list = listIn("sub");
    EXPECT_EQ(list->fileName(), "") << "nothing selected after a read";
    select(*list, 0);
    EXPECT_EQ(list->fileName(), path("sub/a.cs"));

    // A name found through a mask's directory part joins the list's own directory.
    list->setFileName(root());
    list->setMask("Data/*.dat");
    select(*list, 0);
    EXPECT_EQ(list->fileName(), path("e.dat"));
    EXPECT_FALSE(fileExists(list->fileName()));

    // At the root the name follows the single '/' directly.
    list->setFileName("/");
    list->setMask(root().substr(1) + "/sub/a.cs");
    ASSERT_EQ(list->entries(), (Names{"a.cs"}));
    select(*list, 0);
    EXPECT_EQ(list->fileName(), "/a.cs");
}

TEST_F(FileListBoxTest, SwitchingMovesTheListAndTheCurrentDirectory) {
    writeFile("Foo/upper.cs");
    writeFile("foo/lower.cs");
    ASSERT_EQ(::symlink("Foo", path("link").c_str()), 0);
    auto list = listIn();

    list->setFileName(path("Foo"));
    EXPECT_EQ(list->directory(), path("Foo"));
    EXPECT_EQ(currentDirectory(), path("Foo"));
    EXPECT_EQ(list->entries(), (Names{"upper.cs"}));

    // Another letter case is another directory on Linux.
    list->setFileName(path("foo"));
    EXPECT_EQ(list->directory(), path("foo"));
    EXPECT_EQ(list->entries(), (Names{"lower.cs"}));

    // The directory is taken as the system reports it once current.
    list->setFileName(path("link"));
    EXPECT_EQ(list->directory(), path("Foo"));

    // Relative paths are taken from the listed directory.
    list->setFileName("../foo");
    EXPECT_EQ(list->directory(), path("foo"));
}

TEST_F(FileListBoxTest, SwitchingToTheListedDirectoryOrToNothingChangesNothing) {
    writeFile("a.cs");
    writeFile("b.cs");
    auto list = listIn();
    select(*list, 1);
    writeFile("c.cs"); // would show up if the list were read again
    for (const std::string& same : {root(), std::string()}) {
        list->setFileName(same);
        EXPECT_EQ(list->entries(), (Names{"a.cs", "b.cs"})) << same;
        EXPECT_EQ(list->fileName(), path("b.cs")) << same;
    }
    // The selected file's own path is the other form that changes nothing.
    list->setFileName(path("b.cs"));
    EXPECT_EQ(list->fileName(), path("b.cs"));
}

TEST_F(FileListBoxTest, AFailedSwitchLeavesListAndCurrentDirectory) {
    writeFile("a.cs");
    writeFile("plain.dat");
    auto list = listIn();
    select(*list, 0);
    const std::vector<std::pair<std::string, int>> cases = {
        {path("gone"), 2},
        {path("gone/deeper"), 3},
        {path("plain.dat"), 3},
    };
    for (const auto& [target, code] : cases) {
        EXPECT_EQ(ioErrorCode([&] { list->setFileName(target); }), code) << target;
        EXPECT_EQ(list->directory(), root());
        EXPECT_EQ(list->entries(), (Names{"a.cs"}));
        EXPECT_EQ(list->fileName(), path("a.cs"));
        EXPECT_EQ(currentDirectory(), root());
    }
}

TEST_F(FileListBoxTest, ADirectoryWithoutPermission) {
    if (!permissionsBite())
        GTEST_SKIP() << "cannot take an unprivileged user's identity here";
    writeFile("a.cs");
    writeFile("locked/b.cs");
    writeFile("unreadable/c.cs");
    ASSERT_EQ(::chmod(path("locked").c_str(), 0), 0);
    ASSERT_EQ(::chmod(path("unreadable").c_str(), 0111), 0);
    auto list = listIn();

    EXPECT_EQ(ioErrorCode([&] { list->setFileName(path("locked")); }), 5);
    EXPECT_EQ(list->directory(), root());
    EXPECT_EQ(list->entries(), (Names{"a.cs"}));

    // Entered but not readable: the list shows nothing of the old directory and says why.
    EXPECT_EQ(ioErrorCode([&] { list->setFileName(path("unreadable")); }), 5);
    EXPECT_EQ(list->directory(), path("unreadable"));
    EXPECT_EQ(list->entries(), Names{});
}

TEST_F(FileListBoxTest, RereadShowsChangesAndClearsTheSelection) {
    writeFile("a.cs");
    auto list = listIn();
    select(*list, 0);
    writeFile("b.cs");
    setCurrentDirectory("/");
    list->rereadList();
    EXPECT_EQ(list->entries(), (Names{"a.cs", "b.cs"}));
    EXPECT_EQ(list->fileName(), "");
    EXPECT_EQ(currentDirectory(), root()) << "a re-read makes the listed directory current";

    // The same mask again is no change; another letter case is.
    select(*list, 0);
    list->setMask("*.cs;*.txt;*.vol");
    EXPECT_EQ(list->fileName(), path("a.cs"));
    list->setMask("*.CS;*.txt;*.vol");
    EXPECT_EQ(list->fileName(), "");
}

TEST_F(FileListBoxTest, ADirectoryRemovedAfterItWasReadKeepsItsEntries) {
    writeFile("doomed/a.cs");
    auto list = listIn("doomed");
    select(*list, 0);
    setCurrentDirectory(root());
    std::filesystem::remove_all(path("doomed"));

    EXPECT_EQ(ioErrorCode([&] { list->rereadList(); }), 2);
    EXPECT_EQ(list->entries(), (Names{"a.cs"}));
    EXPECT_EQ(list->fileName(), path("doomed/a.cs"));
    EXPECT_EQ(currentDirectory(), root());

    // A switch away does not need the old directory any more.
    list->setFileName(root());
    EXPECT_EQ(list->directory(), root());
    EXPECT_EQ(list->entries(), Names{});
}

TEST_F(FileListBoxTest, NamesThatAreNotTextKeepTheirBytes) {
    const std::string latin1 = "caf\xe9.cs";
    const std::string newline = "two\nlines.cs";
    writeFile(latin1);
    writeFile(newline);
    auto list = listIn();
    ASSERT_EQ(list->entries(), (Names{latin1, newline}));
    select(*list, 0);
    EXPECT_EQ(list->fileName(), path(latin1));
    EXPECT_TRUE(fileExists(list->fileName()));

    const QString shown = list->model()->index(1, 0).data().toString();
    EXPECT_EQ(shown, QString::fromUtf8("two\u240Alines.cs")) << "one line per row";
    EXPECT_FALSE(list->model()->index(0, 0).data().toString().isEmpty());
    // Qt's clean-up of the temporary directory cannot name a file that is not valid UTF-8.
    ::unlink(path(latin1).c_str());
}

TEST_F(FileListBoxTest, HundredThousandFiles) {
    makeDir("many");
    setCurrentDirectory(path("many"));
    for (int i = 0; i < 100000; ++i) {
        const std::string name = "f" + std::to_string(i) + (i % 2 ? ".cs" : ".dat");
        const int fd = ::open(name.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    auto list = listIn("many");
    ASSERT_EQ(list->entries().size(), 50000u);
    EXPECT_EQ(list->entries().front(), "f1.cs");
    EXPECT_EQ(list->entries().back(), "f99999.cs");
    EXPECT_TRUE(
        std::is_sorted(list->entries().begin(), list->entries().end(),
                       [](const auto& a, const auto& b) { return lessIgnoringCase(a, b); }));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass is gone after the read";
    // Far quicker than the temporary directory's own clean-up, which inspects every file.
    setCurrentDirectory(root());
    std::filesystem::remove_all(path("many"));
}

TEST_F(FileListBoxTest, TheHourglassComesFromTheHundredAndFirstName) {
    for (int count : {100, 101}) {
        const std::string dir = "n" + std::to_string(count);
        for (int i = 0; i < count; ++i)
            writeFile(dir + "/" + std::to_string(i) + ".cs");
        int shown = 0;
        matchingFileNames(path(dir), "*.cs", [&] { ++shown; });
        EXPECT_EQ(shown, count > 100 ? 1 : 0) << count;
    }
    // Several masks count each name they add.
    int shown = 0;
    matchingFileNames(path("n100"), "*.cs;0.cs", [&] { ++shown; });
    EXPECT_EQ(shown, 1);

    {
        WaitCursor cursor;
        cursor.show();
        cursor.show();
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    try {
        WaitCursor cursor;
        cursor.show();
        throw IoError(5);
    } catch (const IoError&) {
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "put back also on failure";
}

TEST_F(FileListBoxTest, TheUsersClicksAndKeysReportSelectionChanges) {
    for (const char* name : {"a.cs", "b.cs", "c.cs"})
        writeFile(name);
    auto list = listIn();
    showAndWait(*list);
    Names clicked;
    int doubleClicks = 0;
    list->onClick = [&] { clicked.push_back(list->fileName()); };
    list->onDblClick = [&] { ++doubleClicks; };

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(*list, 1));
    EXPECT_EQ(clicked, (Names{path("b.cs")}));

    QTest::keyClick(list.get(), Qt::Key_Down);
    EXPECT_EQ(clicked, (Names{path("b.cs"), path("c.cs")}));
    QTest::keyClick(list.get(), Qt::Key_Down); // already at the end: no change
    EXPECT_EQ(clicked.size(), 2u);

    // A right click, or a click below the entries, leaves the selection as it was.
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(*list, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 200));
    EXPECT_EQ(list->fileName(), path("c.cs"));
    EXPECT_EQ(clicked.size(), 2u);

    // The program's own re-read reports nothing.
    list->rereadList();
    EXPECT_EQ(clicked.size(), 2u);

    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOf(*list, 0));
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(list->fileName(), path("a.cs"));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 200));
    EXPECT_EQ(doubleClicks, 1) << "a double click needs an entry";
}

TEST_F(FileListBoxTest, ACallbacksFailureShowsTheErrorBox) {
    writeFile("a.cs");
    auto list = listIn();
    showAndWait(*list);
    list->onClick = [] { throw IoError(5); };
    const auto boxes = qf::test::answeringBoxes(
        [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(*list, 0)); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "File access denied.");
    EXPECT_EQ(list->fileName(), path("a.cs"));
}

TEST_F(FileListBoxTest, LooksLikeTheDesign) {
    auto list = listIn();
    EXPECT_EQ(list->font().pixelSize(), 13);
    EXPECT_EQ(list->palette().color(QPalette::Text), QColor(0, 0, 0x80));
    EXPECT_EQ(list->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    writeFile("a.cs");
    list->rereadList();
    EXPECT_EQ(list->sizeHintForRow(0), 15);
}
