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

} // namespace qf::platform
