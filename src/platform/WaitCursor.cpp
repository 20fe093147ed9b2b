#include "platform/WaitCursor.h"

#include <QApplication>
#include <QCursor>

namespace qf::platform {

WaitCursor::~WaitCursor() {
    if (shown_)
        QApplication::restoreOverrideCursor();
}

void WaitCursor::show() {
    if (shown_)
        return;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    shown_ = true;
}

} // namespace qf::platform
