#include "channels/StepField.h"

#include "channels/ChannelEditLabel.h"
#include "channels/ChannelFieldChanges.h"
#include "model/EditStep.h"

namespace tarn {
namespace {

// The refusals before the column's own rule, in the order the grid applies them.
EditResult Refusal(const ChannelTable& table, const ChannelEntry& entry, int column) {
    if (column != 0 && entry.Empty == 1) return EditResult::Refused();
    const bool weather = table.CurrentGroup == kGroupWx || entry.Band == kBandWx;
    const bool brs = table.CurrentGroup == kGroupBrs || entry.Band == kBandBrs;
    switch (column) {
        case 1:
        case 10:
        case 14:
            if (weather || brs) return EditResult::Beep();
            break;
        case 2:
        case 7:
        case 8:
        case 9:
            if (weather) return EditResult::Beep();
            break;
        case 0:
            if (table.CurrentGroup == kGroupWx || table.CurrentGroup == kGroupBrs) return EditResult::Beep();
            break;
        case 11:
        case 12:
            if (table.CurrentGroup == kGroupWx) return EditResult::Beep();
            break;
        default: break;
    }
    return EditResult::Done();
}

std::uint32_t Toggled(std::uint32_t flag) { return flag == 0 ? 1 : 0; }

bool StepEmpty(ChannelEntry& entry, std::size_t slot) {
    // MR 1 and BOOK 1 are never taken out of use.
    if (AlwaysInUse(slot) && entry.Empty == 0) return true;
    entry.Empty = Toggled(entry.Empty);
    return true;
}

bool StepTone(ChannelEntry& entry, ChannelPicker& picker) {
    if (entry.ToneType == kToneCtcss) {
        if (const auto index = picker.PickTone(kToneCtcss, entry.CtcssIndex, 8)) entry.CtcssIndex = *index;
        return true;
    }
    if (entry.ToneType == kToneDcs) {
        if (const auto index = picker.PickTone(kToneDcs, entry.DcsIndex, 8)) entry.DcsIndex = *index;
        return true;
    }
    return false;
}

bool StepStep(ChannelEntry& entry, const BandContext& bands, ChannelPicker& picker) {
    if (entry.Band != kBandExp && entry.Band != kBandWfm) return false;
    if (const auto step = picker.PickStep(10, entry.Step)) entry.Step = *step;
    ApplyStep(entry, bands, true);
    return true;
}

bool StepShift(ChannelEntry& entry) {
    if (OnAirNavigation(entry)) {
        // Below 118 MHz the air band has only Simplex and Split.
        SetShiftMode(entry, entry.ShiftMode < kShiftSplit ? kShiftSplit : kShiftSimplex);
        return true;
    }
    if (entry.Band != kBandExp) return false;
    SetShiftMode(entry, (entry.ShiftMode + 1) % 4);
    return true;
}

// Applies the column's rule; false when the channel's mode or band does not allow it (a beep).
bool StepColumn(Document& document, ChannelEntry& entry, int column, ChannelPicker& picker) {
    switch (column) {
        case 0: return StepEmpty(entry, document.Channels().CurrentIndex);
        case 2:
            if (entry.Mode != kBandBrs) return false;
            entry.Narrow = Toggled(entry.Narrow);
            return true;
        case 7:
            if (!ModeIsOneOf(entry, kBandExp, kBandBrs)) return false;
            entry.ToneType = (entry.ToneType + 1) % 3;
            return true;
        case 8: return StepTone(entry, picker);
        case 9:
            if (!ModeIsOneOf(entry, kBandExp, kBandBrs)) return false;
            entry.TxPower = Toggled(entry.TxPower);
            return true;
        case 10: return StepStep(entry, document.Content().Bands(), picker);
        case 11: entry.ClockShift = Toggled(entry.ClockShift); return true;
        case 12: entry.TagDisplay = Toggled(entry.TagDisplay); return true;
        case 13: entry.Scan = Toggled(entry.Scan); return true;
        case 14: return StepShift(entry);
        default: return true;  // Mode, TAG and the frequencies do not step
    }
}

}  // namespace

EditResult StepField(Document& document, int column, ChannelPicker& picker) {
    ChannelTable& table = document.Channels();
    if (table.CurrentIndex >= EntryCount) return EditResult::Refused();
    ChannelEntry& entry = table.Entries[table.CurrentIndex];
    if (const EditResult refusal = Refusal(table, entry, column); !refusal.done) return refusal;
    const EditStep step(document, CellEditLabel(table.CurrentIndex, column));
    if (!StepColumn(document, entry, column, picker)) return EditResult::Beep();
    document.SetModified(true);
    return EditResult::Done();
}

}  // namespace tarn
