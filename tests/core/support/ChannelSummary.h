#pragma once
// A channel's fields as the grid shows them, on one line, so that a test compares a whole channel at once:
// "TAG|mode rx tx shift offset|tone ctcss dcs|power step width clock-shift tag-display scan".
#include <string>

#include "model/ChannelFieldTexts.h"

namespace tarn::test {

inline std::string ChannelSummary(const ChannelEntry& e) {
    return TagText(e) + "|" + ModeText(e) + FrequencyText(e.RxFrequency) + FrequencyText(e.TxFrequency) + ShiftText(e) +
           FrequencyText(e.ShiftOffset) + "|" + ToneTypeText(e) + CtcssText(e) + DcsText(e) + "|" + PowerText(e) +
           StepText(e) + WidthText(e) + ClockShiftText(e) + FlagText(e.TagDisplay) + FlagText(e.Scan);
}

}  // namespace tarn::test
