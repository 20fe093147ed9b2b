// Preview of the selected file in the preview pane.
#include "forms/Sdimain.h"
#include "platform/FileListBox.h"
#include "platform/PreviewEdit.h"
#include "preview/CommentScan.h"

namespace {

// The colour of comment text: pure blue.
const QColor kCommentColour(0, 0, 255);

// Both Preview commands: the pane is emptied first, so a file that cannot be opened leaves it
// empty while the error box reports it.
void previewSelectedFile(TSDIAppForm& form) {
    form.RichEdit1->clear();
    form.RichEdit1->loadFromFile(form.FileListBox1->fileName());
    form.RichEdit1->colourLineTails(qf::preview::commentStart, kCommentColour);
    form.RichEdit1->select(0, 0);
}

} // namespace

void TSDIAppForm::ToolButton6Click() {
    previewSelectedFile(*this);
}
void TSDIAppForm::Preview1Click() {
    previewSelectedFile(*this);
}
