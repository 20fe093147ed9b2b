#include "platform/DriveComboBox.h"

namespace qf::platform {

// Placeholder until the drive list is built: keeps the window compiling.
struct DriveComboBox::State {
    std::string drive;
};

DriveComboBox::DriveComboBox(QWidget* parent)
    : QComboBox(parent), state_(std::make_unique<State>()) {}
DriveComboBox::~DriveComboBox() = default;
const std::string& DriveComboBox::drive() const { return state_->drive; }

} // namespace qf::platform
