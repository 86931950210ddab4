#pragma once
// The rules that tie a frequency to a band and round it to the channel's step.
#include <cstddef>
#include <cstdint>

#include "model/ChannelEntry.h"

namespace tarn {

struct SystemSettings;
struct ChannelTable;

// What the band rules look at besides the entry: the "Weather Band", "BRS Mode" and "Gray Expansion"
// settings and the WX and BRS slots of the channel table.
struct BandContext {
    const SystemSettings& settings;
    const ChannelTable& table;
};

// Returns the band 0..4 of `mhz` for `entry`; moves `mhz` into the band and rounds it to the step's
// resolution. `slot` is the WX or BRS slot whose frequency matched, else 0.
std::uint32_t ClassifyFrequency(const ChannelEntry& entry, double& mhz, std::uint32_t step, std::size_t& slot,
                                const BandContext& context);
// Whether `mhz` lies in one of the bands the settings enable for `entry` (or on a WX or BRS channel's
// frequency), so that ClassifyFrequency only rounds it and never moves it to a band edge.
bool IsInEnabledBand(const ChannelEntry& entry, double mhz, const BandContext& context);
// Clamps a Split transmit frequency into the entry's band (AM 118.0..136.975, EXP 137.0..165.0) and
// rounds it to the step's resolution.
void ClampSplitFrequency(const ChannelEntry& entry, double& mhz, std::uint32_t step);
// Clamps a repeater offset into 0..9.95 MHz and rounds it to 50 kHz.
void ClampShiftOffset(double& mhz);
// Gives an entry whose Band has just changed the defaults of its new band.
void ApplyBandDefaults(ChannelEntry& entry, const BandContext& context);

}  // namespace tarn
