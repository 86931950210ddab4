#include "channels/ChannelTableModel.h"

#include <QApplication>
#include <vector>
#include <QPalette>

#include "channels/ChannelCellText.h"
#include "channels/GridColumns.h"

namespace tarn::gui {

ChannelTableModel::ChannelTableModel(ChannelTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}

int ChannelTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : RowCount(table_); }

int ChannelTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGridColumnCount; }

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= RowCount(table_)) return {};
    const ChannelEntry& entry = table_.Entries[SlotOfRow(table_, index.row())];
    switch (role) {
        case Qt::DisplayRole: return QString::fromStdString(CellText(entry, index.column()));
        case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
        case Qt::ForegroundRole:
            // Empty channels stay listed, in the inactive text colour.
            if (entry.Empty) return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
            return {};
        default: return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kGridColumnCount) {
        return {};
    }
    const GridColumn& c = GridColumns()[section];
    const QString bottom = QString::fromLatin1(c.bottomCaption.data(), static_cast<int>(c.bottomCaption.size()));
    if (c.topCaption.empty()) return bottom;
    return QString::fromLatin1(c.topCaption.data(), static_cast<int>(c.topCaption.size())) + QLatin1Char(' ') + bottom;
}

void ChannelTableModel::Reset() {
    beginResetModel();
    endResetModel();
}

void ChannelTableModel::RedrawAfterChange(int row, int column) {
    const AffectedCells cells = CellsAffectedBy(column);
    if (cells.rowColour) {
        RedrawRow(row);
        return;
    }
    for (int c : cells.columns) emit dataChanged(index(row, c), index(row, c), {Qt::DisplayRole});
}

void ChannelTableModel::RedrawRow(int row) {
    emit dataChanged(index(row, 0), index(row, kGridColumnCount - 1));
}

void ChannelTableModel::RedrawAll() {
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kGridColumnCount - 1));
}

void ChannelTableModel::RowsMoved(std::span<const int> from, std::span<const int> to) {
    // Where each row's channel is now; every index must land on a row of its own.
    std::vector<int> rowAfter(rowCount(), -1);
    std::vector<bool> taken(rowCount(), false);
    for (std::size_t i = 0; i < from.size(); ++i) {
        rowAfter[from[i]] = to[i];
        taken[to[i]] = true;
    }
    int free = 0;
    for (int& after : rowAfter) {
        if (after >= 0) continue;
        while (taken[free]) ++free;
        after = free++;
    }
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& old : before) after << index(rowAfter[old.row()], old.column());
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

}  // namespace tarn::gui
