#include "platform/TabbedNotebook.h"

#include "platform/Fonts.h"

#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionFrame>
#include <QTabBar>

namespace qf::platform {

namespace {
constexpr int kPageLeft = 4;
constexpr int kPageTop = 24;
} // namespace

TabbedNotebook::TabbedNotebook(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), pages_(new QStackedWidget(this)) {
    QFont tabFont = pixelFont(QStringLiteral("MS Sans Serif"), 11);
    tabs_->setFont(tabFont);
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setFocusPolicy(Qt::TabFocus);
    connect(tabs_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);
}

QWidget* TabbedNotebook::addPage(const QString& caption) {
    auto* page = new QWidget;
    pages_->addWidget(page);
    tabs_->addTab(caption);
    return page;
}

QWidget* TabbedNotebook::page(int index) const {
    return pages_->widget(index);
}

int TabbedNotebook::currentIndex() const {
    return tabs_->currentIndex();
}

void TabbedNotebook::setCurrentIndex(int index) {
    tabs_->setCurrentIndex(index);
}

void TabbedNotebook::resizeEvent(QResizeEvent*) {
    tabs_->setGeometry(2, 2, width() - 4, kPageTop - 3);
    pages_->setGeometry(kPageLeft, kPageTop, width() - 2 * kPageLeft, height() - kPageTop - 4);
}

void TabbedNotebook::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, kPageTop - 2, width(), height() - kPageTop + 2);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

} // namespace qf::platform
