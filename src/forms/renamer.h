#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The Rename dialog: gives the selected file the typed name in the tree's directory. Modeless;
// only ever shown and hidden, so its field keeps its text.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    // Components.
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;

    // Handlers.
    void Button1Click();
    void Button2Click();

protected:
    // Enter presses OK (or the focused button) and Escape presses Cancel, as in a dialog box.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createComponents();
};

extern TForm1* Form1;
