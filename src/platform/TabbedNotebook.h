#pragma once

#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace qf::platform {

// A notebook of pages under a row of tabs, with the page area at a fixed inset (4, 24) so the
// pages keep their designed coordinates.
class TabbedNotebook : public QWidget {
    Q_OBJECT
public:
    explicit TabbedNotebook(QWidget* parent = nullptr);

    QWidget* addPage(const QString& caption);
    QWidget* page(int index) const;
    QTabBar* tabBar() const { return tabs_; }
    int currentIndex() const;
    void setCurrentIndex(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTabBar* tabs_;
    QStackedWidget* pages_;
};

} // namespace qf::platform
