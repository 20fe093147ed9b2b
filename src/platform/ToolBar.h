#pragma once

#include <QWidget>

class QAction;
class QIcon;
class QToolButton;

namespace qf::platform {

// A single row of standard (not flat) 23 x 22 buttons with etched lines along its top and
// bottom edges. Buttons are placed at their designed left positions.
class ToolBar : public QWidget {
    Q_OBJECT
public:
    explicit ToolBar(QWidget* parent = nullptr);

    QToolButton* addButton(int left, const QIcon& glyph);
    QToolButton* addActionButton(int left, QAction* action);
    QWidget* addSeparator(int left, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* placeButton(QToolButton* button, int left);
};

} // namespace qf::platform
