#pragma once

#include <QListView>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qf::platform {

// The file list: the ordinary files of one directory that match a list of masks, sorted
// ignoring case, duplicates kept. All paths are native byte strings.
class FileListBox : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);
    ~FileListBox() override;

    // Full path of the selected entry, or empty when none is selected.
    std::string fileName() const;
    // Switches the list to the directory at path; raises IoError when it cannot be entered.
    void setFileName(const std::string& path);

    const std::string& directory() const;
    const std::string& mask() const;
    // Re-reads the list when the text differs from the current mask in any byte.
    void setMask(const std::string& mask);

    // Re-reads the entries from the directory (makes it current first). Raises IoError.
    void rereadList();
    // Repaints; nothing is re-read.
    void refresh();

    // The entries as listed, for callers that need the names.
    const std::vector<std::string>& entries() const;

    // Bound by the window: the user changed the selection (click or keys), or double-clicked.
    std::function<void()> onClick;
    std::function<void()> onDblClick;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace qf::platform
