#include "platform/AppStyle.h"

#include <QApplication>
#include <QProxyStyle>

namespace qf::platform {

namespace {

class AppStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 500;
        // Disabled menu items are highlighted too, so that their hint replaces the last one.
        if (hint == SH_Menu_AllowActiveAndDisabled)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

void installAppStyle() {
    if (!dynamic_cast<AppStyle*>(QApplication::style()))
        QApplication::setStyle(new AppStyle);
}

} // namespace qf::platform
