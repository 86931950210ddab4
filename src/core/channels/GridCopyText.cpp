#include "channels/GridCopyText.h"

#include <algorithm>

#include "channels/ChannelCellText.h"
#include "channels/GridColumns.h"

namespace tarn {

std::string GridCopyText(const ChannelTable& table, const GridSelection& selection, int currentColumn) {
    if (currentColumn == 0) return std::to_string(table.CurrentIndex + 1);
    const int rows = RowCount(table);
    const int firstRow = std::max(0, std::min(selection.firstRow, selection.lastRow));
    const int lastRow = std::min(rows - 1, std::max(selection.firstRow, selection.lastRow));
    const int firstColumn = std::max(0, std::min(selection.firstColumn, selection.lastColumn));
    const int lastColumn = std::min(kGridColumnCount - 1, std::max(selection.firstColumn, selection.lastColumn));
    std::string text;
    for (int row = firstRow; row <= lastRow; ++row) {
        if (row != firstRow) text += '\r';
        const ChannelEntry& entry = table.Entries[SlotOfRow(table, row)];
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (column != firstColumn) text += '\t';
            text += CellText(entry, column);
        }
    }
    return text;
}

}  // namespace tarn
