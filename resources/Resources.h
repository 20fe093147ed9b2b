#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QString>

namespace qf::resources {

// The raw bytes of a compiled-in picture, such as "pictures/logo.jpg".
QByteArray pictureBytes(const QString& name);
// A compiled-in PNG picture.
QPixmap picture(const QString& name);

} // namespace qf::resources
