#include "platform/ConfirmBox.h"

#include "platform/DisplayText.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace qf::platform {

namespace {

// QMessageBox would make No its escape button, answering the box on Escape or the close box.
class YesNoBox : public QMessageBox {
public:
    YesNoBox(const QString& text, const QString& caption)
        : QMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No) {
        setDefaultButton(QMessageBox::Yes);
        setWindowModality(Qt::ApplicationModal);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel))
            return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

bool askYesNo(const std::string& text, const std::string& caption) {
    YesNoBox box(toDisplay(text), toDisplay(caption));
    return box.exec() == QMessageBox::Yes;
}

} // namespace qf::platform
