#pragma once

#include "platform/EditControl.h"

#include <QAbstractScrollArea>
#include <memory>
#include <string>

namespace qf::platform {

// Read-only text view that shows a file's bytes one character per byte, with comment stretches
// coloured. It keeps the bytes and a line index and draws only the visible lines.
class PreviewEdit : public QAbstractScrollArea, public EditControl {
    Q_OBJECT
public:
    explicit PreviewEdit(QWidget* parent = nullptr);
    ~PreviewEdit() override;

    void clear();
    // Replaces the content with the file's text (line breaks as CR LF). Raises
    // std::runtime_error("Cannot open file <path>") and leaves the view as it was on failure.
    void loadFromFile(const std::string& path);

    bool hasSelection() const override;
    void copySelection() override;
    void cutSelection() override;
    void pasteClipboard() override;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace qf::platform
