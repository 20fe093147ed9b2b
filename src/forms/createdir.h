#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

// The Create Directory dialog: makes the typed name a new directory in the tree's directory.
// Modeless; only ever shown and hidden, so its field keeps its text. It has neither a default
// nor a cancel button: Enter and Escape do nothing here.
class TCreateDirect : public QWidget {
    Q_OBJECT
public:
    explicit TCreateDirect(QWidget* parent = nullptr);

    // Components.
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;

    // Handlers.
    void SpeedButton1Click();

private:
    void createComponents();
};

extern TCreateDirect* CreateDirect;
