#pragma once
// The radio's whole memory as one 4096-byte image, and the 8 bytes a file keeps after it.
#include <array>
#include <cstddef>
#include <cstdint>

namespace tarn {

inline constexpr std::size_t kImageSize = 4096;
inline constexpr std::size_t kTrailerSize = 8;
inline constexpr std::size_t kImageFileSize = kImageSize + kTrailerSize;  // 4104

using CloneImage = std::array<std::uint8_t, kImageSize>;
using ImageTrailer = std::array<std::uint8_t, kTrailerSize>;

// Regions of the image that more than one subsystem reads.
inline constexpr std::size_t kModelIdOffset = 4;           // bytes 4..5, 00 02 from a radio
inline constexpr std::size_t kHardwareConfigOffset = 7;    // bits 3..0
inline constexpr std::size_t kAlignmentBlockOffset = 64;   // 26 bytes
inline constexpr std::size_t kAlignmentBlockSize = 26;
inline constexpr std::size_t kAdjustmentBlockOffset = 90;  // 24 bytes, covered by the checksum
inline constexpr std::size_t kAdjustmentBlockSize = 24;
inline constexpr std::size_t kChecksumOffset = 2;          // big-endian
inline constexpr std::size_t kIdentityOffset = 3928;       // 12 bytes, serial number at 3936..3939
inline constexpr std::size_t kIdentitySize = 12;

}  // namespace tarn
