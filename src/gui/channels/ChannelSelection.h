#pragma once
// The grid's selection as the channel commands see it: the slots of the rows it touches (a block of
// cells counts by its rows, the current cell's row always counts), sorted. Shift+Space widens it to
// whole rows. With more than one row selected an edit becomes a fill of every selected channel, which
// is reported here: the rows redrawn, the beep, and the status text.
#include <QObject>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "channels/FillChannels.h"

class QTableView;

namespace tarn {
struct ChannelTable;
}

namespace tarn::gui {

class ChannelTableModel;

class ChannelSelection : public QObject {
    Q_OBJECT
public:
    using Fill = std::function<FillResult(std::span<const std::size_t> selected)>;

    ChannelSelection(ChannelTable& table, QTableView* grid, ChannelTableModel* model);

    std::vector<std::size_t> Slots() const;
    void SelectWholeRows();

    // With more than one slot, runs `fill` through `column` on them and shows what it did; false (and
    // nothing done) for a single slot, which the single-cell edit takes.
    bool FillSlots(std::span<const std::size_t> selected, int column, const Fill& fill);
    bool FillSelected(int column, const Fill& fill) { return FillSlots(Slots(), column, fill); }

signals:
    void StatusMessage(const QString& text);

private:
    ChannelTable& table_;
    QTableView* grid_;
    ChannelTableModel* model_;
};

}  // namespace tarn::gui
