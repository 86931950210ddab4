#include "channels/ChannelEditLabel.h"

#include "channels/GridColumns.h"
#include "model/ChannelTable.h"

namespace tarn {
namespace {

std::string Numbered(const char* group, std::size_t slot, std::size_t first) {
    return group + std::to_string(slot - first + 1);
}

// The bottom caption, after the top one where that names this column alone ("Pwr Mode", "Rpt Sft").
std::string ColumnName(int column) {
    if (column < 0 || column >= kGridColumnCount) return "Cell";
    const GridColumn& c = GridColumns()[column];
    for (const HeaderSpan& span : TopHeaderSpans()) {
        if (span.first == column && span.last == column && !c.topCaption.empty()) {
            return std::string(c.topCaption) + " " + std::string(c.bottomCaption);
        }
    }
    return std::string(c.bottomCaption);
}

}  // namespace

std::string SlotName(std::size_t slot) {
    if (slot == kPmslSlot) return "PMSL";
    if (slot == kPmsuSlot) return "PMSU";
    if (slot < kBookFirstSlot) return Numbered("MR ", slot, kMrFirstSlot);
    if (slot < kWxFirstSlot) return Numbered("BOOK ", slot, kBookFirstSlot);
    if (slot < kBrsFirstSlot) return Numbered("WX ", slot, kWxFirstSlot);
    return Numbered("BRS ", slot, kBrsFirstSlot);
}

std::string CellEditLabel(std::size_t slot, int column) { return ColumnName(column) + " of " + SlotName(slot); }

std::string CellsEditLabel(std::size_t count, int column) {
    return ColumnName(column) + " of " + std::to_string(count) + " channels";
}

std::string PasteLabel(std::size_t slot, int column) {
    if (column == 0) return "Channel Copy to " + SlotName(slot);
    return "Paste into " + CellEditLabel(slot, column);
}

}  // namespace tarn
