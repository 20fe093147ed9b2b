#pragma once

namespace qf::platform {

// The hourglass for a long step: shown from show() on, and the pointer in use before comes back
// when the step ends, also when it ends in an exception.
class WaitCursor {
public:
    WaitCursor() = default;
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void show();

private:
    bool shown_ = false;
};

} // namespace qf::platform
