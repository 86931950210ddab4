#pragma once
// The names the undo history gives the changes made in the channel grid.
#include <cstddef>
#include <string>

namespace tarn {

// The channel in `slot` as the user knows it: "MR 3", "PMSL", "BOOK 12", "WX 1", "BRS 32".
std::string SlotName(std::size_t slot);
// A cell typed into, stepped or complemented: "Receive of MR 3", "Pwr Mode of BOOK 2".
std::string CellEditLabel(std::size_t slot, int column);
// The same cell of several channels changed at once: "Receive of 12 channels".
std::string CellsEditLabel(std::size_t count, int column);
// A value pasted into a cell: "Paste into Receive of MR 3"; onto the channel number: "Channel Copy to MR 3".
std::string PasteLabel(std::size_t slot, int column);

}  // namespace tarn
