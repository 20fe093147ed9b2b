#include "platform/DriveComboBox.h"

#include "platform/DisplayText.h"
#include "platform/ErrorBox.h"
#include "platform/FileSystemPictures.h"
#include "platform/host/Directory.h"
#include "platform/host/Drives.h"

#include <vector>

namespace qf::platform {

struct DriveComboBox::State {
    std::vector<Drive> drives;
    std::string drive;
};

DriveComboBox::DriveComboBox(QWidget* parent)
    : QComboBox(parent), state_(std::make_unique<State>()) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    setFont(font);
    QPalette colours = palette();
    const QColor navy(0, 0, 128);
    colours.setColor(QPalette::Text, navy);
    colours.setColor(QPalette::ButtonText, navy);
    setPalette(colours);
    setIconSize(QSize(16, 16));

    state_->drives = listDrives();
    for (const auto& drive : state_->drives) {
        addItem(QIcon(drivePicture(drive.type)), toDisplay(drive.text));
        // The drop-down list draws with its own palette; the entries keep the selector's ink.
        setItemData(count() - 1, navy, Qt::ForegroundRole);
    }
    const std::string startDrive = driveOf(state_->drives, currentDirectory());
    for (std::size_t i = 0; i < state_->drives.size(); ++i)
        if (state_->drives[i].root == startDrive)
            setCurrentIndex(static_cast<int>(i));
    state_->drive = startDrive;
    reportChange();

    connect(this, &QComboBox::activated, this,
            [this](int index) { guarded([&] { pick(index); }); });
}

DriveComboBox::~DriveComboBox() = default;

const std::string& DriveComboBox::drive() const {
    return state_->drive;
}

// The selector reports once for a new drive and once more in any case, so a pick of another
// drive reaches the window twice.
void DriveComboBox::pick(int index) {
    if (index < 0 || index >= static_cast<int>(state_->drives.size()))
        return;
    const std::string& root = state_->drives[static_cast<std::size_t>(index)].root;
    if (root != state_->drive) {
        state_->drive = root;
        reportChange();
    }
    reportChange();
}

void DriveComboBox::reportChange() {
    if (onChange)
        onChange();
}

} // namespace qf::platform
