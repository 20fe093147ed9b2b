// Delete, rename, create directory and explore: housekeeping on the browser's picks.
#include "forms/Sdimain.h"
#include "forms/createdir.h"
#include "forms/renamer.h"
#include "platform/ConfirmBox.h"
#include "platform/DirectoryOutline.h"
#include "platform/Explore.h"
#include "platform/FileListBox.h"
#include "platform/host/FileOps.h"

namespace {

void bringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void TSDIAppForm::Delete1Click() {
    const std::string question =
        "Are you sure that you want to delete this file?\r\r" + FileListBox1->fileName();
    // Every failure is silent, and the list is read again whatever the answer.
    if (qf::platform::askYesNo(question, "Confirm Delete"))
        qf::platform::removeFile(FileListBox1->fileName());
    FileListBox1->rereadList();
}

void TSDIAppForm::Rename1Click() {
    bringUp(Form1);
}

void TSDIAppForm::CreateDirectory1Click() {
    bringUp(CreateDirect);
}

void TSDIAppForm::ExploreinWindowsExplorer1Click() {
    qf::platform::exploreDirectory(DirectoryOutline1->directory());
}
