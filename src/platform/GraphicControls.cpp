#include "platform/GraphicControls.h"

#include "platform/ErrorBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace qf::platform {

Picture::Picture(QWidget* parent, QImage image, bool stretch)
    : QWidget(parent), image_(std::move(image)), stretch_(stretch) {}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (stretch_)
        painter.drawImage(rect(), image_);
    else
        painter.drawImage(0, 0, image_);
}

void Picture::mousePressEvent(QMouseEvent* event) {
    leftPressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = leftPressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    leftPressed_ = false;
    event->accept();
    if (click && onClick)
        guarded(onClick);
}

Shape::Shape(QWidget* parent, QColor fill, QColor outline)
    : QWidget(parent), fill_(fill), outline_(outline) {}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    painter.setPen(outline_);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Shape::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (onMouseDown)
        guarded(onMouseDown);
}

Bevel::Bevel(QWidget* parent) : QWidget(parent) {}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 1, width() - 1, 1);
}

void Bevel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace qf::platform
