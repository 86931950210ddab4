#include "model/FrequencyRules.h"

#include <cmath>
#include <optional>

#include "model/ChannelTable.h"
#include "model/FrequencyConversion.h"
#include "model/SystemSettings.h"
#include "model/ValueTables.h"

namespace tarn {
namespace {

constexpr double kAirLow = 108.0;
constexpr double kAirHigh = 136.975;
constexpr double kAirSplitLow = 118.0;
constexpr double kExpLow = 137.0;
constexpr double kExpHigh = 165.0;
constexpr double kWfmLow = 88.0;
constexpr double kWfmHigh = 108.0;  // not included
constexpr double kMaxShiftOffset = 9.95;
constexpr std::int32_t kShiftOffsetResolution = 50000;

// Steps come from a 3-bit record field; a larger value set by a caller is taken as the record would store it.
std::int32_t ResolutionOfStep(std::uint32_t step) { return StepResolution[step & 7u]; }

// The whole Hz value whose MHz form is exactly `mhz`, when there is one. HzToMhz gives every whole Hz value
// its own MHz value, so a slot's frequency equals `mhz` in MHz exactly when it equals this value in Hz.
std::optional<std::int32_t> ExactHz(double mhz) {
    if (!(std::fabs(mhz) < 2147.0)) return std::nullopt;
    const auto hz = static_cast<std::int32_t>(std::llround(mhz * 1000000.0));
    if (HzToMhz(hz) != mhz) return std::nullopt;
    return hz;
}

double Clamp(double value, double low, double high) { return value < low ? low : (value > high ? high : value); }

}  // namespace

namespace {

// The band `mhz` lies in as the settings enable the bands, or nothing when classifying would move it to a
// band edge. `slot` is the WX or BRS slot whose frequency matched, else 0.
std::optional<std::uint32_t> EnabledBandOf(const ChannelEntry& entry, double mhz, std::size_t& slot,
                                           const BandContext& context) {
    slot = 0;
    const auto& entries = context.table.Entries;
    const std::optional<std::int32_t> hz = ExactHz(mhz);
    if (hz && context.settings.WeatherBand) {
        for (std::size_t s = kWxFirstSlot; s < kBrsFirstSlot; ++s) {
            if (entries[s].RxFrequency == *hz) {
                slot = s;
                return kBandWx;
            }
        }
    }
    if (hz && context.settings.BrsMode) {
        for (std::size_t s = kBrsFirstSlot; s < kSlotsEnd; ++s) {
            if (entries[s].Empty == 0 && entries[s].RxFrequency == *hz) {
                slot = s;
                return kBandBrs;
            }
        }
    }
    if (mhz >= kAirLow && mhz <= kAirHigh) return kBandAm;
    if (mhz >= kExpLow && mhz <= kExpHigh && (context.settings.GrayExpansion == 1 || entry.Label.empty())) {
        return kBandExp;
    }
    if (mhz >= kWfmLow && mhz < kWfmHigh) return kBandWfm;
    return std::nullopt;
}

}  // namespace

std::uint32_t ClassifyFrequency(const ChannelEntry& entry, double& mhz, std::uint32_t step, std::size_t& slot,
                                const BandContext& context) {
    if (const auto band = EnabledBandOf(entry, mhz, slot, context)) {
        if (*band == kBandWx || *band == kBandBrs) return *band;
        mhz = RoundToResolution(mhz, ResolutionOfStep(step));
        return *band;
    }
    std::uint32_t band;
    if (mhz < kWfmLow) {
        mhz = kWfmLow;
        band = kBandWfm;
    } else if (context.settings.GrayExpansion == 1) {
        mhz = kExpHigh;
        band = kBandExp;
    } else {
        mhz = kAirHigh;
        band = kBandAm;
    }
    mhz = RoundToResolution(mhz, ResolutionOfStep(step));
    return band;
}

bool IsInEnabledBand(const ChannelEntry& entry, double mhz, const BandContext& context) {
    std::size_t slot = 0;
    return EnabledBandOf(entry, mhz, slot, context).has_value();
}

void ClampSplitFrequency(const ChannelEntry& entry, double& mhz, std::uint32_t step) {
    if (entry.Band == kBandAm) mhz = Clamp(mhz, kAirSplitLow, kAirHigh);
    if (entry.Band == kBandExp) mhz = Clamp(mhz, kExpLow, kExpHigh);
    mhz = RoundToResolution(mhz, ResolutionOfStep(step));
}

void ClampShiftOffset(double& mhz) {
    mhz = Clamp(mhz, 0.0, kMaxShiftOffset);
    mhz = RoundToResolution(mhz, kShiftOffsetResolution);
}

namespace {

void Reclassify(ChannelEntry& entry, const BandContext& context) {
    double mhz = HzToMhz(entry.RxFrequency);
    std::size_t slot = 0;
    entry.Band = ClassifyFrequency(entry, mhz, entry.Step, slot, context);
    entry.RxFrequency = MhzToHz(mhz);
}

}  // namespace

void ApplyBandDefaults(ChannelEntry& entry, const BandContext& context) {
    entry.Narrow = 0;
    switch (entry.Band) {
        case kBandAm:
        case kBandWfm:
        case kBandWx:
            entry.TxPower = 1;
            entry.ToneType = kToneNone;
            entry.CtcssIndex = 0;
            entry.DcsIndex = 0;
            entry.Step = entry.Band == kBandWfm ? 7 : 5;
            entry.RxUnit = 1;
            entry.TxUnit = 1;
            if (entry.Band != kBandWx) Reclassify(entry, context);
            entry.ShiftMode = kShiftSimplex;
            entry.TxFrequency = 0;
            entry.ShiftOffset = 0;
            break;
        case kBandExp:
            entry.Step = 0;
            entry.RxUnit = 0;
            entry.TxUnit = 0;
            Reclassify(entry, context);
            if (entry.ShiftMode == kShiftSplit) {
                double mhz = HzToMhz(entry.RxFrequency);
                ClampSplitFrequency(entry, mhz, entry.Step);
                entry.TxFrequency = MhzToHz(mhz);
            } else {
                entry.TxFrequency = 0;
            }
            entry.ShiftOffset = 0;
            break;
        default:  // BRS and values outside the bands: nothing more
            break;
    }
}

}  // namespace tarn
