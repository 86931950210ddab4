#include "channels/ChannelSelection.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

#include "channels/ChannelCellText.h"
#include "channels/ChannelTableModel.h"
#include "channels/SystemBeep.h"

namespace tarn::gui {

ChannelSelection::ChannelSelection(ChannelTable& table, QTableView* grid, ChannelTableModel* model)
    : QObject(grid), table_(table), grid_(grid), model_(model) {}

std::vector<std::size_t> ChannelSelection::Slots() const {
    std::vector<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes()) rows.push_back(index.row());
    const QModelIndex current = grid_->currentIndex();
    if (current.isValid()) rows.push_back(current.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<std::size_t> selected;
    for (int row : rows) selected.push_back(SlotOfRow(table_, row));
    return selected;
}

void ChannelSelection::SelectWholeRows() {
    QItemSelection rows;
    for (std::size_t slot : Slots()) {
        const int row = RowOfSlot(table_, slot);
        rows.select(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
    }
    grid_->selectionModel()->select(rows, QItemSelectionModel::Select);
}

bool ChannelSelection::FillSlots(std::span<const std::size_t> selected, int column, const Fill& fill) {
    if (selected.size() < 2) return false;
    const FillResult result = fill(selected);
    SystemBeep(result.beeps);
    for (std::size_t slot : selected) model_->RedrawAfterChange(RowOfSlot(table_, slot), column);
    emit StatusMessage(QString::fromStdString(FillStatusText(result)));
    return true;
}

}  // namespace tarn::gui
