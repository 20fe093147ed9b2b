#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <vector>

namespace qf::test {

// What a message box showed when it came up.
struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Runs action; each message box that comes up meanwhile is recorded and answered with answer.
std::vector<BoxSeen> answeringBoxes(const std::function<void()>& action,
                                    QMessageBox::StandardButton answer = QMessageBox::Ok);

// Runs action; each modal window that comes up meanwhile is handed to handle, which must close
// it (or it is handed over again).
void handlingModals(const std::function<void()>& action,
                    const std::function<void(QWidget*)>& handle);

// While it lives, a modal window that comes up outside handlingModals/answeringBoxes is
// recorded and closed, so that a test fails instead of hanging on it.
class UnexpectedModals {
public:
    UnexpectedModals();
    ~UnexpectedModals();
    const std::vector<QString>& seen() const { return seen_; }

private:
    std::vector<QString> seen_;
    class QTimer* poll_;
};

} // namespace qf::test
