#pragma once

#include <QComboBox>
#include <functional>
#include <memory>
#include <string>

namespace qf::platform {

// The drive selector: one entry per mounted volume a desktop file manager would show.
class DriveComboBox : public QComboBox {
    Q_OBJECT
public:
    // Lists the drives and selects the one holding the current directory.
    explicit DriveComboBox(QWidget* parent = nullptr);
    ~DriveComboBox() override;

    // Root path of the selected drive.
    const std::string& drive() const;

    // Bound by the window: reported for every pick, possibly twice.
    std::function<void()> onChange;

private:
    struct State;
    std::unique_ptr<State> state_;

    void pick(int index);
    void reportChange();
};

} // namespace qf::platform
