#include "platform/ShortcutDispatcher.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QVariant>
#include <QWidget>

namespace qf::platform {

namespace {

constexpr const char* kShortcut = "qfShortcut";

// Qt reports a hidden action as disabled; the item's own enabled state is what the lookup needs.
bool itemEnabled(QAction* item) {
    if (item->isVisible())
        return item->isEnabled();
    item->setVisible(true);
    const bool enabled = item->isEnabled();
    item->setVisible(false);
    return enabled;
}

struct Found {
    QAction* item = nullptr;
    bool chainEnabled = false;
};

// Depth first in menu order; an item counts as chosen only when it and every menu above it are
// enabled.
Found findInMenu(const QList<QAction*>& items, const QKeySequence& key, bool parentsEnabled) {
    for (QAction* item : items) {
        const bool enabled = parentsEnabled && itemEnabled(item);
        if (!item->isSeparator() && ShortcutDispatcher::shortcutOf(item) == key)
            return {item, enabled};
        if (QMenu* sub = item->menu()) {
            if (Found found = findInMenu(sub->actions(), key, enabled); found.item)
                return found;
        }
    }
    return {};
}

} // namespace

ShortcutDispatcher::ShortcutDispatcher(QWidget* window, QMenuBar* mainMenu)
    : QObject(window), window_(window), mainMenu_(mainMenu) {
    qApp->installEventFilter(this);
}

void ShortcutDispatcher::addAction(QAction* action) {
    actions_.push_back(action);
}

void ShortcutDispatcher::setShortcut(QAction* item, const QKeySequence& key) {
    item->setProperty(kShortcut, QVariant::fromValue(key));
    // A tab in the caption is where menus draw the shortcut text; Qt's own matching never
    // sees the key.
    const QString caption = item->text().section(QLatin1Char('\t'), 0, 0);
    item->setText(caption + QLatin1Char('\t') + key.toString(QKeySequence::NativeText));
}

QKeySequence ShortcutDispatcher::shortcutOf(const QAction* item) {
    return item->property(kShortcut).value<QKeySequence>();
}

bool ShortcutDispatcher::dispatch(QKeyCombination key) {
    const QKeySequence sequence(key);
    if (Found found = findInMenu(mainMenu_->actions(), sequence, true); found.item) {
        if (found.chainEnabled) {
            if (updateAction)
                updateAction(found.item);
            if (itemEnabled(found.item))
                found.item->trigger();
        }
        return true;
    }
    for (QAction* action : actions_) {
        if (shortcutOf(action) != sequence)
            continue;
        if (!action->isEnabled())
            return false;
        if (updateAction)
            updateAction(action);
        if (action->isEnabled())
            action->trigger();
        return true;
    }
    return false;
}

bool ShortcutDispatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const auto modifiers = keyEvent->modifiers() & ~Qt::KeypadModifier;
    if (keyEvent->key() == Qt::Key_unknown || keyEvent->key() == 0)
        return false;
    // The commands a key runs are guarded where they are bound, so nothing escapes here.
    return dispatch(QKeyCombination(modifiers, Qt::Key(keyEvent->key())));
}

} // namespace qf::platform
