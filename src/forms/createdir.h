#pragma once

#include <QWidget>

// the Create Directory dialog.
class TCreateDirect : public QWidget {
    Q_OBJECT
public:
    explicit TCreateDirect(QWidget* parent = nullptr);
};

extern TCreateDirect* CreateDirect;
