#pragma once

class QRect;
class QWidget;

namespace qf::platform {

// Windows designed to open at the screen centre are centred at their first showing only;
// later showings leave them where they were.
class CentreOnFirstShow {
public:
    void apply(QWidget* window);

private:
    bool done_ = false;
};

// Places a dialog at its designed outer frame: the frame's left and top, and the client area
// left inside a 4-pixel border and a 19-pixel caption. The window system adds its own frame
// around that client area.
void placeAtDesignFrame(QWidget* window, const QRect& outerFrame);

} // namespace qf::platform
