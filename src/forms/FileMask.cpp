#include "forms/FileMask.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Set File Masks")); // its controls are not built yet
}
