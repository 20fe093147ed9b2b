// The external script editor.
#include "forms/Sdimain.h"
#include "platform/FileListBox.h"
#include "platform/host/ProcessStart.h"

void TSDIAppForm::Edit43Click() {
    const std::string listDirectory = FileListBox1->directory();
    const std::string file = FileListBox1->fileName();
    // The editor is looked for, and runs, in the start-up directory: switching the list there
    // makes it the current directory for the moment of the start.
    FileListBox1->setFileName(StartDirectory);
    // A missing editor is not reported.
    qf::platform::startProgram("durirudo", file);
    FileListBox1->setFileName(listDirectory);
}

void TSDIAppForm::Edit2Click() {
    Edit43Click();
}

void TSDIAppForm::FileListBox1DblClick() {
    Edit43Click();
}
