// New script from the header template, and Save, which shares the save dialog.
#include "forms/Sdimain.h"
#include "platform/DirectoryOutline.h"
#include "platform/FileListBox.h"
#include "platform/SaveDialog.h"
#include "platform/host/TextFile.h"

#include <array>

namespace {

constexpr std::array<const char*, 3> kHeader = {
    "// This script was created with Quillfen!",
    "// https://quillfen.example.org/",
    "// ---------------------------------------------------------------------",
};

qf::platform::SaveDialog& saveDialogOf(TSDIAppForm& form) {
    if (!form.SaveDialog)
        form.SaveDialog = new qf::platform::SaveDialog(&form);
    return *form.SaveDialog;
}

// Writes the header into the chosen file, replacing whatever it held, without asking. A failed
// step ends the command there and leaves the list and the tree as they were.
void writeNewScript(TSDIAppForm& form, bool withEmptyLine) {
    qf::platform::SaveDialog& dialog = saveDialogOf(form);
    if (!dialog.execute())
        return;
    qf::platform::TextWriter file(dialog.fileName());
    for (const char* line : kHeader)
        file.writeLine(line);
    if (withEmptyLine)
        file.writeLine({});
    file.close();
    form.FileListBox1->refresh();
    form.FileListBox1->rereadList();
    form.DirectoryOutline1->refresh();
    form.DirectoryOutline1->paintPending();
}

} // namespace

void TSDIAppForm::FileNew1Execute() {
    writeNewScript(*this, false);
}

void TSDIAppForm::New1Click() {
    writeNewScript(*this, true);
}

// Writes nothing; the name confirmed here is what the next New offers.
void TSDIAppForm::FileSave1Execute() {
    saveDialogOf(*this).execute();
}
