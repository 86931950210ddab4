#pragma once
// The text that Copy puts on the clipboard for the channel grid.
#include <string>

#include "model/ChannelTable.h"

namespace tarn {

// A rectangle of grid cells: data rows of the current group (0 = its first channel) and columns 0..14.
struct GridSelection {
    int firstRow = 0;
    int lastRow = 0;
    int firstColumn = 0;
    int lastColumn = 0;
};

// On the channel-number column (the grid's current column 0): the current channel's slot number over the
// whole table (MR 1..70, BOOK 71..160, WEATHER 161..170, BRS 171..202), which pasted onto column 0 copies
// the channel. Elsewhere the selected cells' texts as the grid shows them, a tab between the cells of a
// row and a carriage return between rows.
std::string GridCopyText(const ChannelTable& table, const GridSelection& selection, int currentColumn);

}  // namespace tarn
