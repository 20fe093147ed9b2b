#include "platform/FileListBox.h"

namespace qf::platform {

// Placeholder until the list is built: keeps the window compiling.
struct FileListBox::State {
    std::string directory;
    std::string mask;
    std::vector<std::string> entries;
};

FileListBox::FileListBox(QWidget* parent) : QListView(parent), state_(std::make_unique<State>()) {}
FileListBox::~FileListBox() = default;
std::string FileListBox::fileName() const { return {}; }
void FileListBox::setFileName(const std::string&) {}
const std::string& FileListBox::directory() const { return state_->directory; }
const std::string& FileListBox::mask() const { return state_->mask; }
void FileListBox::setMask(const std::string& mask) { state_->mask = mask; }
void FileListBox::rereadList() {}
void FileListBox::refresh() { viewport()->update(); }
const std::vector<std::string>& FileListBox::entries() const { return state_->entries; }

} // namespace qf::platform
