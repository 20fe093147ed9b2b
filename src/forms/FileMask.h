#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The Set File Masks dialog: edits the mask list, applies it to the file list and stores it in
// the settings file. Modeless; only ever shown and hidden, so its field keeps its text.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Components.
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    // Handlers.
    void FormCreate();
    void Button1Click();
    void Button2Click();

protected:
    // Escape and the close box end here, as Cancel does.
    void reject() override;

private:
    void createComponents();
};

extern TForm2* Form2;
