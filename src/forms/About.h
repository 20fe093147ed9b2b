#pragma once

#include "platform/Placement.h"

#include <QWidget>

class QLabel;

namespace qf::platform {
class Bevel;
class Picture;
class Shape;
} // namespace qf::platform

// The splash window, which returns as the About window. It is the application's main form.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Elements, in drawing order from bottom to top.
    qf::platform::Picture* Image1 = nullptr;
    qf::platform::Shape* Shape1 = nullptr;
    qf::platform::Shape* Shape2 = nullptr;
    qf::platform::Picture* Image2 = nullptr;
    qf::platform::Bevel* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;

    void Image1Click();
    void Image2Click();
    void Shape1MouseDown();
    void Shape2MouseDown();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showMainWindow();
    QLabel* addLabel(int left, int top, int designWidth, const QString& text, const QFont& font);
    qf::platform::CentreOnFirstShow placement_;
};

extern TForm3* Form3;
