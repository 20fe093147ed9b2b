#include "platform/FileListModel.h"

#include "platform/DisplayText.h"

#include <QSize>

namespace qf::platform {

namespace {
constexpr int itemHeight = 15;
}

QString displayName(const std::string& name) {
    QString text = toDisplay(name);
    for (QChar& c : text) {
        if (c.unicode() < 0x20)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 0x7F)
            c = QChar(0x2421);
    }
    return text;
}

void FileListModel::setNames(std::vector<std::string> names) {
    beginResetModel();
    names_ = std::move(names);
    endResetModel();
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return displayName(names_[static_cast<std::size_t>(index.row())]);
    case Qt::SizeHintRole:
        return QSize(1, itemHeight); // the view stretches rows to its width
    default:
        return {};
    }
}

} // namespace qf::platform
