#include "channels/PickLists.h"

#include "model/ChannelEntry.h"
#include "model/ValueTables.h"

namespace tarn {

PickList TonePickList(std::uint32_t toneType, std::uint32_t index) {
    PickList list;
    if (toneType == kToneCtcss) {
        list.caption = "CTCSS Frequency";
        list.items.assign(CtcssTones.begin(), CtcssTones.begin() + kAscendingCtcssTones);
    } else {
        list.caption = "DCS Frequency";
        list.items.assign(DcsCodes.begin(), DcsCodes.end());
    }
    if (index < list.items.size()) list.selected = static_cast<int>(index);
    return list;
}

PickList StepPickList(int column, std::uint32_t step) {
    PickList list;
    if (column != 10) return list;
    list.caption = "STEP";
    list.items.assign(StepNames.begin(), StepNames.end());
    if (step < list.items.size()) list.selected = static_cast<int>(step);
    return list;
}

std::optional<std::uint32_t> ToneChosenOnOk(int selectedRow) {
    if (selectedRow < 0) return std::nullopt;
    return static_cast<std::uint32_t>(selectedRow);
}

std::uint32_t StepChosenOnOk(int selectedRow) { return selectedRow < 0 ? 0 : static_cast<std::uint32_t>(selectedRow); }

}  // namespace tarn
