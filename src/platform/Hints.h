#pragma once

#include <QString>

class QAction;
class QWidget;

namespace qf::platform {

// A hint is "short|long": the short part is the tooltip, the long part the status-bar text;
// a hint without "|" serves as both.
QString hintShortPart(const QString& hint);
QString hintLongPart(const QString& hint);

void setHint(QWidget* widget, const QString& hint);
QString hintOf(const QWidget* widget);
void setHint(QAction* item, const QString& hint);
QString hintOf(const QAction* item);

// A tool button's hint also gives it its tooltip, shown for 2.5 s.
void setToolButtonHint(QWidget* button, const QString& hint);

} // namespace qf::platform
