#pragma once
// How a channel's fields are shown in the grid and the print listing.
#include <cstdint>
#include <string>

#include "model/ChannelEntry.h"

namespace tarn {

std::string TagText(const ChannelEntry& entry);         // "%-8.8s" of Tag
std::string FrequencyText(std::int32_t hz);             // "%9.5f" of MHz
std::string ModeText(const ChannelEntry& entry);        // ModeNames; empty when out of range
std::string StepText(const ChannelEntry& entry);        // StepNames
std::string WidthText(const ChannelEntry& entry);       // "W" / "N"
std::string ToneTypeText(const ChannelEntry& entry);    // "-----", "CTCSS", "DCS"
std::string CtcssText(const ChannelEntry& entry);       // CtcssTones at CtcssIndex; empty when out of range
std::string DcsText(const ChannelEntry& entry);         // DcsCodes at DcsIndex; empty when out of range
std::string PowerText(const ChannelEntry& entry);       // "LO" / "HI"
std::string ShiftText(const ChannelEntry& entry);       // "Simplex", "-", "+", "Split"
std::string ClockShiftText(const ChannelEntry& entry);  // "v" for 0, "-" for 1
std::string FlagText(std::uint32_t flag);               // "v" for 1, "-" for 0 (TagDisplay, Scan)

}  // namespace tarn
