#pragma once

#include <QWidget>

// The splash window, which returns as the About window. It is the application's main form.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};

extern TForm3* Form3;
