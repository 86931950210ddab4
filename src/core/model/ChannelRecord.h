#pragma once
// The 18-byte channel record inside the image, shared by the memory channels and the VFO/HOME records.
#include <cstddef>

#include "model/ChannelEntry.h"
#include "model/CloneImage.h"
#include "model/FrequencyRules.h"

namespace tarn {

inline constexpr std::size_t kChannelRecordSize = 18;

// Decodes the record at image offset `offset` into `entry` (Label and Empty are left alone). An erased
// memory channel record (offset 212 or above, bytes 14..15 FF FF) is first rewritten in the image as a
// copy of the Air VFO record at 118.000 MHz, Simplex.
void DecodeChannelRecord(CloneImage& image, std::size_t offset, ChannelEntry& entry, const BandContext& context);
// Encodes `entry` into the record at `offset`, classifying and rounding its frequencies first (the entry
// keeps the corrected values). Only the bits of the record's fields are changed.
void EncodeChannelRecord(ChannelEntry& entry, CloneImage& image, std::size_t offset, const BandContext& context);

}  // namespace tarn
