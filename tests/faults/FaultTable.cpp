#include "faults/FaultTable.h"

#include "forms/Sdimain.h"
#include "forms/renamer.h"
#include "platform/DirectoryOutline.h"
#include "platform/DisplayText.h"
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
#include <algorithm>
#include <filesystem>

namespace qf::test::faults {

namespace fs = std::filesystem;

namespace {

void answerSaveDialog(QFileDialog* dialog, const std::string& name) {
    // A name selected in the dialog's list would win over the typed one.
    dialog->findChild<QListView*>("listView")->clearSelection();
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(qf::platform::toDisplay(name));
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save)->click();
}

} // namespace

std::vector<std::string> FaultTable::runAnswering(const FaultRow& row) {
    std::vector<std::string> boxes;
    const auto steps = [&] {
        startIn();
        enterMainWindow();
        if (!row.masks.empty())
            list()->setMask(row.masks);
        row.act(*this);
    };
    handlingModals(steps, [&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes.push_back(qf::platform::fromTyped(box->text()));
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

std::string FaultTable::withRoot(std::string text) const {
    for (std::size_t at; (at = text.find("{root}")) != std::string::npos;)
        text.replace(at, 6, root());
    return text;
}

void FaultTable::checkDisk(const std::vector<OnDisk>& disk) {
    for (const OnDisk& want : disk) {
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
        case OnDisk::LargeFile:
            ASSERT_TRUE(fs::is_regular_file(status));
            EXPECT_EQ(fs::file_size(p), want.size);
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
}

void select(const std::string& name) {
    const auto& entries = FaultTable::list()->entries();
    const auto at = std::find(entries.begin(), entries.end(), name);
    ASSERT_NE(at, entries.end()) << name;
    FaultTable::clickEntry(static_cast<int>(at - entries.begin()));
    ASSERT_EQ(FaultTable::list()->fileName(), FaultTable::list()->directory() + "/" + name);
}

void renameTo(const std::string& typed) {
    SDIAppForm->Rename1->trigger();
    ASSERT_TRUE(Form1->isVisible());
    Form1->Edit2->setText(qf::platform::toDisplay(typed));
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);
}

void preview(const std::string& name) {
    select(name);
    SDIAppForm->Preview1->trigger();
}

void selectInTree(const std::string& dir) {
    SDIAppForm->TabbedNotebook1->setCurrentIndex(0);
    auto* tree = FaultTable::tree();
    QTest::keyClick(tree, Qt::Key_Plus);
    for (std::size_t steps = tree->rows().size(); steps > 0 && tree->directory() != dir; --steps)
        QTest::keyClick(tree, Qt::Key_Down);
    ASSERT_EQ(tree->directory(), dir);
}

qf::platform::PreviewEdit* pane() {
    return SDIAppForm->RichEdit1;
}

} // namespace qf::test::faults
