#include "platform/SaveDialog.h"

#include "platform/DisplayText.h"

#include <QFileDialog>
#include <QStringList>
#include <algorithm>

namespace qf::platform {

namespace {

const QStringList& filters() {
    static const QStringList list = {QStringLiteral("CS Files (*.cs)"),
                                     QStringLiteral("Vol Files (*.vol)"),
                                     QStringLiteral("Text Files (*.txt)")};
    return list;
}

} // namespace

SaveDialog::SaveDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

bool SaveDialog::execute() {
    // Qt's own dialog rather than the desktop's: it behaves the same everywhere and a test can
    // drive it.
    QFileDialog dialog(owner_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters());
    dialog.selectNameFilter(filters().at(filterIndex_ - 1));
    if (!fileName_.empty())
        dialog.selectFile(toDisplay(fileName_));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const std::string chosen = fromTyped(dialog.selectedFiles().front());
    if (chosen.size() > maxPathLength)
        return false;
    fileName_ = chosen;
    filterIndex_ =
        std::max(1, static_cast<int>(filters().indexOf(dialog.selectedNameFilter())) + 1);
    return true;
}

} // namespace qf::platform
