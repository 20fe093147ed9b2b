#include "forms/About.h"

#include <QCloseEvent>
#include <QCoreApplication>

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
    setFixedSize(393, 318);
}

void TForm3::closeEvent(QCloseEvent* event) {
    // The main form: a close request to it ends the application.
    QCoreApplication::quit();
    event->accept();
}
