#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace qf::platform {

// The file list's names as a model: the names stay bytes, and a row becomes text only when the
// view draws it, so a long listing costs nothing for the rows out of sight.
class FileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(std::vector<std::string> names);
    const std::vector<std::string>& names() const { return names_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> names_;
};

// A name as one line of the list: control characters, a newline among them, are shown as
// their visible symbols so that every row keeps its height.
QString displayName(const std::string& name);

} // namespace qf::platform
