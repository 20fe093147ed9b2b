#include "forms/About.h"

#include "Resources.h"
#include "forms/Sdimain.h"
#include "platform/Fonts.h"
#include "platform/GraphicControls.h"
#include "platform/JpegImage.h"
#include "platform/Placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

TForm3* Form3 = nullptr;

namespace {

QImage jpegPicture(const QString& name) {
    const QByteArray bytes = qf::resources::pictureBytes(name);
    return qf::platform::decodeJpeg({bytes.constData(), static_cast<std::size_t>(bytes.size())});
}

// Labels take the clicks that fall on them, so a click on the credits does nothing.
class Label : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
};

} // namespace

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setFixedSize(393, 318);
    setAutoFillBackground(true);
    setPalette(QPalette(palette().color(QPalette::Button)));
    setFont(qf::platform::pixelFont(QStringLiteral("MS Sans Serif"), 11));

    using qf::platform::Picture;
    using qf::platform::Shape;
    Image1 = new Picture(this, jpegPicture(QStringLiteral("pictures/logo.jpg")), false);
    Image1->setGeometry(144, -8, 249, 149);
    Image1->onClick = [this] { Image1Click(); };
    Shape1 = new Shape(this, Qt::black, Qt::black);
    Shape1->setGeometry(-4, -4, 161, 145);
    Shape1->onMouseDown = [this] { Shape1MouseDown(); };
    Shape2 = new Shape(this, Qt::white, Qt::black);
    Shape2->setGeometry(0, 139, 393, 178);
    Shape2->onMouseDown = [this] { Shape2MouseDown(); };
    Image2 = new Picture(this, jpegPicture(QStringLiteral("pictures/banner.jpg")), true);
    Image2->setGeometry(1, 120, 391, 105);
    Image2->onClick = [this] { Image2Click(); };
    Bevel1 = new qf::platform::Bevel(this);
    Bevel1->setGeometry(57, 196, 283, 8);

    QFont heading = qf::platform::pixelFont(QStringLiteral("MS Sans Serif"), 13);
    heading.setItalic(true);
    Label1 = addLabel(137, 211, 122, QStringLiteral("This was made by :"), heading);
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(red);
    Label2 = addLabel(148, 234, 95, QStringLiteral("R o w a n   H a l e"), font());
    Label3 = addLabel(155, 255, 82, QStringLiteral("I d a   M a r s h"), font());
    Label4 = addLabel(183, 277, 30, QStringLiteral("T e d"), font());
}

QLabel* TForm3::addLabel(int left, int top, int designWidth, const QString& text,
                         const QFont& font) {
    auto* label = new Label(text, this);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->adjustSize();
    // The labels are sized to their texts; keeping each on the centre of its design bounds
    // keeps the credits centred under one another whatever the stand-in font measures.
    label->move(left + (designWidth - label->width()) / 2, top);
    return label;
}

void TForm3::showEvent(QShowEvent* event) {
    // Shown again as the About window it stays where it stood.
    placement_.apply(this);
    QWidget::showEvent(event);
}

void TForm3::showMainWindow() {
    hide();
    SDIAppForm->show();
    SDIAppForm->activateWindow();
}

void TForm3::Image1Click() {
    showMainWindow();
}
void TForm3::Image2Click() {
    showMainWindow();
}
void TForm3::Shape1MouseDown() {
    showMainWindow();
}
void TForm3::Shape2MouseDown() {
    showMainWindow();
}

void TForm3::closeEvent(QCloseEvent* event) {
    // The main form: a close request to it ends the application.
    QCoreApplication::quit();
    event->accept();
}
