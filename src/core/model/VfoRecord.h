#pragma once
// The HOME record and the three VFO records, each one channel record with an empty Label.
#include <cstddef>

#include "model/ChannelEntry.h"
#include "model/CloneImage.h"
#include "model/FrequencyRules.h"

namespace tarn {

enum class VfoPage { Home, Air, VhfExpansion, FmRadio };

inline constexpr std::size_t kHomeRecordOffset = 140;
inline constexpr std::size_t kAirVfoRecordOffset = 158;
inline constexpr std::size_t kVhfExpansionVfoRecordOffset = 176;
inline constexpr std::size_t kFmRadioVfoRecordOffset = 194;

std::size_t VfoRecordOffset(VfoPage page);

struct VfoRecord {
    VfoPage Page;
    ChannelEntry Entry;

    explicit VfoRecord(VfoPage page) : Page(page) {}
    void SetDefaults();
    void Decode(CloneImage& image, const BandContext& context);
    void Encode(CloneImage& image, const BandContext& context);
};

}  // namespace tarn
