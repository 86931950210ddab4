#pragma once
// The Common page "Misc Setup". List fields hold the position in their control's list.
#include <cstdint>

#include "model/CloneImage.h"

namespace tarn {

struct MiscSetupSettings {
    std::uint32_t EmergencyFunction = 2;     // "Emergency Function": byte 139 bits 7..6
    std::uint32_t WeatherAlertFunction = 0;  // "Weather Alert Function": byte 139 bits 5..4
    std::uint32_t TemperatureCheckFunc = 0;  // "Temperature Check Func": byte 120 bit 2
    std::uint32_t TempCheckData = 50;        // "TEMP Check Data": byte 137
    std::uint32_t TemperatureUnit = 0;       // "Temperature Unit": byte 118 bit 4 ("F", "C")
    double TemperatureOffset = 0.0;          // "Temperature Offset", degrees: byte 138, sign and tenths
    std::uint32_t Apo = 0;                   // "APO": byte 116 bits 4..3
    std::uint32_t InternalMic = 0;           // "Internal MIC": byte 118 bit 5
    std::uint32_t DtmfMemoryMode = 0;        // "DTMF Memory Mode": byte 116 bit 7
    std::uint32_t EmgLedRed = 127;           // "Emg. LED COLOR": bytes 128..130
    std::uint32_t EmgLedGreen = 127;
    std::uint32_t EmgLedBlue = 127;
    std::uint32_t WxLedRed = 0;              // "WX LED COLOR": bytes 131..133
    std::uint32_t WxLedGreen = 127;
    std::uint32_t WxLedBlue = 0;
    std::uint32_t TempLedRed = 127;          // "Temp LED COLOR": bytes 134..136
    std::uint32_t TempLedGreen = 0;
    std::uint32_t TempLedBlue = 127;
    std::uint32_t RxLedRed = 0;              // "RX LED COLOR": bytes 122..124
    std::uint32_t RxLedGreen = 65;
    std::uint32_t RxLedBlue = 0;
    std::uint32_t TxLedRed = 111;            // "TX LED COLOR": bytes 125..127
    std::uint32_t TxLedGreen = 0;
    std::uint32_t TxLedBlue = 0;

    void SetDefaults();
    void Decode(const CloneImage& image);
    void Encode(CloneImage& image) const;
};

// Byte 138: bit 7 the sign (1 negative), bits 6..0 the magnitude in tenths of a degree.
double DecodeTemperatureOffset(std::uint8_t stored);
std::uint8_t EncodeTemperatureOffset(double degrees);

}  // namespace tarn
