// Bad input and faults, one row each, through the real window set: what the user sees (the
// message boxes, the list, the preview) and what is on disk afterwards. Nothing a user had may
// be lost, every failure is shown, and no row may hang.
#include "forms/FileMask.h"
#include "forms/Sdimain.h"
#include "forms/WindowSetFixture.h"
#include "forms/createdir.h"
#include "forms/renamer.h"
#include "platform/FileListBox.h"
#include "platform/PreviewEdit.h"
#include "platform/TabbedNotebook.h"
#include "support/Modal.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

namespace {

const QColor kBlue(0, 0, 255);
const std::string kTenMegabyteLine = std::string(10 * 1024 * 1024, 'x') + "// end";
// Longer than a line edit holds by default (32767 characters).
const std::string kLongMaskLine = [] {
    std::string line = "*.cs";
    while (line.size() < 40000)
        line += ";*.x";
    return line + ";*.vol";
}();

// What a path is afterwards.
struct OnDisk {
    enum Kind { File, Directory, Fifo, Absent };
    std::string path; // relative to the test's directory
    Kind kind;
    std::string content = {}; // a file's bytes
};

class FaultTable;

struct FaultRow {
    const char* name;
    // Files and folders in the test's directory (which holds a Data folder) before the
    // program starts there.
    std::function<void(FaultTable&)> arrange = {};
    // The mask list set after start-up; empty keeps what the settings file gave.
    std::string masks = {};
    // The user's steps after start-up. Message boxes, start-up's included, are answered with
    // answer, a save dialog with typed.
    std::function<void(FaultTable&)> act = [](FaultTable&) {};
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    std::string typed = {};
    // The texts of the boxes that came up, "{root}" standing for the test's directory.
    std::vector<std::string> boxes = {};
    Names listed = {};
    std::vector<OnDisk> disk = {};
    // What else the user sees, checked last.
    std::function<void(FaultTable&)> sees = {};
    // Why the row cannot run as root, or nothing.
    const char* notAsRoot = nullptr;
};

void PrintTo(const FaultRow& row, std::ostream* os) {
    *os << row.name;
}

class FaultTable : public qf::test::WindowSetTest, public ::testing::WithParamInterface<FaultRow> {
public:
    using TempDirTest::makeDir;
    using TempDirTest::path;
    using TempDirTest::readFile;
    using TempDirTest::writeFile;

    static void select(const std::string& name) {
        const auto& entries = list()->entries();
        const auto at = std::find(entries.begin(), entries.end(), name);
        ASSERT_NE(at, entries.end()) << name;
        clickEntry(static_cast<int>(at - entries.begin()));
        ASSERT_EQ(list()->fileName(), list()->directory() + "/" + name);
    }
    static qf::platform::PreviewEdit* pane() { return SDIAppForm->RichEdit1; }

    // Starts the program and runs the row's steps, answering every window that comes up.
    std::vector<std::string> runAnswering(const FaultRow& row) {
        std::vector<std::string> boxes;
        const auto steps = [&] {
            startIn();
            enterMainWindow();
            if (!row.masks.empty())
                list()->setMask(row.masks);
            row.act(*this);
        };
        qf::test::handlingModals(steps, [&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes.push_back(box->text().toStdString());
                if (QAbstractButton* button = box->button(row.answer))
                    button->click();
                else
                    box->done(0);
                return;
            }
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_TRUE(dialog) << modal->windowTitle().toStdString();
            answerSaveDialog(dialog, path(row.typed));
        });
        return boxes;
    }

    std::string withRoot(std::string text) const {
        for (std::size_t at; (at = text.find("{root}")) != std::string::npos;)
            text.replace(at, 6, root());
        return text;
    }

private:
    static void answerSaveDialog(QFileDialog* dialog, const std::string& name) {
        // A name selected in the dialog's list would win over the typed one.
        dialog->findChild<QListView*>("listView")->clearSelection();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(name));
        dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save)->click();
    }
};

void renameTo(const std::string& typed) {
    SDIAppForm->Rename1->trigger();
    ASSERT_TRUE(Form1->isVisible());
    Form1->Edit2->setText(QString::fromStdString(typed));
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);
}

void preview(const std::string& name) {
    FaultTable::select(name);
    SDIAppForm->Preview1->trigger();
}

const std::vector<FaultRow> kRows = {
    {
        .name = "RenameOntoAnExistingFile",
        .arrange = [](FaultTable& t) { t.writeFile("a.cs", "A"), t.writeFile("b.cs", "B"); },
        .masks = "*.cs",
        .act = [](FaultTable&) { FaultTable::select("a.cs"), renameTo("b.cs"); },
        .listed = {"a.cs", "b.cs"},
        .disk = {{"a.cs", OnDisk::File, "A"}, {"b.cs", OnDisk::File, "B"}},
    },
    {
        .name = "RenameOntoAnExistingDirectory",
        .arrange = [](FaultTable& t) { t.writeFile("a.cs", "A"), t.writeFile("sub/in.cs", "I"); },
        .masks = "*.cs",
        .act = [](FaultTable&) { FaultTable::select("a.cs"), renameTo("sub"); },
        .listed = {"a.cs"},
        .disk = {{"a.cs", OnDisk::File, "A"},
                 {"sub", OnDisk::Directory},
                 {"sub/in.cs", OnDisk::File, "I"}},
    },
    {
        .name = "DeleteOfASymbolicLink",
        .arrange =
            [](FaultTable& t) {
                t.writeFile("target/t.cs", "keep");
                ASSERT_EQ(::symlink("target/t.cs", t.path("link.cs").c_str()), 0);
            },
        .masks = "*.cs",
        .act = [](FaultTable&) { FaultTable::select("link.cs"), SDIAppForm->Delete1->trigger(); },
        .answer = QMessageBox::Yes,
        .boxes = {"Are you sure that you want to delete this file?\r\r{root}/link.cs"},
        .listed = {},
        .disk = {{"link.cs", OnDisk::Absent}, {"target/t.cs", OnDisk::File, "keep"}},
    },
    {
        .name = "NewOverAReadOnlyFile",
        .arrange =
            [](FaultTable& t) {
                t.writeFile("locked.cs", "keep");
                ASSERT_EQ(::chmod(t.path("locked.cs").c_str(), 0444), 0);
            },
        .masks = "*.cs",
        .act = [](FaultTable&) { SDIAppForm->FileNew1->trigger(); },
        .typed = "locked.cs",
        .boxes = {"File access denied."},
        .listed = {"locked.cs"},
        .disk = {{"locked.cs", OnDisk::File, "keep"}},
        .notAsRoot = "root writes a read-only file, so there is no denial to see",
    },
    {
        // The NUL is a byte of the first mask, which then matches no name.
        .name = "SettingsFileWithNulBytes",
        .arrange =
            [](FaultTable& t) {
                t.writeFile("Data/QFOPT.dat", std::string("*.cs\0x;*.vol\r\n", 14));
                t.writeFile("a.cs"), t.writeFile("b.vol");
            },
        .listed = {"b.vol"},
        .disk = {{"Data/QFOPT.dat", OnDisk::File, std::string("*.cs\0x;*.vol\r\n", 14)}},
    },
    {
        .name = "SettingsFileWithCtrlZ",
        .arrange =
            [](FaultTable& t) {
                t.writeFile("Data/QFOPT.dat", "*.cs\x1a;*.vol\r\n");
                t.writeFile("a.cs"), t.writeFile("b.vol");
            },
        .listed = {"a.cs"},
        .disk = {{"Data/QFOPT.dat", OnDisk::File, "*.cs\x1a;*.vol\r\n"}},
    },
    {
        .name = "PreviewOfAFileWithNulBytes",
        .arrange = [](FaultTable& t) { t.writeFile("nul.cs", std::string("a\0b // c\0d\ne", 13)); },
        .masks = "*.cs",
        .act = [](FaultTable&) { preview("nul.cs"); },
        .listed = {"nul.cs"},
        .disk = {{"nul.cs", OnDisk::File, std::string("a\0b // c\0d\ne", 13)}},
        .sees =
            [](FaultTable&) {
                const auto* p = FaultTable::pane();
                EXPECT_EQ(p->text(0, p->textLength()), std::string_view("a\0b // c\0d\r\ne", 14));
                EXPECT_EQ(p->colourAt(3), QColor(Qt::black));
                EXPECT_EQ(p->colourAt(4), kBlue);
                EXPECT_EQ(p->colourAt(8), kBlue); // the NUL inside the comment
                EXPECT_EQ(p->colourAt(13), QColor(Qt::black));
            },
    },
    {
        .name = "PreviewOfATenMegabyteLine",
        .arrange = [](FaultTable& t) { t.writeFile("long.cs", kTenMegabyteLine); },
        .masks = "*.cs",
        .act = [](FaultTable&) { preview("long.cs"); },
        .listed = {"long.cs"},
        .disk = {{"long.cs", OnDisk::File, kTenMegabyteLine}},
        .sees =
            [](FaultTable&) {
                const auto* p = FaultTable::pane();
                ASSERT_EQ(p->textLength(), kTenMegabyteLine.size());
                EXPECT_EQ(p->text(p->textLength() - 6, p->textLength()), "// end");
                EXPECT_EQ(p->colourAt(p->textLength() - 6), kBlue);
                EXPECT_EQ(p->colourAt(p->textLength() - 7), QColor(Qt::black));
            },
    },
    {
        // Neither read nor replaced: the start-up says why and the list keeps its design masks.
        .name = "SettingsFileIsADirectory",
        .arrange =
            [](FaultTable& t) {
                t.makeDir("Data/QFOPT.dat");
                t.writeFile("a.cs"), t.writeFile("b.txt"), t.writeFile("c.dat");
            },
        .boxes = {"File access denied."},
        .listed = {"a.cs", "b.txt"},
        .disk = {{"Data/QFOPT.dat", OnDisk::Directory}},
    },
    {
        // Read without waiting for a writer: it holds no text, so no mask and no file listed.
        .name = "SettingsFileIsAFifo",
        .arrange =
            [](FaultTable& t) {
                ASSERT_EQ(::mkfifo(t.path("Data/QFOPT.dat").c_str(), 0644), 0);
                t.writeFile("a.cs");
            },
        .listed = {},
        .disk = {{"Data/QFOPT.dat", OnDisk::Fifo}},
    },
    {
        // Confirming the dialog unchanged must store the whole line, however long.
        .name = "MaskDialogOkOnAVeryLongSettingsLine",
        .arrange =
            [](FaultTable& t) {
                t.writeFile("Data/QFOPT.dat", kLongMaskLine + "\r\n");
                t.writeFile("a.cs"), t.writeFile("b.vol");
            },
        .act =
            [](FaultTable&) {
                SDIAppForm->Quicksetfilemask1->trigger();
                QTest::mouseClick(Form2->Button1, Qt::LeftButton);
            },
        .listed = {"a.cs", "b.vol"},
        .disk = {{"Data/QFOPT.dat", OnDisk::File, kLongMaskLine + "\r\n"}},
    },
    {
        .name = "SettingsFileUnreadable",
        .arrange =
            [](FaultTable& t) {
                t.writeFile("Data/QFOPT.dat", "*.vol\r\n");
                ASSERT_EQ(::chmod(t.path("Data/QFOPT.dat").c_str(), 0), 0);
            },
        // Once at the dialog's creation, once at the start-up tick.
        .boxes = {"File access denied.", "File access denied."},
        .disk = {{"Data/QFOPT.dat", OnDisk::File, "*.vol\r\n"}},
        .notAsRoot = "root reads a file without read permission",
    },
    {
        .name = "CreateDirectoryOverAnExistingFile",
        .arrange = [](FaultTable& t) { t.writeFile("taken", "keep"); },
        .act =
            [](FaultTable&) {
                SDIAppForm->CreateDirectory1->trigger();
                CreateDirect->Edit1->setText("taken");
                QTest::mouseClick(CreateDirect->SpeedButton1, Qt::LeftButton);
            },
        .boxes = {"I/O error 183."},
        .disk = {{"taken", OnDisk::File, "keep"}},
    },
    {
        // A FIFO would block a reader until a writer came; the preview refuses it at once.
        .name = "PreviewOfAFifoPutInTheFilesPlace",
        .arrange = [](FaultTable& t) { t.writeFile("p.cs", "x"); },
        .masks = "*.cs",
        .act =
            [](FaultTable& t) {
                FaultTable::select("p.cs");
                ASSERT_EQ(::unlink(t.path("p.cs").c_str()), 0);
                ASSERT_EQ(::mkfifo(t.path("p.cs").c_str(), 0644), 0);
                SDIAppForm->Preview1->trigger();
            },
        .boxes = {"Cannot open file {root}/p.cs."},
        .listed = {"p.cs"},
        .disk = {{"p.cs", OnDisk::Fifo}},
        .sees = [](FaultTable&) { EXPECT_EQ(FaultTable::pane()->textLength(), 0u); },
    },
    {
        .name = "PreviewOfAnUnreadableFile",
        .arrange =
            [](FaultTable& t) {
                t.writeFile("secret.cs", "// s");
                ASSERT_EQ(::chmod(t.path("secret.cs").c_str(), 0), 0);
            },
        .masks = "*.cs",
        .act = [](FaultTable&) { preview("secret.cs"); },
        .boxes = {"Cannot open file {root}/secret.cs."},
        .listed = {"secret.cs"},
        .disk = {{"secret.cs", OnDisk::File, "// s"}},
        .sees = [](FaultTable&) { EXPECT_EQ(FaultTable::pane()->textLength(), 0u); },
        .notAsRoot = "root reads a file without read permission",
    },
};

TEST_P(FaultTable, UserSeesAndDiskHolds) {
    const FaultRow& row = GetParam();
    if (row.notAsRoot && ::geteuid() == 0)
        GTEST_SKIP() << row.notAsRoot;
    makeDir("Data");
    row.arrange(*this);
    ASSERT_FALSE(HasFatalFailure());
    const std::vector<std::string> boxes = runAnswering(row);
    ASSERT_FALSE(HasFatalFailure());
    std::vector<std::string> expected;
    for (const auto& text : row.boxes)
        expected.push_back(withRoot(text));
    EXPECT_EQ(boxes, expected);
    EXPECT_EQ(list()->entries(), row.listed);

    for (const OnDisk& want : row.disk) {
        SCOPED_TRACE(want.path);
        const fs::path p = path(want.path);
        const fs::file_status status = fs::symlink_status(p);
        switch (want.kind) {
        case OnDisk::File:
            ASSERT_TRUE(fs::is_regular_file(status));
            // A row may have taken the read permission away; the bytes are what counts here.
            fs::permissions(p, fs::perms::owner_read, fs::perm_options::add);
            EXPECT_EQ(readFile(want.path), want.content);
            break;
        case OnDisk::Directory:
            EXPECT_TRUE(fs::is_directory(status));
            break;
        case OnDisk::Fifo:
            EXPECT_TRUE(fs::is_fifo(status));
            break;
        case OnDisk::Absent:
            EXPECT_FALSE(fs::exists(status));
            break;
        }
    }
    if (row.sees)
        row.sees(*this);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTable, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
