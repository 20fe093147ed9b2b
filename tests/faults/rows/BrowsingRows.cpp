// Directories that change, lock the user out, loop, hold very many files or nest deeper than a
// path may be long: the tree and the list say what went wrong and keep what they showed.
#include "faults/FaultTable.h"
#include "forms/Sdimain.h"
#include "platform/DirectoryOutline.h"
#include "platform/FileListBox.h"
#include "platform/TabbedNotebook.h"
#include "platform/host/Directory.h"
#include "support/FakeEditor.h"

#include <QAction>
#include <QTest>
#include <QToolButton>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace qf::test::faults {

namespace {

namespace fs = std::filesystem;

// The directories the tree shows below the test's directory, relative to it.
Names treeBelowRoot(FaultTable& t) {
    Names below;
    const std::string prefix = t.root() + "/";
    for (const auto& row : FaultTable::tree()->rows())
        if (row.path.rfind(prefix, 0) == 0)
            below.push_back(row.path.substr(prefix.size()));
    return below;
}

// "Base" sorts before "Data", so walking the tree to it passes no other directory.
void listBaseAndLoseIt(FaultTable& t) {
    selectInTree(t.path("Base"));
    select("a.cs");
    fs::remove_all(t.path("Base"));
}

FaultRow removedWhileListed(const char* name, std::function<void(FaultTable&)> command) {
    return {
        .name = name,
        .arrange =
            [](FaultTable& t) {
                t.writeFile("Base/a.cs", "A");
                writeRecordingProgram(t.path("durirudo"), t.path("record"));
            },
        .masks = "*.cs",
        .act =
            [command](FaultTable& t) {
                listBaseAndLoseIt(t);
                command(t);
            },
        .typed = "fresh.cs",
        // Re-reading the list fails; it keeps what it showed.
        .boxes = {"File not found."},
        .listed = {"a.cs"},
        .disk = {{"Base", OnDisk::Absent}},
    };
}

constexpr int kManyFiles = 100'000;

Names manyNames() {
    Names names;
    char name[32];
    for (int i = 0; i < kManyFiles; ++i) {
        std::snprintf(name, sizeof name, "f%06d.cs", i);
        names.emplace_back(name);
    }
    return names;
}

// Directories of 200-byte names, one inside the other, until the innermost path is longer than
// the system takes; each holds one script.
constexpr std::size_t kDeepNameLength = 200;
const std::string kDeepName(kDeepNameLength, 'd');

void makeDeepChain(const std::string& top) {
    int fd = ::open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    for (std::size_t length = top.size(); length <= PATH_MAX + kDeepNameLength;
         length += kDeepNameLength + 1) {
        ASSERT_EQ(::mkdirat(fd, kDeepName.c_str(), 0755), 0);
        const int inner = ::openat(fd, kDeepName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        ASSERT_GE(inner, 0);
        fd = inner;
        ::close(::openat(fd, "deep.cs", O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    }
    ::close(fd);
}

} // namespace

std::vector<FaultRow> browsingRows() {
    std::vector<FaultRow> rows = {
        removedWhileListed("RefreshOfARemovedDirectory",
                           [](FaultTable&) { QTest::keyClick(FaultTable::list(), Qt::Key_F5); }),
        removedWhileListed("NewInARemovedDirectory",
                           [](FaultTable&) { SDIAppForm->FileNew1->trigger(); }),
        removedWhileListed("RenameInARemovedDirectory", [](FaultTable&) { renameTo("b.cs"); }),
    };
    // New writes its file wherever the dialog was pointed, then fails to re-read the list.
    rows[1].disk.push_back(
        {"fresh.cs", OnDisk::File,
         "// This script was created with Quillfen!\r\n"
         "// https://quillfen.example.org/\r\n"
         "// ---------------------------------------------------------------------\r\n"});
    rows[2].disk.push_back({"b.cs", OnDisk::Absent});

    // The editor is started from the start directory, then the list cannot go back.
    FaultRow edit = removedWhileListed("EditInARemovedDirectory", [](FaultTable&) {
        QTest::mouseClick(SDIAppForm->Edit43, Qt::LeftButton);
    });
    edit.listed = {};
    edit.sees = [](FaultTable& t) {
        const auto record = waitForRecord(t.path("record"));
        ASSERT_TRUE(record);
        EXPECT_EQ(record->arguments, Names{t.path("Base/a.cs")});
        EXPECT_EQ(record->workingDirectory, t.root());
        EXPECT_EQ(FaultTable::list()->directory(), t.root());
    };
    rows.push_back(edit);

    rows.push_back({
        .name = "TreeSelectsADirectoryWithoutPermission",
        .arrange =
            [](FaultTable& t) {
                t.writeFile("a.cs"), t.writeFile("Backup/b.cs");
                ASSERT_EQ(::chmod(t.path("Backup").c_str(), 0), 0);
            },
        .masks = "*.cs",
        .act = [](FaultTable& t) { selectInTree(t.path("Backup")); },
        .boxes = {"File access denied."},
        .listed = {"a.cs"},
        .disk = {{"Backup", OnDisk::Directory}},
        .sees =
            [](FaultTable& t) {
                EXPECT_EQ(FaultTable::list()->directory(), t.root());
                EXPECT_EQ(qf::platform::currentDirectory(), t.root());
            },
        .unprivileged = true,
    });
    rows.push_back({
        // Entered but not readable: the list cannot show the old directory's files as this one's.
        .name = "TreeSelectsADirectoryThatCannotBeRead",
        .arrange =
            [](FaultTable& t) {
                t.writeFile("a.cs"), t.writeFile("Backup/b.cs");
                ASSERT_EQ(::chmod(t.path("Backup").c_str(), 0111), 0);
            },
        .masks = "*.cs",
        .act = [](FaultTable& t) { selectInTree(t.path("Backup")); },
        .boxes = {"File access denied."},
        .listed = {},
        .sees = [](FaultTable& t) { EXPECT_EQ(FaultTable::list()->directory(), t.path("Backup")); },
        .unprivileged = true,
    });
    rows.push_back({
        .name = "ExpandAllOverADirectoryWithoutPermission",
        .arrange =
            [](FaultTable& t) {
                t.makeDir("Backup/inner"), t.makeDir("Zone/inner");
                ASSERT_EQ(::chmod(t.path("Backup").c_str(), 0), 0);
            },
        .act = [](FaultTable&) { QTest::keyClick(FaultTable::tree(), Qt::Key_Asterisk); },
        .sees =
            [](FaultTable& t) {
                EXPECT_EQ(treeBelowRoot(t), (Names{"Backup", "Data", "Zone", "Zone/inner"}));
            },
        .unprivileged = true,
    });
    rows.push_back({
        // Every directory is reached again through the links; the walk must still end.
        .name = "ExpandAllOverALinkLoop",
        .arrange =
            [](FaultTable& t) {
                t.makeDir("Loop/a/b");
                ASSERT_EQ(::symlink(t.path("Loop").c_str(), t.path("Loop/a/b/back").c_str()), 0);
                ASSERT_EQ(::symlink("..", t.path("Loop/a/up").c_str()), 0);
            },
        .act = [](FaultTable&) { QTest::keyClick(FaultTable::tree(), Qt::Key_Asterisk); },
        .sees =
            [](FaultTable& t) {
                EXPECT_EQ(treeBelowRoot(t), (Names{"Data", "Loop", "Loop/a", "Loop/a/b",
                                                   "Loop/a/b/back", "Loop/a/up"}));
            },
    });
    rows.push_back({
        .name = "AHundredThousandFilesInOneDirectory",
        .arrange =
            [](FaultTable& t) {
                for (const std::string& name : manyNames())
                    ::close(::open(t.path(name).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
                t.writeFile("readme.txt");
            },
        .masks = "*.cs",
        .act =
            [](FaultTable&) {
                FaultTable::clickEntry(0);
                QTest::keyClick(FaultTable::list(), Qt::Key_End);
            },
        .listed = manyNames(),
        .sees =
            [](FaultTable& t) {
                EXPECT_EQ(FaultTable::list()->fileName(), t.path("f099999.cs"));
                EXPECT_EQ(SDIAppForm->windowTitle().toStdString(),
                          "Quillfen - " + t.path("f099999.cs"));
            },
    });
    rows.push_back({
        // Down the tree level by level until the path is longer than the system takes: the
        // list stays on the deepest directory it could enter.
        .name = "ADirectoryNestedDeeperThanAPathMayBeLong",
        .arrange = [](FaultTable& t) { makeDeepChain(t.root()); },
        .masks = "*.cs",
        .act =
            [](FaultTable& t) {
                SDIAppForm->TabbedNotebook1->setCurrentIndex(0);
                while (FaultTable::tree()->directory().size() <= PATH_MAX) {
                    const std::string before = FaultTable::tree()->directory();
                    // Into the first child, or on to the next sibling where there is none.
                    QTest::keyClick(FaultTable::tree(), Qt::Key_Plus);
                    QTest::keyClick(FaultTable::tree(), Qt::Key_Down);
                    ASSERT_NE(FaultTable::tree()->directory(), before) << t.root();
                }
            },
        .boxes = {"I/O error 206."},
        .listed = {"deep.cs"},
        .sees =
            [](FaultTable& t) {
                const std::string& shown = FaultTable::list()->directory();
                EXPECT_EQ(shown.rfind(t.root() + "/" + kDeepName, 0), 0u);
                // The deepest level that fits, and the tree on the one that does not.
                EXPECT_LT(shown.size(), std::size_t{PATH_MAX});
                EXPECT_GE(shown.size() + 1 + kDeepNameLength, std::size_t{PATH_MAX});
                EXPECT_EQ(FaultTable::tree()->directory(), shown + "/" + kDeepName);
            },
    });
    return rows;
}

} // namespace qf::test::faults
