#include "model/ChannelFieldTexts.h"

#include <cstdio>

#include "model/FrequencyConversion.h"
#include "model/ValueTables.h"

namespace tarn {

std::string TagText(const ChannelEntry& entry) {
    char text[16];
    std::snprintf(text, sizeof text, "%-8.8s", entry.Tag.data());
    return text;
}

std::string FrequencyText(std::int32_t hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%9.5f", HzToMhz(hz));
    return text;
}

std::string ModeText(const ChannelEntry& entry) { return std::string(TableText(ModeNames, entry.Mode)); }
std::string StepText(const ChannelEntry& entry) { return std::string(TableText(StepNames, entry.Step)); }
std::string WidthText(const ChannelEntry& entry) { return std::string(TableText(WidthNames, entry.Narrow)); }
std::string ToneTypeText(const ChannelEntry& entry) { return std::string(TableText(ToneTypeNames, entry.ToneType)); }
std::string CtcssText(const ChannelEntry& entry) { return std::string(TableText(CtcssTones, entry.CtcssIndex)); }
std::string DcsText(const ChannelEntry& entry) { return std::string(TableText(DcsCodes, entry.DcsIndex)); }
std::string PowerText(const ChannelEntry& entry) { return std::string(TableText(PowerNames, entry.TxPower)); }
std::string ShiftText(const ChannelEntry& entry) { return std::string(TableText(ShiftNames, entry.ShiftMode)); }
std::string ClockShiftText(const ChannelEntry& entry) { return entry.ClockShift == 0 ? "v" : "-"; }
std::string FlagText(std::uint32_t flag) { return flag == 1 ? "v" : "-"; }

}  // namespace tarn
