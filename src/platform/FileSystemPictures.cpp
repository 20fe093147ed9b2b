#include "platform/FileSystemPictures.h"

#include "Resources.h"

#include <QBitmap>
#include <QImage>

namespace qf::platform {

namespace {

// The leaf picture is drawn on a background colour, taken from its bottom-left pixel, that is
// meant to be see-through.
QPixmap withTransparentBackground(QPixmap picture) {
    if (picture.isNull())
        return picture;
    const QColor background = picture.toImage().pixelColor(0, picture.height() - 1);
    picture.setMask(picture.createMaskFromColor(background, Qt::MaskInColor));
    return picture;
}

} // namespace

const QPixmap& drivePicture(DriveType type) {
    static const QPixmap floppy = resources::picture(QStringLiteral("pictures/drive_floppy.png"));
    static const QPixmap hard = resources::picture(QStringLiteral("pictures/drive_hard.png"));
    static const QPixmap network = resources::picture(QStringLiteral("pictures/drive_network.png"));
    static const QPixmap cdrom = resources::picture(QStringLiteral("pictures/drive_cdrom.png"));
    static const QPixmap ram = resources::picture(QStringLiteral("pictures/drive_ram.png"));
    switch (type) {
    case DriveType::Removable:
        return floppy;
    case DriveType::Remote:
        return network;
    case DriveType::CdRom:
        return cdrom;
    case DriveType::Ram:
        return ram;
    case DriveType::Fixed:
        break;
    }
    return hard;
}

const QPixmap& folderPicture(FolderPicture kind) {
    static const QPixmap open = resources::picture(QStringLiteral("pictures/folder_open.png"));
    static const QPixmap closed = resources::picture(QStringLiteral("pictures/folder_closed.png"));
    static const QPixmap leaf =
        withTransparentBackground(resources::picture(QStringLiteral("pictures/leaf.png")));
    switch (kind) {
    case FolderPicture::Open:
        return open;
    case FolderPicture::Closed:
        return closed;
    case FolderPicture::Leaf:
        break;
    }
    return leaf;
}

} // namespace qf::platform
