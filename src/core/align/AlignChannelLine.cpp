#include "align/AlignChannelLine.h"

#include <cstdio>

#include "model/ValueTables.h"

namespace tarn {
namespace {

std::string Megahertz(std::int32_t hertz) {
    char text[32];
    std::snprintf(text, sizeof text, "%3.6f", hertz / 1000000.0);
    return text;
}

template <std::size_t N>
std::string Named(const std::array<std::string_view, N>& names, std::uint32_t index) {
    return index < N ? std::string(names[index]) : std::string();
}

std::string PowerText(const ChannelEntry& channel) {
    switch (channel.Mode) {
        case kBandAm: return channel.TxPower == 1 ? "High" : "Low";
        case kBandExp:
        case kBandBrs: return channel.TxPower == 1 ? "High" : channel.TxPower == 0 ? "L1" : "---";
        default: return "---";
    }
}

}  // namespace

AlignChannelLine ChannelLineTexts(const ChannelEntry& channel, bool error) {
    if (error) return {"Error", "Error", "Error", "Error", "Error", "Error"};
    static constexpr std::array<std::string_view, 4> kShifts{"Simplex", "-", "+", "Split"};
    AlignChannelLine line;
    line.band = Named(ModeNames, channel.Mode);
    if (channel.Mode == kBandBrs) line.band += channel.Narrow ? "(Narrow)" : "(Wide)";
    line.step = Named(StepNames, channel.Step);
    line.rxFrequency = Megahertz(channel.RxFrequency);
    line.txFrequency = Megahertz(channel.ShiftMode == kShiftSplit ? channel.TxFrequency : channel.ShiftOffset);
    line.shift = Named(kShifts, channel.ShiftMode);
    line.power = PowerText(channel);
    return line;
}

}  // namespace tarn
