#include "forms/createdir.h"

TCreateDirect* CreateDirect = nullptr;

TCreateDirect::TCreateDirect(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Create Directory")); // its controls are not built yet
}
