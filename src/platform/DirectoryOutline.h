#pragma once

#include "platform/DirectoryTree.h"
#include "platform/FileSystemPictures.h"

#include <QAbstractScrollArea>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qf::platform {

// The directory tree of one drive: one root node, each level read on its first expansion.
class DirectoryOutline : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Takes the current directory and its drive, and walks down to it.
    explicit DirectoryOutline(QWidget* parent = nullptr);
    ~DirectoryOutline() override;

    // Root path of the drive shown.
    const std::string& drive() const;
    // Shows the tree of the drive with that root and makes the root current. Raises IoError.
    void setDrive(const std::string& root);

    const std::string& directory() const;
    // Makes path the tree's directory and the current directory. Raises IoError.
    void setDirectory(const std::string& path);

    // Repaints later; nothing is re-read.
    void refresh();
    // Paints what is pending at once; nothing is re-read.
    void paintPending();

    // A row as it is drawn, top to bottom.
    struct Row {
        std::string path;
        int depth;
        FolderPicture picture;
        bool selected;
    };
    std::vector<Row> rows() const;

    // Bound by the window: the tree's directory changed.
    std::function<void()> onChange;

    static constexpr int rowHeight = 16;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct State;
    std::unique_ptr<State> state_;

    void build();
    void select(DirectoryTree::Node* node);
    void toggle(DirectoryTree::Node* node);
    void expand(DirectoryTree::Node* node);
    void collapse(DirectoryTree::Node* node);
    void expandAll(DirectoryTree::Node* node);
    int textWidth(DirectoryTree::Node* node) const;
    void rowsChanged();
    void updateScrollBars();
    void ensureVisible(int row);
    int rowAt(int y) const;
    int visibleRowCount() const;
    void reportChange();
};

} // namespace qf::platform
