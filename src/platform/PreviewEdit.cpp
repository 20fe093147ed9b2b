#include "platform/PreviewEdit.h"

namespace qf::platform {

// Placeholder until the view is built: keeps the window compiling.
struct PreviewEdit::State {};

PreviewEdit::PreviewEdit(QWidget* parent)
    : QAbstractScrollArea(parent), state_(std::make_unique<State>()) {}
PreviewEdit::~PreviewEdit() = default;
void PreviewEdit::clear() {}
void PreviewEdit::loadFromFile(const std::string&) {}
bool PreviewEdit::hasSelection() const { return false; }
void PreviewEdit::copySelection() {}
void PreviewEdit::cutSelection() {}
void PreviewEdit::pasteClipboard() {}

} // namespace qf::platform
