#pragma once

#include <QObject>
#include <string>

class QWidget;

namespace qf::platform {

// The save-file dialog of the New and Save commands. Each confirmed use remembers the chosen
// path and filter entry and offers them at the next use; a cancelled use changes neither. It
// never asks before an existing file is chosen and appends no extension to a typed name.
class SaveDialog : public QObject {
    Q_OBJECT
public:
    // Longer paths are refused, as a cancelled use.
    static constexpr std::size_t maxPathLength = 259;

    explicit SaveDialog(QWidget* owner);

    // Shows the dialog, modal for the whole program; true when the user confirmed a name.
    bool execute();
    // The path last confirmed, as typed or picked; empty before the first confirmed use.
    const std::string& fileName() const { return fileName_; }
    // The filter entry last confirmed with, counting from 1 ("CS Files").
    int filterIndex() const { return filterIndex_; }

private:
    QWidget* owner_;
    std::string fileName_;
    int filterIndex_ = 1;
};

} // namespace qf::platform
