#include "platform/HintTracker.h"

#include "platform/Hints.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QStatusBar>
#include <QWidget>

namespace qf::platform {

HintTracker::HintTracker(QWidget* window, QStatusBar* statusBar)
    : QObject(window), window_(window), statusBar_(statusBar) {
    // aboutToBlock is the moment the loop has nothing left to do. The step below must post no
    // event of its own when nothing changed, or the loop would never sleep.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &HintTracker::idle);
}

void HintTracker::trackMenu(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this,
            [this, menu] { showMenuHint(hintLongPart(hintOf(menu->menuAction()))); });
    // A menu opens only over its active window. Items of menus without hints (the popups)
    // clear the status bar.
    connect(menu, &QMenu::hovered, this,
            [this](QAction* item) { showMenuHint(hintLongPart(hintOf(item))); });
}

void HintTracker::idle() {
    if (onIdle)
        onIdle();
    // While a menu is open its highlighted item owns the status bar.
    if (QApplication::activePopupWidget())
        return;
    QString hint;
    for (QWidget* w = QApplication::widgetAt(QCursor::pos()); w; w = w->parentWidget()) {
        hint = hintOf(w);
        if (!hint.isEmpty() || w->isWindow())
            break;
    }
    const QString text = hintLongPart(hint);
    if (text == lastPointerHint_)
        return;
    lastPointerHint_ = text;
    show(text);
}

void HintTracker::show(const QString& text) {
    if (QApplication::activeWindow() != window_)
        return;
    showMenuHint(text);
}

void HintTracker::showMenuHint(const QString& text) {
    if (statusBar_->currentMessage() != text)
        statusBar_->showMessage(text);
}

} // namespace qf::platform
