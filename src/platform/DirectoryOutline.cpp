#include "platform/DirectoryOutline.h"

namespace qf::platform {

// Placeholder until the tree is built: keeps the window compiling.
struct DirectoryOutline::State {
    std::string drive;
    std::string directory;
};

DirectoryOutline::DirectoryOutline(QWidget* parent)
    : QAbstractScrollArea(parent), state_(std::make_unique<State>()) {}
DirectoryOutline::~DirectoryOutline() = default;
const std::string& DirectoryOutline::drive() const { return state_->drive; }
void DirectoryOutline::setDrive(const std::string&) {}
const std::string& DirectoryOutline::directory() const { return state_->directory; }
void DirectoryOutline::setDirectory(const std::string&) {}
void DirectoryOutline::refresh() { viewport()->update(); }
void DirectoryOutline::paintPending() { viewport()->repaint(); }

} // namespace qf::platform
