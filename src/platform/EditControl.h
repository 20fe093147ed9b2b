#pragma once

namespace qf::platform {

// An edit control that the standard Cut, Copy and Paste actions can target while it has the
// keyboard focus.
class EditControl {
public:
    virtual ~EditControl() = default;
    virtual bool hasSelection() const = 0;
    virtual void copySelection() = 0;
    virtual void cutSelection() = 0;
    virtual void pasteClipboard() = 0;
};

} // namespace qf::platform
