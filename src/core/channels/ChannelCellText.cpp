#include "channels/ChannelCellText.h"

#include <algorithm>
#include <cstdio>

#include "channels/GridColumns.h"
#include "model/ChannelFieldTexts.h"
#include "model/SystemSettings.h"

namespace tarn {
namespace {

const std::string kNoFrequency = "----------";
const std::string kNoTone = "-----";

}  // namespace

std::string CellText(const ChannelEntry& e, int column) {
    switch (column) {
        case 0: return e.Label;
        case 1: return ModeText(e);
        case 2: return e.Band == kBandBrs ? WidthText(e) : "-";
        case 3: return TagText(e);
        case 4: return FrequencyText(e.RxFrequency);
        case 5: return e.ShiftMode == kShiftSplit ? FrequencyText(e.TxFrequency) : kNoFrequency;
        case 6: return IsShiftWithOffset(e.ShiftMode) ? FrequencyText(e.ShiftOffset) : kNoFrequency;
        case 7: return ToneTypeText(e);
        case 8:
            if (e.ToneType == kToneCtcss) return CtcssText(e);
            if (e.ToneType == kToneDcs) return DcsText(e);
            return kNoTone;
        case 9: return PowerText(e);
        case 10: return StepText(e);
        case 11: return ClockShiftText(e);
        case 12: return FlagText(e.TagDisplay);
        case 13: return FlagText(e.Scan);
        case 14: return ShiftText(e);
        default: return {};
    }
}

std::string GroupLabelText(std::uint32_t group) {
    if (group >= GroupCount) return {};
    char text[32];
    std::snprintf(text, sizeof text, " %-13.13s ", std::string(GroupNames[group]).c_str());
    return text;
}

std::size_t SlotOfRow(const ChannelTable& table, int row) {
    return static_cast<std::size_t>(table.GroupBase - 1) + static_cast<std::size_t>(row);
}

int RowCount(const ChannelTable& table) {
    if (table.CurrentGroup >= GroupCount) return 0;
    // Never more rows than slots left after the group's first one.
    const std::size_t first = table.GroupBase >= 1 ? table.GroupBase - 1 : 0;
    const std::size_t size = table.GroupSizes[table.CurrentGroup];
    return static_cast<int>(first >= EntryCount ? 0 : std::min<std::size_t>(size, EntryCount - first));
}

int RowOfSlot(const ChannelTable& table, std::size_t slot) {
    const std::size_t first = SlotOfRow(table, 0);
    if (slot < first || slot - first >= static_cast<std::size_t>(RowCount(table))) return -1;
    return static_cast<int>(slot - first);
}

AffectedCells CellsAffectedBy(int column) {
    switch (column) {
        case 0: return {true, {1, 4, 5, 6, 7, 8, 9, 10}};
        case 1: return {false, {1, 4, 5, 6, 7, 8, 9, 10}};
        case 4: return {false, {1, 2, 4, 5, 6, 7, 8, 9, 10, 14}};
        case 5: return {false, {5, 6, 7, 8}};
        case 6: return {false, {6, 7, 8}};
        case 7:
        case 8: return {false, {7, 8}};
        case 10: return {false, {10, 4, 5, 6}};
        case 14: return {false, {14, 5, 6}};
        default:
            if (column >= 0 && column < kGridColumnCount) return {false, {column}};
            return {};
    }
}

void NextGroup(ChannelTable& table, const SystemSettings& settings) {
    ++table.CurrentGroup;
    SelectGroup(table, settings);
}

}  // namespace tarn
