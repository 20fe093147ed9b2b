#include "WindowSetFixture.h"
#include "forms/Sdimain.h"
#include "forms/createdir.h"
#include "forms/renamer.h"
#include "platform/DirectoryOutline.h"
#include "platform/ErrorBox.h"
#include "platform/FileListBox.h"
#include "platform/SaveDialog.h"
#include "platform/TabbedNotebook.h"
#include "platform/host/Directory.h"
#include "support/FakeEditor.h"
#include "support/Modal.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using qf::test::answeringBoxes;
using qf::test::BoxSeen;
using Names = std::vector<std::string>;

namespace {

const std::string kHeader =
    "// This script was created with Quillfen!\r\n"
    "// https://quillfen.example.org/\r\n"
    "// ---------------------------------------------------------------------"
    "\r\n";

class FileCommands : public qf::test::WindowSetTest {
protected:
    static void select(const std::string& name) {
        const auto& entries = list()->entries();
        const auto at = std::find(entries.begin(), entries.end(), name);
        ASSERT_NE(at, entries.end()) << name;
        SDIAppForm->TabbedNotebook1->setCurrentIndex(1);
        const QModelIndex index = list()->model()->index(static_cast<int>(at - entries.begin()), 0);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualRect(index).center());
        ASSERT_EQ(list()->fileName(), joined(list()->directory(), name));
    }
    static std::string joined(const std::string& dir, const std::string& name) {
        return dir == "/" ? dir + name : dir + "/" + name;
    }
    // Switches the tree, and with it the list, as a user's pick in the tree does.
    static void browseTo(const std::string& dir) {
        qf::platform::guarded([&] { tree()->setDirectory(dir); });
        ASSERT_EQ(list()->directory(), dir);
    }
};

// What the save dialog is answered with: a path typed into its name field, or a cancel.
struct SaveAnswer {
    std::optional<std::string> typed;
    // Runs after the dialog took the name and before the command goes on.
    std::function<void()> thenMeanwhile = {};
};

struct SaveRun {
    QString offeredName;   // the dialog's name when it came up
    QString offeredFilter; // its filter entry then
    std::vector<BoxSeen> boxes;
};

// Runs a command that opens the save dialog, answers it, and answers every message box after
// it with OK.
SaveRun withSaveDialog(QAction* command, const SaveAnswer& answer,
                       const QString& filter = QString()) {
    SaveRun run;
    bool answered = false;
    qf::test::handlingModals([&] { command->trigger(); },
                             [&](QWidget* modal) {
                                 if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                                     run.boxes.push_back({box->windowTitle(), box->text(),
                                                          box->icon(), box->standardButtons()});
                                     box->button(QMessageBox::Ok)->click();
                                     return;
                                 }
                                 auto* dialog = qobject_cast<QFileDialog*>(modal);
                                 ASSERT_TRUE(dialog) << modal->windowTitle().toStdString();
                                 ASSERT_FALSE(answered);
                                 answered = true;
                                 run.offeredName = dialog->selectedFiles().value(0);
                                 run.offeredFilter = dialog->selectedNameFilter();
                                 if (!answer.typed) {
                                     dialog->reject();
                                     return;
                                 }
                                 if (!filter.isEmpty())
                                     dialog->selectNameFilter(filter);
                                 // A name offered from the last use is selected in the
                                 // dialog's list; typing into the focused field would drop
                                 // that selection, which the offscreen window never focuses.
                                 dialog->findChild<QListView*>("listView")->clearSelection();
                                 dialog->findChild<QLineEdit*>("fileNameEdit")
                                     ->setText(QString::fromStdString(*answer.typed));
                                 dialog->findChild<QDialogButtonBox*>("buttonBox")
                                     ->button(QDialogButtonBox::Save)
                                     ->click();
                                 if (answer.thenMeanwhile)
                                     answer.thenMeanwhile();
                             });
    EXPECT_TRUE(answered) << "no save dialog came up";
    return run;
}

} // namespace

// ---- New and Save ----------------------------------------------------------------------------

TEST_F(FileCommands, BothNewCommandsWriteTheHeaderAndRereadTheList) {
    writeFile("a.cs");
    enterListing();
    struct Case {
        QAction* command;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {SDIAppForm->FileNew1, kHeader},
        {SDIAppForm->New1, kHeader + "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command->text().toStdString());
        writeFile("new.cs", "old content that is longer than the header, to be cut off entirely"
                            "..................................................................."
                            "...................................................................");
        select("a.cs");
        const SaveRun run = withSaveDialog(c.command, {path("new.cs")});
        EXPECT_TRUE(run.boxes.empty()); // an existing file is replaced without a question
        EXPECT_EQ(readFile("new.cs"), c.bytes);
        EXPECT_EQ(list()->entries(), (Names{"a.cs", "new.cs"}));
        EXPECT_EQ(list()->fileName(), "");
        EXPECT_EQ(qf::platform::currentDirectory(), root());
    }
    // The caption keeps the file last clicked; the new file is not selected.
    EXPECT_EQ(SDIAppForm->windowTitle(), QString::fromStdString("Quillfen - " + path("a.cs")));
}

TEST_F(FileCommands, NewUsesTheNameAsTypedWithoutAddingAnExtension) {
    makeDir("elsewhere");
    enterListing();
    withSaveDialog(SDIAppForm->FileNew1, {path("test")});
    EXPECT_EQ(readFile("test"), kHeader);
    // A file outside the list's directory does not show, and the list stays where it was.
    withSaveDialog(SDIAppForm->FileNew1, {path("elsewhere/x.cs")});
    EXPECT_EQ(readFile("elsewhere/x.cs"), kHeader);
    EXPECT_EQ(list()->directory(), root());
    EXPECT_EQ(list()->entries(), Names{});
}

TEST_F(FileCommands, SaveWritesNothingButItsNameAndFilterAreOfferedNext) {
    writeFile("a.cs");
    enterListing();
    select("a.cs");
    const SaveRun first = withSaveDialog(SDIAppForm->FileSave1, {path("saved.cs")},
                                         QStringLiteral("Text Files (*.txt)"));
    EXPECT_EQ(first.offeredFilter, "CS Files (*.cs)");
    EXPECT_FALSE(exists("saved.cs"));
    EXPECT_EQ(list()->fileName(), path("a.cs")); // nothing re-read

    // A cancelled use changes neither the name nor the filter.
    const SaveRun cancelled = withSaveDialog(SDIAppForm->New1, {std::nullopt});
    EXPECT_EQ(cancelled.offeredName, QString::fromStdString(path("saved.cs")));
    EXPECT_EQ(cancelled.offeredFilter, "Text Files (*.txt)");
    EXPECT_FALSE(exists("saved.cs"));
    EXPECT_EQ(list()->fileName(), path("a.cs"));
    EXPECT_EQ(SDIAppForm->SaveDialog->fileName(), path("saved.cs"));

    // Confirming the offered name as it stands creates that file.
    const SaveRun next = withSaveDialog(SDIAppForm->FileNew1, {path("saved.cs")});
    EXPECT_EQ(next.offeredName, QString::fromStdString(path("saved.cs")));
    EXPECT_EQ(readFile("saved.cs"), kHeader);
}

TEST_F(FileCommands, PathsLongerThanTheDialogTakesAreRefusedAsACancel) {
    enterListing();
    const std::string fits = root() + "/" + std::string(255 - root().size(), 'f') + ".cs";
    ASSERT_EQ(fits.size(), qf::platform::SaveDialog::maxPathLength);
    withSaveDialog(SDIAppForm->FileNew1, {fits});
    EXPECT_TRUE(std::filesystem::exists(fits));
    const std::string tooLong = root() + "/" + std::string(256 - root().size(), 'g') + ".cs";
    withSaveDialog(SDIAppForm->FileNew1, {tooLong});
    EXPECT_FALSE(std::filesystem::exists(tooLong));
    EXPECT_EQ(SDIAppForm->SaveDialog->fileName(), fits);
}

TEST_F(FileCommands, NewThatCannotWriteShowsTheErrorAndRereadsNothing) {
    writeFile("a.cs");
    enterListing();
    struct Case {
        const char* name;
        std::string typed;
        std::function<void()> meanwhile;
        QString text;
    };
    const std::vector<Case> cases = {
        {"missing folder", path("missing/x.cs"), {}, "Invalid filename."},
        // The name became a directory after the dialog had taken it.
        {"a directory", path("dir.cs"), [this] { makeDir("dir.cs"); }, "File access denied."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        select("a.cs");
        const SaveRun run = withSaveDialog(SDIAppForm->FileNew1, {c.typed, c.meanwhile});
        ASSERT_EQ(run.boxes.size(), 1u);
        EXPECT_EQ(run.boxes[0].text, c.text);
        EXPECT_EQ(run.boxes[0].title, "Quillfen");
        EXPECT_EQ(list()->fileName(), path("a.cs")); // the list was not re-read
    }
}

TEST_F(FileCommands, NewOnAReadOnlyFileIsAccessDeniedAndKeepsTheFile) {
    if (!permissionsBite())
        GTEST_SKIP() << "cannot take an unprivileged user's identity here";
    writeFile("locked.cs", "keep");
    ASSERT_EQ(::chmod(path("locked.cs").c_str(), 0444), 0);
    enterListing();
    const SaveRun run = withSaveDialog(SDIAppForm->New1, {path("locked.cs")});
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, "File access denied.");
    EXPECT_EQ(readFile("locked.cs"), "keep");
}

// ---- Edit ------------------------------------------------------------------------------------

class EditCommand : public FileCommands {
protected:
    void SetUp() override {
        FileCommands::SetUp();
        qf::test::writeRecordingProgram(path("durirudo"), path("record"));
    }
    std::optional<qf::test::StartRecord> editAndWait() {
        std::filesystem::remove(path("record"));
        const auto boxes = answeringBoxes([] { SDIAppForm->Edit43->click(); });
        EXPECT_TRUE(boxes.empty());
        return qf::test::waitForRecord(path("record"));
    }
};

TEST_F(EditCommand, TheEditorGetsThePathAsOneArgumentAndRunsInTheStartDirectory) {
    const Names names = {"my mission.cs", "a \"quoted\" name.cs", "$HOME;ls`id`.cs",
                         "-leading-dash.cs"};
    for (const std::string& name : names) {
        writeFile(name);
        writeFile("other/" + name);
    }
    enterListing();
    ASSERT_EQ(StartDirectory, root());
    for (const char* where : {"", "other"}) {
        const std::string dir = *where ? path(where) : root();
        SCOPED_TRACE(dir);
        browseTo(dir);
        for (const std::string& name : names) {
            SCOPED_TRACE(name);
            select(name);
            const auto record = editAndWait();
            ASSERT_TRUE(record);
            EXPECT_EQ(record->arguments, Names{joined(dir, name)});
            EXPECT_EQ(record->workingDirectory, root());
            // The list is back on its own directory, which is current again; only a list that
            // had to move lost its selection.
            EXPECT_EQ(list()->directory(), dir);
            EXPECT_EQ(qf::platform::currentDirectory(), dir);
            EXPECT_EQ(list()->fileName(), *where ? "" : joined(dir, name));
        }
    }
}

TEST_F(EditCommand, NoSelectionGivesAnEmptyArgument) {
    writeFile("a.cs");
    enterListing();
    select("a.cs");
    SDIAppForm->Refresh1->trigger();
    ASSERT_EQ(list()->fileName(), "");
    ASSERT_TRUE(SDIAppForm->Edit43->isEnabled());
    QTest::mouseClick(SDIAppForm->Edit43, Qt::LeftButton);
    const auto record = qf::test::waitForRecord(path("record"));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->arguments, Names{""});
}

TEST_F(EditCommand, ADoubleClickAndThePopupItemStartTheEditorOnTheFile) {
    writeFile("a.cs");
    writeFile("b.cs");
    enterListing();
    SDIAppForm->TabbedNotebook1->setCurrentIndex(1);
    const QModelIndex second = list()->model()->index(1, 0);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, list()->visualRect(second).center());
    auto record = qf::test::waitForRecord(path("record"));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->arguments, Names{path("b.cs")});

    std::filesystem::remove(path("record"));
    select("a.cs");
    SDIAppForm->Edit2->trigger();
    record = qf::test::waitForRecord(path("record"));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->arguments, Names{path("a.cs")});
}

TEST_F(FileCommands, WithoutAnEditorEditIsSilentAndTheListComesBack) {
    writeFile("other/a.cs");
    enterListing();
    browseTo(path("other"));
    select("a.cs");
    ::setenv("PATH", "/nonexistent", 1);
    const auto boxes = answeringBoxes([] { SDIAppForm->Edit43->click(); });
    ::setenv("PATH", "/usr/local/bin:/usr/bin:/bin", 1);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(list()->directory(), path("other"));
    EXPECT_EQ(qf::platform::currentDirectory(), path("other"));
}

TEST_F(FileCommands, EditFromAGoneStartDirectoryShowsTheErrorAndStartsNothing) {
    makeDir("start");
    writeFile("other/a.cs");
    qf::test::writeRecordingProgram(path("start/durirudo"), path("record"));
    makeDir("start/Data");
    startIn("start");
    enterMainWindow();
    browseTo(path("other"));
    select("a.cs");
    std::filesystem::remove_all(path("start"));
    const auto boxes = answeringBoxes([] { SDIAppForm->Edit43->click(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "File not found.");
    EXPECT_EQ(list()->directory(), path("other"));
    EXPECT_EQ(list()->fileName(), path("other/a.cs"));
    EXPECT_FALSE(exists("record"));
}

TEST_F(EditCommand, AGoneListDirectoryStillStartsTheEditorAndLeavesTheListAtTheStart) {
    writeFile("other/a.cs");
    enterListing();
    browseTo(path("other"));
    select("a.cs");
    ASSERT_EQ(::chdir(root().c_str()), 0);
    std::filesystem::remove_all(path("other"));
    std::vector<BoxSeen> boxes = answeringBoxes([] { SDIAppForm->Edit43->click(); });
    const auto record = qf::test::waitForRecord(path("record"));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->arguments, Names{path("other/a.cs")});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "File not found.");
    EXPECT_EQ(list()->directory(), root());
    EXPECT_EQ(qf::platform::currentDirectory(), root());
}

// ---- Delete ----------------------------------------------------------------------------------

TEST_F(FileCommands, DeleteAsksAndRemovesOnlyOnYesRereadingTheListEitherWay) {
    writeFile("a.cs");
    writeFile("b.cs");
    enterListing();
    select("a.cs");
    auto boxes = answeringBoxes([] { SDIAppForm->Delete1->trigger(); }, QMessageBox::No);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Confirm Delete");
    EXPECT_EQ(boxes[0].text.toStdString(),
              "Are you sure that you want to delete this file?\r\r" + path("a.cs"));
    EXPECT_EQ(boxes[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(exists("a.cs"));
    EXPECT_EQ(list()->fileName(), "");

    select("a.cs");
    boxes = answeringBoxes([] { SDIAppForm->Delete1->trigger(); }, QMessageBox::Yes);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(exists("a.cs"));
    EXPECT_EQ(list()->entries(), Names{"b.cs"});
    EXPECT_EQ(list()->fileName(), "");

    // Nothing selected now: the question names no file and Yes deletes nothing, silently.
    boxes = answeringBoxes([] { SDIAppForm->Delete1->trigger(); }, QMessageBox::Yes);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text.toStdString(), "Are you sure that you want to delete this file?\r\r");
    EXPECT_EQ(list()->entries(), Names{"b.cs"});
}

TEST_F(FileCommands, DeletingALinkedFileRemovesTheLinkNotItsTarget) {
    writeFile("target/t.cs", "keep");
    enterListing();
    ASSERT_EQ(::symlink(path("target/t.cs").c_str(), path("link.cs").c_str()), 0);
    SDIAppForm->Refresh1->trigger();
    select("link.cs");
    answeringBoxes([] { SDIAppForm->Delete1->trigger(); }, QMessageBox::Yes);
    EXPECT_FALSE(exists("link.cs"));
    EXPECT_EQ(readFile("target/t.cs"), "keep");
}

// ---- Rename ----------------------------------------------------------------------------------

class RenameCommand : public FileCommands {
protected:
    static void renameTo(const QString& typed) {
        SDIAppForm->Rename1->trigger();
        ASSERT_TRUE(Form1->isVisible());
        Form1->Edit2->setText(typed);
        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
    }
};

TEST_F(RenameCommand, OkRenamesInTheTreesDirectoryRereadsAndHides) {
    writeFile("a.cs");
    writeFile("b.cs", "B");
    makeDir("sub");
    enterListing();
    struct Case {
        const char* typed;
        std::vector<std::string> onDisk; // relative paths expected to exist afterwards
        Names listed;
    };
    const std::vector<Case> cases = {
        {"c.cs", {"c.cs", "b.cs"}, {"b.cs", "c.cs"}},
        {"b.cs", {"c.cs", "b.cs"}, {"b.cs", "c.cs"}}, // the existing file keeps its content
        {"", {"c.cs", "b.cs"}, {"b.cs", "c.cs"}},
        {"sub", {"c.cs", "b.cs"}, {"b.cs", "c.cs"}}, // a directory is no target either
        {"c.txt", {"c.txt", "b.cs"}, {"b.cs"}},      // out of the mask: drops out of the list
    };
    std::string selected = "a.cs";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SDIAppForm->Refresh1->trigger();
        if (exists("c.cs"))
            selected = "c.cs";
        select(selected);
        renameTo(QString::fromUtf8(c.typed));
        EXPECT_FALSE(Form1->isVisible());
        for (const std::string& name : c.onDisk)
            EXPECT_TRUE(exists(name)) << name;
        EXPECT_EQ(list()->entries(), c.listed);
        EXPECT_EQ(list()->fileName(), "");
        EXPECT_EQ(readFile("b.cs"), "B");
    }
    EXPECT_FALSE(exists("a.cs"));
    EXPECT_FALSE(exists("c.cs"));
}

TEST_F(RenameCommand, ANameWithDotsMovesTheFileToTheParent) {
    writeFile("sub/a.cs", "A");
    enterListing();
    browseTo(path("sub"));
    select("a.cs");
    renameTo("../moved.cs");
    EXPECT_EQ(readFile("moved.cs"), "A");
    EXPECT_FALSE(exists("sub/a.cs"));
    EXPECT_EQ(list()->entries(), Names{});
}

TEST_F(RenameCommand, TheWindowKeepsItsTextAndAnswersEnterAndEscape) {
    writeFile("a.cs");
    enterListing();
    select("a.cs");
    SDIAppForm->Rename1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    QTRY_VERIFY(Form1->Edit2->hasFocus());
    QTest::keyClicks(Form1->Edit2, "typed.cs");
    QTest::keyClick(Form1->Edit2, Qt::Key_Escape);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(exists("a.cs"));

    SDIAppForm->Rename1->trigger();
    EXPECT_EQ(Form1->Edit2->text(), "typed.cs");
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    QTest::keyClick(Form1->Edit2, Qt::Key_Return);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(exists("typed.cs"));
    EXPECT_FALSE(exists("a.cs"));
}

// ---- Create Directory ------------------------------------------------------------------------

class CreateDirectoryCommand : public FileCommands {
protected:
    static std::vector<BoxSeen> create(const QString& typed) {
        SDIAppForm->CreateDirectory1->trigger();
        EXPECT_TRUE(CreateDirect->isVisible());
        CreateDirect->Edit1->setText(typed);
        return answeringBoxes(
            [] { QTest::mouseClick(CreateDirect->SpeedButton1, Qt::LeftButton); });
    }
};

TEST_F(CreateDirectoryCommand, CreatesInTheTreesDirectoryOrShowsTheErrorAndStaysOpen) {
    makeDir("existing");
    enterListing();
    struct Case {
        const char* typed;
        QString error; // empty: created, and the window hides
    };
    const std::vector<Case> cases = {
        {"new", {}},
        {"existing", "I/O error 183."},
        {"", "I/O error 183."},
        {"missing/child", "Invalid filename."},
        {"existing/child", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const auto boxes = create(QString::fromUtf8(c.typed));
        if (c.error.isEmpty()) {
            EXPECT_TRUE(boxes.empty());
            EXPECT_TRUE(std::filesystem::is_directory(path(c.typed)));
            EXPECT_FALSE(CreateDirect->isVisible());
        } else {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, c.error);
            EXPECT_TRUE(CreateDirect->isVisible());
            EXPECT_EQ(CreateDirect->Edit1->text(), QString::fromUtf8(c.typed));
        }
    }
    // Shown again, it still holds the last name.
    CreateDirect->hide();
    SDIAppForm->CreateDirectory1->trigger();
    EXPECT_EQ(CreateDirect->Edit1->text(), "existing/child");
}

TEST_F(CreateDirectoryCommand, EnterAndEscapeDoNothingAndTheButtonLeavesTheFocusInTheField) {
    enterListing();
    SDIAppForm->CreateDirectory1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(CreateDirect));
    QTRY_VERIFY(CreateDirect->Edit1->hasFocus());
    QTest::keyClicks(CreateDirect->Edit1, "made");
    QTest::keyClick(CreateDirect->Edit1, Qt::Key_Return);
    QTest::keyClick(CreateDirect->Edit1, Qt::Key_Escape);
    EXPECT_TRUE(CreateDirect->isVisible());
    EXPECT_FALSE(exists("made"));
    EXPECT_EQ(CreateDirect->SpeedButton1->focusPolicy(), Qt::NoFocus);
    CreateDirect->close(); // the close box hides it
    EXPECT_FALSE(CreateDirect->isVisible());
    EXPECT_EQ(CreateDirect->Edit1->text(), "made");
}

// ---- The two windows -------------------------------------------------------------------------

TEST_F(FileCommands, RenameAndCreateDirectoryAreDialogsOfTheMainWindowAtTheirDesignPlaces) {
    enterListing();
    struct Case {
        QWidget* window;
        QString caption;
        QPoint place;
        QSize client;
    };
    for (const Case& c : {Case{Form1, "Rename", {192, 110}, {397, 93}},
                          Case{CreateDirect, "Create Directory", {280, 164}, {313, 63}}}) {
        SCOPED_TRACE(c.caption.toStdString());
        EXPECT_EQ(c.window->parentWidget(), SDIAppForm);
        EXPECT_EQ(c.window->windowType(), Qt::Dialog);
        EXPECT_EQ(c.window->windowTitle(), c.caption);
        EXPECT_EQ(c.window->pos(), c.place);
        EXPECT_EQ(c.window->size(), c.client);
        EXPECT_FALSE(c.window->isVisible());
    }
    EXPECT_EQ(Form1->Edit2->geometry(), QRect(104, 28, 273, 21));
    EXPECT_EQ(Form1->Button1->text(), "OK");
    EXPECT_TRUE(Form1->Button1->isDefault());
    EXPECT_EQ(Form1->Button2->text(), "Cancel");
    EXPECT_EQ(Form1->GroupBox1->title(), " Rename a file : ");
    EXPECT_EQ(CreateDirect->SpeedButton1->text(), "Create!");
    EXPECT_EQ(CreateDirect->Edit1->geometry(), QRect(8, 32, 201, 21));
}

// ---- Explore ---------------------------------------------------------------------------------

namespace {

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

} // namespace

TEST_F(FileCommands, ExploreOpensTheTreesDirectory) {
    makeDir("sub");
    enterListing();
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    browseTo(path("sub"));
    SDIAppForm->ExploreinWindowsExplorer1->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(recorder.opened.size(), 1u);
    EXPECT_EQ(recorder.opened[0], QUrl::fromLocalFile(QString::fromStdString(path("sub"))));
}

#include "FileCommandsTest.moc"
