#include "platform/ToolBar.h"

#include <QPainter>
#include <QToolButton>

namespace qf::platform {

namespace {
// The etched edge and the border width stand between the bar's edge and its buttons.
constexpr int kInset = 3;
constexpr int kButtonTop = 2;
} // namespace

ToolBar::ToolBar(QWidget* parent) : QWidget(parent) {}

QToolButton* ToolBar::placeButton(QToolButton* button, int left) {
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(QSize(16, 16));
    button->setGeometry(left + 1, kInset + kButtonTop, 23, 22);
    return button;
}

QToolButton* ToolBar::addButton(int left, const QIcon& glyph) {
    auto* button = new QToolButton(this);
    button->setIcon(glyph);
    return placeButton(button, left);
}

QToolButton* ToolBar::addActionButton(int left, QAction* action) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    return placeButton(button, left);
}

QWidget* ToolBar::addSeparator(int left, int width) {
    auto* gap = new QWidget(this);
    gap->setGeometry(left + 1, kInset + kButtonTop, width, 22);
    return gap;
}

void ToolBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const int w = width() - 1;
    const int h = height() - 1;
    painter.setPen(dark);
    painter.drawLine(0, 0, w, 0);
    painter.drawLine(0, h - 1, w, h - 1);
    painter.setPen(light);
    painter.drawLine(0, 1, w, 1);
    painter.drawLine(0, h, w, h);
}

} // namespace qf::platform
