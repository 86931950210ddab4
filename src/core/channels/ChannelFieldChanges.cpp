#include "channels/ChannelFieldChanges.h"

#include <string>

#include "model/ChannelTable.h"
#include "model/FrequencyConversion.h"

namespace tarn {
namespace {

constexpr std::int32_t kAirCommunicationLowHz = 118000000;

// "5k", "10k", "15k", "20k" lie on the 5 kHz unit; the others need the 6.25 kHz unit.
std::uint32_t UnitOfStep(std::uint32_t step) { return step == 0 || step == 1 || step == 3 || step == 4 ? 0 : 1; }

}  // namespace

void StoreTag(ChannelEntry& entry, std::string_view text) {
    std::string tag(text.substr(0, kTagLength));
    tag.resize(kTagLength, ' ');
    SetTag(entry, tag);
}

void StoreReceiveFrequency(ChannelEntry& entry, std::int32_t hz, const BandContext& bands) {
    double mhz = HzToMhz(hz);
    std::size_t slot = 0;
    const std::uint32_t band = ClassifyFrequency(entry, mhz, entry.Step, slot, bands);
    entry.RxFrequency = MhzToHz(mhz);
    if (band == kBandBrs) {
        // The frequency of a BRS channel: the channel becomes that BRS channel.
        const ChannelEntry& brs = bands.table.Entries[slot];
        entry.Mode = brs.Mode;
        entry.Band = brs.Band;
        entry.RxFrequency = brs.RxFrequency;
        entry.TxFrequency = brs.TxFrequency;
        entry.ShiftOffset = brs.ShiftOffset;
        entry.Step = brs.Step;
        entry.ShiftMode = brs.ShiftMode;
        entry.RxUnit = brs.RxUnit;
        entry.TxUnit = brs.TxUnit;
    } else if (band != entry.Band) {
        entry.Mode = entry.Band = band;
        ApplyBandDefaults(entry, bands);
    }
    if (OnAirCommunication(entry)) {
        entry.ShiftMode = kShiftSimplex;
        entry.TxFrequency = 0;
        entry.ShiftOffset = 0;
    }
    if (entry.ShiftMode == kShiftSplit) entry.TxFrequency = SplitTransmitFrequency(entry, entry.RxFrequency);
}

std::int32_t SplitTransmitFrequency(const ChannelEntry& entry, std::int32_t hz) {
    double mhz = HzToMhz(hz);
    ClampSplitFrequency(entry, mhz, entry.Step);
    return MhzToHz(mhz);
}

std::int32_t ShiftOffsetHz(std::int32_t hz) {
    double mhz = HzToMhz(hz);
    ClampShiftOffset(mhz);
    return MhzToHz(mhz);
}

void ReclassifyReceiveFrequency(ChannelEntry& entry, const BandContext& bands, bool bandFollows) {
    double mhz = HzToMhz(entry.RxFrequency);
    std::size_t slot = 0;
    const std::uint32_t band = ClassifyFrequency(entry, mhz, entry.Step, slot, bands);
    if (bandFollows) entry.Band = band;
    entry.RxFrequency = MhzToHz(mhz);
}

void ApplyStep(ChannelEntry& entry, const BandContext& bands, bool bandFollows) {
    entry.RxUnit = entry.TxUnit = UnitOfStep(entry.Step);
    ReclassifyReceiveFrequency(entry, bands, bandFollows);
    if (entry.ShiftMode == kShiftSplit) entry.TxFrequency = SplitTransmitFrequency(entry, entry.TxFrequency);
}

void SetShiftMode(ChannelEntry& entry, std::uint32_t shiftMode) {
    entry.ShiftMode = shiftMode;
    entry.TxFrequency = shiftMode == kShiftSplit ? SplitTransmitFrequency(entry, entry.RxFrequency) : 0;
    if (!IsShiftWithOffset(shiftMode)) entry.ShiftOffset = 0;
}

bool OnAirNavigation(const ChannelEntry& entry) {
    return entry.Band == kBandAm && entry.RxFrequency < kAirCommunicationLowHz;
}

bool OnAirCommunication(const ChannelEntry& entry) {
    return entry.Band == kBandAm && entry.RxFrequency >= kAirCommunicationLowHz;
}

}  // namespace tarn
