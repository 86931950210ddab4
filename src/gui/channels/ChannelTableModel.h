#pragma once
// The grid's model: one row per channel of the current group, fifteen columns, texts formatted from
// the channel table whenever a cell is drawn (the grid keeps no channel data of its own).
#include <QAbstractTableModel>
#include <span>

#include "model/ChannelTable.h"

namespace tarn::gui {

class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ChannelTableModel(ChannelTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The whole grid again (another group, or a new document).
    void Reset();
    // The cells of `row` that a change through `column` can alter.
    void RedrawAfterChange(int row, int column);
    void RedrawRow(int row);
    // Every cell of every row (channels moved in ways no row list describes).
    void RedrawAll();
    // The channels of rows `from` are now shown in rows `to`, the other channels in the rows left in
    // their order: the grid is redrawn, and the views' selection and current cell go with the channels.
    void RowsMoved(std::span<const int> from, std::span<const int> to);

private:
    ChannelTable& table_;
};

}  // namespace tarn::gui
