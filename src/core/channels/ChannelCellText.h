#pragma once
// The text of each of the grid's fifteen cells for a channel, and which cells a change through one
// column can alter.
#include <string>
#include <vector>

#include "model/ChannelEntry.h"
#include "model/ChannelTable.h"

namespace tarn {

// The text of grid column `column` (0..14) for `entry`; empty for any other column.
std::string CellText(const ChannelEntry& entry, int column);

// " %-13.13s " of the name of `group` ("" past the last group).
std::string GroupLabelText(std::uint32_t group);

// The slot shown in grid data row `row` (0-based) of the current group, and the number of rows.
std::size_t SlotOfRow(const ChannelTable& table, int row);
int RowCount(const ChannelTable& table);
// The grid data row that shows `slot`, or -1 when the slot is not in the current group's rows.
int RowOfSlot(const ChannelTable& table, std::size_t slot);

// The cells to redraw after a change made through `column`: whether the row colour can change, and
// the columns in the order they are redrawn.
struct AffectedCells {
    bool rowColour = false;
    std::vector<int> columns;
};
AffectedCells CellsAffectedBy(int column);

// Steps to the next channel group (F2), leaving out the groups the settings switch off.
void NextGroup(ChannelTable& table, const SystemSettings& settings);

}  // namespace tarn
