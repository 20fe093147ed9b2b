#pragma once

#include <QListView>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qf::platform {

class FileListModel;

// The file list: the ordinary files of one directory that match a list of masks, sorted
// ignoring case, duplicates kept. All paths are native byte strings. Constructed, it lists the
// process's current directory with the design mask "*.cs;*.txt;*.vol". The owner opens its
// context menu from customContextMenuRequested; a right click leaves the selection alone.
class FileListBox : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);
    ~FileListBox() override;

    // Full path of the selected entry, or empty when none is selected.
    std::string fileName() const;
    // Switches the list to the directory at path; raises IoError when it cannot be entered,
    // and the list then stays as it was. An empty path, or the directory already listed,
    // changes nothing.
    void setFileName(const std::string& path);

    const std::string& directory() const;
    const std::string& mask() const;
    // Re-reads the list when the text differs from the current mask in any byte.
    void setMask(const std::string& mask);

    // Re-reads the entries from the directory (makes it current first). Raises IoError; when
    // the directory cannot be entered the list keeps its entries.
    void rereadList();
    // Repaints; nothing is re-read.
    void refresh();

    // The entries as listed, for callers that need the names.
    const std::vector<std::string>& entries() const;

    // Bound by the window: the user changed the selection (click or keys), or double-clicked
    // an entry. Both run guarded: a failure shows the error box.
    std::function<void()> onClick;
    std::function<void()> onDblClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int selectedRow() const;
    // Runs a user's input step and reports a change of the selection it made.
    void reportingSelectionChange(const std::function<void()>& step);
    void runCallback(const std::function<void()>& callback);

    FileListModel* model_;
    std::string directory_;
    std::string mask_;
};

} // namespace qf::platform
