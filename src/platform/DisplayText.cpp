#include "platform/DisplayText.h"

#include <QFile>

namespace qf::platform {

QString toDisplay(const std::string& bytes) {
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string fromTyped(const QString& text) { return QFile::encodeName(text).toStdString(); }

} // namespace qf::platform
