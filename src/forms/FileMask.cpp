#include "forms/FileMask.h"

#include "forms/Sdimain.h"
#include "platform/DisplayText.h"
#include "platform/ErrorBox.h"
#include "platform/FileListBox.h"
#include "platform/Fonts.h"
#include "platform/Placement.h"
#include "settings/MaskFile.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

TForm2* Form2 = nullptr;

using qf::platform::guarded;

TForm2::TForm2(QWidget* parent) : QDialog(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Set File Masks"));
    setFont(qf::platform::pixelFont(QStringLiteral("MS Sans Serif"), 11));
    createComponents();
    qf::platform::placeAtDesignFrame(this, QRect(192, 110, 395, 132));
    // A settings file that cannot be read is reported, and the window is created all the same.
    guarded([this] { FormCreate(); });
}

void TForm2::createComponents() {
    GroupBox1 = new QGroupBox(QStringLiteral(" Set File Mask : "), this);
    GroupBox1->setGeometry(4, 4, 381, 97);
    Label1 = new QLabel(QStringLiteral("To set multiple file masks, use the \" ; \"  to  seperate "
                                       "them!"),
                        GroupBox1);
    // The labels size themselves to their texts, as designed (271 x 13 for Label1), so the
    // stand-in font never clips them.
    Label1->move(12, 20);
    Label1->adjustSize();
    Label2 = new QLabel(QStringLiteral("File Masks :"), GroupBox1);
    Label2->move(12, 40);
    Label2->adjustSize();

    // The field belongs to the window, not to the frame it is drawn over.
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(76, 40, 303, 21);
    // A line edit keeps only 32767 characters by default; OK would then store a settings line
    // cut short.
    Edit1->setMaxLength(std::numeric_limits<int>::max());
    Edit1->raise();

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(304, 68, 75, 25);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setGeometry(224, 68, 75, 25);

    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, Button2);
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });
}

void TForm2::FormCreate() {
    if (qf::settings::maskFileExists())
        Edit1->setText(qf::platform::toDisplay(qf::settings::readMaskLine()));
}

void TForm2::Button1Click() {
    const std::string masks = qf::platform::fromTyped(Edit1->text());
    qf::settings::writeMaskLine(masks);
    SDIAppForm->FileListBox1->setMask(masks);
    hide();
}

void TForm2::Button2Click() {
    hide();
}

void TForm2::reject() {
    Button2Click();
}
