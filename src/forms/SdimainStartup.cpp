// The main window's creation values and its one start-up tick.
#include "forms/FileMask.h"
#include "forms/Sdimain.h"
#include "platform/DisplayText.h"
#include "platform/FileListBox.h"
#include "settings/MaskFile.h"

#include <QAction>
#include <QLineEdit>
#include <QTimer>
#include <stdexcept>

bool FirstActivation = false;
std::string StartDirectory;

namespace {

// Sets the file list's masks from the settings file, or creates the file with its default and
// shows that default in the mask dialog too. Raises IoError, leaving the masks as they were.
void loadStartupMasks(TSDIAppForm& form) {
    const qf::settings::StartupMasks loaded = qf::settings::loadOrCreateMasks();
    form.FileListBox1->setMask(loaded.masks);
    if (loaded.created)
        Form2->Edit1->setText(qf::platform::toDisplay(loaded.masks));
}

} // namespace

void TSDIAppForm::FormCreate() {
    FirstActivation = true;
    StartDirectory = FileListBox1->directory();
}

void TSDIAppForm::FormActivate() {
    // The tick leaves the timer at interval 0, which means "never" here, while a Qt timer of
    // interval 0 would fire at every idle moment.
    if (Timer1->interval() == 0)
        return;
    Timer1->start();
    if (!Timer1->isActive())
        throw std::runtime_error("Not enough timers available");
}

void TSDIAppForm::Timer1Timer() {
    // Disarmed before the load: the error box of a failed load runs a loop of its own, in which
    // a live timer would tick again and raise a second box.
    Timer1->stop();
    Timer1->setInterval(0);
    loadStartupMasks(*this);
    if (FirstActivation) {
        setWindowState(Qt::WindowMaximized);
        for (QAction* item : {Delete1, Edit2, Preview1, Rename1})
            item->setEnabled(false);
    }
    FirstActivation = false;
}

void TSDIAppForm::Quicksetfilemask1Click() {
    // Brought to the front as it is; the field is not filled in anew.
    Form2->show();
    Form2->raise();
    Form2->activateWindow();
}
