#include "forms/renamer.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Rename")); // its controls are not built yet
}
