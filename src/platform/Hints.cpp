#include "platform/Hints.h"

#include <QAction>
#include <QVariant>
#include <QWidget>

namespace qf::platform {

namespace {
constexpr const char* kHint = "qfHint";
}

QString hintShortPart(const QString& hint) {
    return hint.section(QLatin1Char('|'), 0, 0);
}

QString hintLongPart(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QWidget* widget, const QString& hint) {
    widget->setProperty(kHint, hint);
}

QString hintOf(const QWidget* widget) {
    return widget->property(kHint).toString();
}

void setHint(QAction* item, const QString& hint) {
    item->setProperty(kHint, hint);
}

QString hintOf(const QAction* item) {
    return item->property(kHint).toString();
}

void setToolButtonHint(QWidget* button, const QString& hint) {
    setHint(button, hint);
    button->setToolTip(hintShortPart(hint));
    button->setToolTipDuration(2500);
}

} // namespace qf::platform
