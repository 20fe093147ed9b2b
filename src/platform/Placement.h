#pragma once

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

} // namespace qf::platform
