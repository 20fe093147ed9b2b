#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QStatusBar;
class QWidget;

namespace qf::platform {

// The main window's idle step and its status-bar hints. Whenever the program has handled its
// pending messages it runs onIdle, then shows the long hint of the control under the pointer;
// a highlighted menu item shows its own. The status bar follows only while the window is active.
class HintTracker : public QObject {
    Q_OBJECT
public:
    HintTracker(QWidget* window, QStatusBar* statusBar);

    // Menu titles and items highlighted in these menus show their own hints.
    void trackMenu(QMenu* menu);

    std::function<void()> onIdle;

private:
    void idle();
    void show(const QString& text);
    void showMenuHint(const QString& text);

    QWidget* window_;
    QStatusBar* statusBar_;
    QString lastPointerHint_;
};

} // namespace qf::platform
