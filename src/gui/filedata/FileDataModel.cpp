#include "filedata/FileDataModel.h"

#include "filedata/FileDataEditor.h"
#include "settings/Latin1.h"

namespace tarn::gui {

FileDataModel::FileDataModel(const FileDataEditor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {}

int FileDataModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kFileDataRows; }
int FileDataModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kFileDataColumns; }

QVariant FileDataModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return Latin1(editor_.CellText(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

QVariant FileDataModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    return Latin1(orientation == Qt::Horizontal ? FileDataColumnCaption(section) : FileDataAddressText(section));
}

}  // namespace tarn::gui
