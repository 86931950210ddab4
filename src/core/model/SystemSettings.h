#pragma once
// The System Parameters: decoded by DecodeImage, encoded by EncodeImage, edited in place.
#include <cstdint>

#include "model/CloneImage.h"

namespace tarn {

// "Current Mode" values.
inline constexpr std::uint32_t kCurrentModeVfo = 0;
inline constexpr std::uint32_t kCurrentModeMr = 1;
inline constexpr std::uint32_t kCurrentModeBook = 2;
inline constexpr std::uint32_t kCurrentModeWx = 3;
inline constexpr std::uint32_t kCurrentModeBrs = 4;

struct SystemSettings {
    std::uint32_t ExpBandTx = 1;          // "Exp Band Tx": byte 7 bit 3
    std::uint32_t GrayBandTx = 0;         // "Gray Band Tx": byte 40 bit 6
    std::uint32_t WeatherBand = 1;        // "Weather Band": byte 7 bit 2
    std::uint32_t VhfExpansion = 1;       // "VHF Expansion": byte 7 bit 1
    std::uint32_t BrsMode = 1;            // "BRS Mode": byte 7 bit 0
    std::uint32_t GrayExpansion = 0;      // "Gray Expansion": byte 39 bit 4
    std::uint32_t VfoBand = 0;            // "VFO Band": 0 AM, 1 EXP, 2 WFM (byte 38 bits 7, 6, 5)
    std::uint32_t CurrentMode = 0;        // "Current Mode": byte 38 bits 4, 3, 2, 0
    std::uint32_t HomeEmergencyMode = 0;  // "HOME/Emergency Mode": 0 Off, 1 HOME, 2 Emergency
    std::uint32_t DisplayMode = 0;        // "Display Mode": byte 39 bit 2
    std::uint32_t AnlStatus = 0;          // "ANL Status": byte 39 bit 1
    std::uint32_t DualWatch = 0;          // "Dual Watch": byte 39 bit 0
    std::uint32_t BrsModeTx = 0;          // "BRS Mode TX": byte 40 bit 5

    void SetDefaults();
    // Reads the fields, then moves "Current Mode" off WX and BRS when those are switched off.
    void Decode(const CloneImage& image);
    // Writes the fields (with the same corrections, applied to this object too); other bits stay.
    void Encode(CloneImage& image);

    friend bool operator==(const SystemSettings&, const SystemSettings&) = default;
};

}  // namespace tarn
