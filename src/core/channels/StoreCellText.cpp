#include "channels/StoreCellText.h"

#include <string>

#include "channels/ChannelFieldChanges.h"
#include "model/FrequencyConversion.h"
#include "model/ValueTables.h"

namespace tarn {
namespace {

void StoreTag(ChannelEntry& entry, std::string_view text) {
    std::string tag(text.substr(0, kTagLength));
    tag.resize(kTagLength, ' ');
    SetTag(entry, tag);
}

void StoreReceiveFrequency(ChannelEntry& entry, std::string_view text, const DocumentContent& content) {
    double mhz = HzToMhz(TypedFrequencyHz(text));
    std::size_t slot = 0;
    const std::uint32_t band = ClassifyFrequency(entry, mhz, entry.Step, slot, content.Bands());
    entry.RxFrequency = MhzToHz(mhz);
    if (band == kBandBrs) {
        // The frequency of a BRS channel: the channel becomes that BRS channel.
        const ChannelEntry& brs = content.Channels.Entries[slot];
        entry.Mode = brs.Mode;
        entry.Band = brs.Band;
        entry.RxFrequency = brs.RxFrequency;
        entry.TxFrequency = brs.TxFrequency;
        entry.ShiftOffset = brs.ShiftOffset;
        entry.Step = brs.Step;
        entry.ShiftMode = brs.ShiftMode;
        entry.RxUnit = brs.RxUnit;
        entry.TxUnit = brs.TxUnit;
    } else if (band != entry.Band) {
        entry.Mode = entry.Band = band;
        ApplyBandDefaults(entry, content.Bands());
    }
    if (OnAirCommunication(entry)) {
        entry.ShiftMode = kShiftSimplex;
        entry.TxFrequency = 0;
        entry.ShiftOffset = 0;
    }
    if (entry.ShiftMode == kShiftSplit) entry.TxFrequency = SplitTransmitFrequency(entry, entry.RxFrequency);
}

}  // namespace

EditResult StoreCellText(Document& document, std::size_t slot, int column, std::string_view text) {
    if (slot >= EntryCount) return EditResult::Refused();
    ChannelEntry& entry = document.Channels().Entries[slot];
    switch (column) {
        case 3: StoreTag(entry, text); break;
        case 4: StoreReceiveFrequency(entry, text, document.Content()); break;
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
