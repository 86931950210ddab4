#include "model/ChannelDefaults.h"

#include <array>
#include <cstdio>

#include "model/ChannelTable.h"

namespace tarn {
namespace {

constexpr std::array<std::int32_t, 10> kWxFrequencies{162550000, 162400000, 162475000, 162425000, 162450000,
                                                       162500000, 162525000, 161650000, 161775000, 163275000};
// Slots 170..201; 0 where the slot has no channel.
constexpr std::array<std::int32_t, 32> kBrsFrequencies{
    151625000, 151955000, 154570000, 154600000, 151700000, 151760000, 151525000, 151655000,
    151685000, 151715000, 151745000, 151775000, 151865000, 151895000, 151925000, 152700000,
    154490000, 154515000, 154540000, 154600000, 154655000, 158400000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// A cleared channel that listens on `hz` in `band`, with its TAG shown.
void SetListeningChannel(ChannelEntry& entry, std::uint32_t band, std::int32_t hz, const std::string& tag) {
    ClearChannel(entry);
    entry.Mode = band;
    entry.Band = band;
    entry.RxFrequency = hz;
    entry.TagDisplay = 1;
    SetTag(entry, tag);
}

std::string Numbered(const char* format, std::size_t number) {
    char text[16];
    std::snprintf(text, sizeof text, format, static_cast<int>(number));
    return text;
}

}  // namespace

void ClearChannel(ChannelEntry& entry) {
    entry.Mode = kBandAm;
    entry.Band = kBandAm;
    SetTag(entry, "        ");
    entry.TagCodes.fill(0);
    entry.RxFrequency = 118000000;
    entry.TxFrequency = 0;
    entry.ShiftOffset = 0;
    entry.ToneType = kToneNone;
    entry.CtcssEncode = entry.DcsDecode = entry.DcsEncode = entry.CtcssDecode = 0;
    entry.CtcssIndex = entry.DcsIndex = 0;
    entry.TxPower = 1;
    entry.Step = 5;
    entry.ClockShift = 1;
    entry.TagDisplay = 0;
    entry.Scan = 0;
    entry.ShiftMode = kShiftSimplex;
    entry.Narrow = 0;
    entry.RxUnit = 1;
    entry.TxUnit = 1;
}

void ApplyWxDefault(ChannelEntry& entry, std::size_t slot) {
    SetListeningChannel(entry, kBandWx, kWxFrequencies[slot - kWxFirstSlot],
                        Numbered("WX-%2.2d", slot - kWxFirstSlot + 1));
}

void ApplyBrsDefault(ChannelEntry& entry, std::size_t slot) {
    const std::int32_t hz = kBrsFrequencies[slot - kBrsFirstSlot];
    if (hz == 0) {
        ClearChannel(entry);
        entry.Empty = 1;
        return;
    }
    SetListeningChannel(entry, kBandBrs, hz, Numbered("ch %2.2d", slot - kBrsFirstSlot + 1));
    const bool offGrid = hz % 5000 != 0;
    entry.Step = offGrid ? 2 : 0;
    entry.RxUnit = entry.TxUnit = offGrid ? 1 : 0;
}

}  // namespace tarn
