#include "channels/StoreCellText.h"

#include "channels/ChannelFieldChanges.h"
#include "model/FrequencyConversion.h"
#include "model/ValueTables.h"

namespace tarn {

EditResult StoreCellText(Document& document, std::size_t slot, int column, std::string_view text) {
    if (slot >= EntryCount) return EditResult::Refused();
    ChannelEntry& entry = document.Channels().Entries[slot];
    switch (column) {
        case 3: StoreTag(entry, text); break;
        case 4: StoreReceiveFrequency(entry, TypedFrequencyHz(text), document.Content().Bands()); break;
        case 5:
            if (entry.ShiftMode != kShiftSplit) return EditResult::Beep();
            entry.TxFrequency = SplitTransmitFrequency(entry, TypedFrequencyHz(text));
            break;
        case 6:
            if (!IsShiftWithOffset(entry.ShiftMode)) return EditResult::Beep();
            entry.ShiftOffset = ShiftOffsetHz(TypedFrequencyHz(text));
            break;
        case 8:
            if (entry.ToneType == kToneDcs) {
                entry.DcsIndex = DcsIndexFromText(text);
            } else if (entry.ToneType == kToneCtcss) {
                entry.CtcssIndex = CtcssIndexFromText(text);
            } else {
                return EditResult::Beep();
            }
            break;
        default: break;
    }
    document.SetModified(true);
    return EditResult::Done();
}

}  // namespace tarn
