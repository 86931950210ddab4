#pragma once
#include <cstddef>
#include <cstdint>

#include "model/CloneImage.h"

namespace tarn {

// Sum of big-endian 16-bit words over `length` bytes, modulo 65536; an odd last byte is ignored.
std::uint16_t ImageChecksum(const std::uint8_t* bytes, std::size_t length);

// Stores the checksum of the adjustment block in bytes 2 (high) and 3 (low).
void StoreAdjustmentChecksum(CloneImage& image);

}  // namespace tarn
