#include "platform/ErrorBox.h"

#include "platform/ApplicationTitle.h"
#include "platform/DisplayText.h"

#include <QMessageBox>
#include <exception>

namespace qf::platform {

std::string errorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

void showErrorBox(const std::string& message) {
    // Owned by no window and application-modal, so every window of the program is disabled
    // while it is up, whichever of them raised it.
    QMessageBox box(QMessageBox::Critical, toDisplay(applicationTitle()),
                    toDisplay(errorBoxText(message)), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        showErrorBox(e.what());
    }
}

} // namespace qf::platform
