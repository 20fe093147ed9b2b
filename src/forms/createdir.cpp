#include "forms/createdir.h"

#include "forms/Sdimain.h"
#include "platform/DirectoryOutline.h"
#include "platform/DisplayText.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/Placement.h"
#include "platform/host/FileOps.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TCreateDirect* CreateDirect = nullptr;

TCreateDirect::TCreateDirect(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setWindowTitle(QStringLiteral("Create Directory"));
    setFont(qf::platform::pixelFont(QStringLiteral("MS Sans Serif"), 11));
    createComponents();
    qf::platform::placeAtDesignFrame(this, QRect(280, 164, 321, 90));
}

void TCreateDirect::createComponents() {
    Label1 = new QLabel(QStringLiteral("Please name the directory :"), this);
    Label1->move(8, 12);
    Label1->adjustSize();
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(8, 32, 201, 21);
    Edit1->setFocus();

    // A speed button: pressing it leaves the focus in the field.
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setText(QStringLiteral("Create!"));
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setGeometry(212, 32, 97, 21);
    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { qf::platform::guarded([this] { SpeedButton1Click(); }); });
}

void TCreateDirect::SpeedButton1Click() {
    // On failure the error box comes up and the window stays open with the typed name.
    qf::platform::createDirectory(qf::platform::joinPath(SDIAppForm->DirectoryOutline1->directory(),
                                                         qf::platform::fromTyped(Edit1->text())));
    hide();
}
