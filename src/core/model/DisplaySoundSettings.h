#pragma once
// The Common page "Display & Sound". Each field holds the position in its control's list.
#include <cstdint>

#include "model/CloneImage.h"

namespace tarn {

struct DisplaySoundSettings {
    std::uint32_t ScanPauseLamp = 1;  // "SCAN Pause LAMP": byte 114 bit 4
    std::uint32_t LampMode = 2;       // "Lamp Mode": byte 115 bits 7..6
    std::uint32_t LargeFont = 1;      // "Large Font": byte 118 bit 3
    std::uint32_t LcdContrast = 6;    // "LCD Contrast": byte 119 bits 3..0
    std::uint32_t Dimmer = 2;         // "DIMMER": byte 119 bits 5..4
    std::uint32_t SMeterSymbol = 0;   // "S Meter Symbol": byte 120 bits 1..0
    std::uint32_t DisplayMode = 0;    // "Display Mode": byte 118 bits 1..0
    std::uint32_t SpectrumWidth = 1;  // "Spectrum Width": byte 120 bit 5
    std::uint32_t Beep = 1;           // "Beep": byte 119 bits 7..6
    std::uint32_t Bell = 0;           // "Bell": byte 115 bit 4
    std::uint32_t PowerOnBeep = 1;    // "Power On Beep": byte 118 bits 7..6
    std::uint32_t RangeBeep = 1;      // "RANGE Beep": byte 120 bit 4

    void SetDefaults();
    void Decode(const CloneImage& image);
    void Encode(CloneImage& image) const;
};

}  // namespace tarn
