#include "platform/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace qf::platform {

void CentreOnFirstShow::apply(QWidget* window) {
    if (done_)
        return;
    done_ = true;
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void placeAtDesignFrame(QWidget* window, const QRect& outerFrame) {
    constexpr int border = 4;
    constexpr int caption = 19;
    window->move(outerFrame.topLeft());
    window->resize(outerFrame.width() - 2 * border, outerFrame.height() - 2 * border - caption);
}

} // namespace qf::platform
