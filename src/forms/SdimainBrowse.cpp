// The browser chain of the main window: drive selector -> tree -> file list. The handlers call
// each other through the controls' callbacks, so a failure anywhere ends the whole chain in the
// one guard of the user's event.
#include "forms/Sdimain.h"
#include "platform/DirectoryOutline.h"
#include "platform/DisplayText.h"
#include "platform/DriveComboBox.h"
#include "platform/FileListBox.h"
#include "platform/TabbedNotebook.h"

#include <QAction>
#include <QToolButton>

void TSDIAppForm::DriveComboBox1Change() {
    DirectoryOutline1->setDrive(DriveComboBox1->drive());
}

void TSDIAppForm::DirectoryOutline1Change() {
    FileListBox1->setFileName(DirectoryOutline1->directory());
}

void TSDIAppForm::FileListBox1Click() {
    Preview1->setEnabled(true);
    Edit43->setEnabled(true);
    Edit2->setEnabled(true);
    Delete1->setEnabled(true);
    Rename1->setEnabled(true);
    ToolButton6->setEnabled(true);
    setWindowTitle(QStringLiteral("Quillfen - ") +
                   qf::platform::toDisplay(FileListBox1->fileName()));
}

void TSDIAppForm::FormResize() {
    const int notebookHeight = TabbedNotebook1->height();
    DirectoryOutline1->resize(DirectoryOutline1->width(), notebookHeight - 52);
    FileListBox1->resize(FileListBox1->width(), notebookHeight - 30);
}

void TSDIAppForm::Refresh1Click() {
    DirectoryOutline1->refresh();
    DirectoryOutline1->paintPending();
    FileListBox1->refresh();
    FileListBox1->rereadList();
}
