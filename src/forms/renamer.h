#pragma once

#include <QWidget>

// the Rename dialog.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

extern TForm1* Form1;
