#include "Resources.h"

#include <QFile>

namespace qf::resources {

QByteArray pictureBytes(const QString& name) {
    QFile file(QStringLiteral(":/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QPixmap picture(const QString& name) { return QPixmap(QStringLiteral(":/") + name); }

} // namespace qf::resources
