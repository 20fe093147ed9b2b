// The program entry: the application object, its title, the window set and the loop.
#include "Resources.h"
#include "forms/WindowSet.h"
#include "platform/ApplicationTitle.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a plugin message that tells a user nothing.
bool displayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fprintf(stderr, "quillfen: no graphical display found (DISPLAY and WAYLAND_DISPLAY "
                             "are unset).\nStart it from a desktop session, or under Xvfb with "
                             "xvfb-run quillfen.\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillfen"));
    // Lets Wayland compositors match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.quillfen"));
    QApplication::setQuitOnLastWindowClosed(false);
    qf::platform::setApplicationTitle("Quillfen");
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(qf::resources::picture(QStringLiteral("pictures/icon%1.png").arg(size)));
    QApplication::setWindowIcon(icon);

    qf::forms::createWindowSet();
    qf::forms::showMainForm();
    const int result = QApplication::exec();
    qf::forms::destroyWindowSet();
    return result;
}
