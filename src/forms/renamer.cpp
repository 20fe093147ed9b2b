#include "forms/renamer.h"

#include "forms/Sdimain.h"
#include "platform/DirectoryOutline.h"
#include "platform/DisplayText.h"
#include "platform/ErrorBox.h"
#include "platform/FileListBox.h"
#include "platform/Fonts.h"
#include "platform/Placement.h"
#include "platform/host/FileOps.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm1* Form1 = nullptr;

using qf::platform::guarded;

TForm1::TForm1(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setWindowTitle(QStringLiteral("Rename"));
    setFont(qf::platform::pixelFont(QStringLiteral("MS Sans Serif"), 11));
    createComponents();
    qf::platform::placeAtDesignFrame(this, QRect(192, 110, 405, 120));
}

void TForm1::createComponents() {
    GroupBox1 = new QGroupBox(QStringLiteral(" Rename a file : "), this);
    GroupBox1->setGeometry(4, 4, 393, 85);
    Label2 = new QLabel(QStringLiteral("New File Name :"), GroupBox1);
    Label2->move(16, 28);
    Label2->adjustSize();

    // The field belongs to the window, not to the frame it is drawn over.
    Edit2 = new QLineEdit(this);
    Edit2->setGeometry(104, 28, 273, 21);
    Edit2->raise();

    Button2 = new QPushButton(QStringLiteral("Cancel"), GroupBox1);
    Button2->setGeometry(216, 52, 75, 25);
    Button1 = new QPushButton(QStringLiteral("OK"), GroupBox1);
    Button1->setGeometry(296, 52, 75, 25);
    Button1->setDefault(true);
    // A focused button takes Enter for itself.
    Button1->setAutoDefault(true);
    Button2->setAutoDefault(true);

    setTabOrder(Edit2, Button2);
    setTabOrder(Button2, Button1);
    Edit2->setFocus();
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Button1->click();
    else if (event->matches(QKeySequence::Cancel))
        Button2->click();
    else
        QWidget::keyPressEvent(event);
}

void TForm1::Button1Click() {
    // Both are taken now, not when the window was opened: the user may have browsed meanwhile.
    const std::string oldPath = SDIAppForm->FileListBox1->fileName();
    const std::string newPath = qf::platform::joinPath(SDIAppForm->DirectoryOutline1->directory(),
                                                       qf::platform::fromTyped(Edit2->text()));
    // A refused name changes nothing on disk and is not reported.
    qf::platform::renameNoReplace(oldPath, newPath);
    SDIAppForm->DirectoryOutline1->paintPending();
    SDIAppForm->DirectoryOutline1->refresh();
    SDIAppForm->FileListBox1->rereadList();
    SDIAppForm->FileListBox1->refresh();
    hide();
}

void TForm1::Button2Click() {
    hide();
}
