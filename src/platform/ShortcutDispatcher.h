#pragma once

#include <QKeySequence>
#include <QObject>
#include <functional>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace qf::platform {

// The window's shortcut keys, looked up in a fixed order instead of by Qt's shortcut map: the
// main menu depth first (hidden and disabled items included; a disabled item uses the key up),
// then the action list (a disabled action lets the key pass on to the focused control).
class ShortcutDispatcher : public QObject {
    Q_OBJECT
public:
    ShortcutDispatcher(QWidget* window, QMenuBar* mainMenu);

    // Appends an action to the action list.
    void addAction(QAction* action);

    // Gives a menu item or action its shortcut and shows it beside the caption in menus.
    static void setShortcut(QAction* item, const QKeySequence& key);
    static QKeySequence shortcutOf(const QAction* item);

    // Brings an action's enabled state up to date before it is executed.
    std::function<void(QAction*)> updateAction;

    // Looks the key up and carries it out; true when the key is used up.
    bool dispatch(QKeyCombination key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QMenuBar* mainMenu_;
    std::vector<QAction*> actions_;
};

} // namespace qf::platform
