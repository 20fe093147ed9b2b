#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace qf::platform {

// A picture drawn at its own size from the top-left corner (cut off at the bounds) or
// stretched over them. onClick runs for a left button pressed and released on it.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(QWidget* parent, QImage image, bool stretch);
    const QImage& image() const { return image_; }

    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
    bool stretch_;
    bool leftPressed_ = false;
};

// A filled rectangle with a 1-pixel outline. onMouseDown runs for any button pressed on it.
class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(QWidget* parent, QColor fill, QColor outline);

    std::function<void()> onMouseDown;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor fill_;
    QColor outline_;
};

// A lowered, etched line along the top edge of its bounds. It takes the mouse events that fall
// on it and does nothing with them.
class Bevel : public QWidget {
    Q_OBJECT
public:
    explicit Bevel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace qf::platform
