#include "platform/Explore.h"

#include <QByteArray>
#include <QDesktopServices>

namespace qf::platform {

QUrl directoryUrl(const std::string& directory) {
    const QByteArray bytes(directory.data(), static_cast<qsizetype>(directory.size()));
    return QUrl(QStringLiteral("file://") + QString::fromLatin1(bytes.toPercentEncoding("/")),
                QUrl::StrictMode);
}

void exploreDirectory(const std::string& directory) {
    QDesktopServices::openUrl(directoryUrl(directory));
}

} // namespace qf::platform
