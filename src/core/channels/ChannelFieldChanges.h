#pragma once
// Field changes that typing, stepping (Space, double click) and pasting into a cell share, and that an
// imported channel goes through so that it is always a channel the grid could make.
#include <cstdint>
#include <string_view>

#include "model/ChannelEntry.h"
#include "model/FrequencyRules.h"

namespace tarn {

// Whether the entry's Mode is one of the two bands: the grid opens several cells only to some bands.
inline bool ModeIsOneOf(const ChannelEntry& entry, std::uint32_t a, std::uint32_t b) {
    return entry.Mode == a || entry.Mode == b;
}

// The TAG as typed: the first eight characters, padded with blanks.
void StoreTag(ChannelEntry& entry, std::string_view text);

// A receive frequency as typed (`hz` on the 10 Hz grid): classified into its band (a BRS channel's frequency
// makes the channel that BRS channel; another band gives the band's defaults) and rounded to the step; the
// air band from 118 MHz becomes Simplex, and a Split transmit frequency restarts from the new frequency.
void StoreReceiveFrequency(ChannelEntry& entry, std::int32_t hz, const BandContext& bands);

// `hz` as a Split transmit frequency of the entry: clamped into its band's transmit range, rounded to its step.
std::int32_t SplitTransmitFrequency(const ChannelEntry& entry, std::int32_t hz);

// `hz` as a repeater offset: clamped into 0..9.95 MHz, rounded to 50 kHz.
std::int32_t ShiftOffsetHz(std::int32_t hz);

// The receive frequency rounded to the step's grid, or moved into a band when it lies in none; the band
// found is taken as Band when `bandFollows`, Mode stays.
void ReclassifyReceiveFrequency(ChannelEntry& entry, const BandContext& bands, bool bandFollows);
// After the entry's Step was chosen: the frequency units that hold the new step's grid, the receive
// frequency rounded to that grid (its band taken as Band when `bandFollows`; Mode stays), and the Split
// transmit frequency clamped and rounded.
void ApplyStep(ChannelEntry& entry, const BandContext& bands, bool bandFollows);

// Sets the repeater shift mode: Split starts the transmit frequency from the receive frequency (clamped
// into the band's transmit range), every other mode clears it; minus and plus keep the offset, the others
// clear it.
void SetShiftMode(ChannelEntry& entry, std::uint32_t shiftMode);

// Whether the entry is on the navigation part of the air band (below 118 MHz), where only Simplex and
// Split exist.
bool OnAirNavigation(const ChannelEntry& entry);
// Whether the entry is on the air band from 118 MHz up, which is Simplex only.
bool OnAirCommunication(const ChannelEntry& entry);

}  // namespace tarn
