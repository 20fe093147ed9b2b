#pragma once

#include "platform/host/Drives.h"

#include <QPixmap>

namespace qf::platform {

enum class FolderPicture { Open, Closed, Leaf };

// The pictures of the drive selector's entries and the directory tree's rows.
const QPixmap& drivePicture(DriveType type);
const QPixmap& folderPicture(FolderPicture kind);

} // namespace qf::platform
