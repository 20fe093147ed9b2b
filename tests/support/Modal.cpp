#include "support/Modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace qf::test {

namespace {
int handlingDepth = 0;
}

UnexpectedModals::UnexpectedModals() : poll_(new QTimer) {
    poll_->setInterval(50);
    QObject::connect(poll_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (handlingDepth > 0 || !modal || !modal->isVisible())
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen_.push_back(box ? box->text() : modal->windowTitle());
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    poll_->start();
}

UnexpectedModals::~UnexpectedModals() {
    delete poll_;
}

void handlingModals(const std::function<void()>& action,
                    const std::function<void(QWidget*)>& handle) {
    // The modal window runs its own event loop, in which this timer keeps firing.
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible())
            handle(modal);
    });
    poll.start();
    ++handlingDepth;
    action();
    --handlingDepth;
    poll.stop();
}

std::vector<BoxSeen> answeringBoxes(const std::function<void()>& action,
                                    QMessageBox::StandardButton answer) {
    std::vector<BoxSeen> seen;
    handlingModals(action, [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return;
        seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        if (QAbstractButton* button = box->button(answer))
            button->click();
        else
            box->done(0);
    });
    return seen;
}

} // namespace qf::test
