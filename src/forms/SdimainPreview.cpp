// Preview of the selected file in the preview pane.
#include "forms/PreviewCommand.h"
#include "forms/Sdimain.h"
#include "platform/FileListBox.h"
#include "platform/PreviewEdit.h"
#include "preview/CommentScan.h"

namespace qf::forms {

void previewFile(qf::platform::PreviewEdit& pane, const std::string& path) {
    // The colour of comment text: pure blue.
    static const QColor commentColour(0, 0, 255);
    pane.clear();
    pane.loadFromFile(path);
    pane.colourLineTails(qf::preview::commentStart, commentColour);
    pane.select(0, 0);
}

} // namespace qf::forms

// Both commands act on the file selected at this moment, or on an empty path when the list has
// lost its selection, which the load reports.
void TSDIAppForm::ToolButton6Click() {
    qf::forms::previewFile(*RichEdit1, FileListBox1->fileName());
}
void TSDIAppForm::Preview1Click() {
    qf::forms::previewFile(*RichEdit1, FileListBox1->fileName());
}
