#pragma once

#include <QAbstractScrollArea>
#include <functional>
#include <memory>
#include <string>

namespace qf::platform {

// The directory tree of one drive: one root node, each level read on its first expansion.
class DirectoryOutline : public QAbstractScrollArea {
    Q_OBJECT
public:
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

    // Bound by the window: the tree's directory changed.
    std::function<void()> onChange;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace qf::platform
