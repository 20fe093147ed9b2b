#include "forms/Sdimain.h"

#include "forms/About.h"
#include "platform/DirectoryOutline.h"
#include "platform/DriveComboBox.h"
#include "platform/FileListBox.h"
#include "platform/PreviewEdit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

TSDIAppForm* SDIAppForm = nullptr;

TSDIAppForm::TSDIAppForm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Quillfen - Project Manager"));
    createComponents();
    FormCreate();
}

TSDIAppForm::~TSDIAppForm() = default;

void TSDIAppForm::createComponents() {
    TabbedNotebook1 = new QTabWidget(this);
    auto* page1 = new QWidget;
    auto* page2 = new QWidget;
    TabbedNotebook1->addTab(page1, QStringLiteral("Directories/Drives"));
    TabbedNotebook1->addTab(page2, QStringLiteral("Files"));
    DriveComboBox1 = new qf::platform::DriveComboBox(page1);
    DirectoryOutline1 = new qf::platform::DirectoryOutline(page1);
    FileListBox1 = new qf::platform::FileListBox(page2);
    RichEdit1 = new qf::platform::PreviewEdit(this);
    StatusBar = new QStatusBar(this);
    Timer1 = new QTimer(this);
}

void TSDIAppForm::FileExit1Execute() { QCoreApplication::quit(); }

void TSDIAppForm::About1Click() {
    hide();
    Form3->show();
}

void TSDIAppForm::closeEvent(QCloseEvent* event) {
    QCoreApplication::quit();
    event->accept();
}

void TSDIAppForm::resizeEvent(QResizeEvent* event) { QWidget::resizeEvent(event); }

bool TSDIAppForm::event(QEvent* event) { return QWidget::event(event); }
