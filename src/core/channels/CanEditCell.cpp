#include "channels/CanEditCell.h"

namespace tarn {

EditResult CanEditCell(const ChannelTable& table, int column) {
    if (table.CurrentIndex >= EntryCount) return EditResult::Refused();
    const ChannelEntry& entry = table.Entries[table.CurrentIndex];
    if (column != 0 && entry.Empty == 1) return EditResult::Refused();
    if (table.CurrentGroup == kGroupWx || table.CurrentGroup == kGroupBrs) return EditResult::Beep();
    switch (column) {
        case 3:
        case 4: return EditResult::Done();
        case 5: return entry.ShiftMode == kShiftSplit ? EditResult::Done() : EditResult::Beep();
        case 6: return IsShiftWithOffset(entry.ShiftMode) ? EditResult::Done() : EditResult::Beep();
        case 8: return entry.ToneType != kToneNone ? EditResult::Done() : EditResult::Beep();
        default: return EditResult::Refused();
    }
}

}  // namespace tarn
