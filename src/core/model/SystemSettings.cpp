#include "model/SystemSettings.h"

#include "model/SettingsField.h"

namespace tarn {
namespace {

constexpr std::size_t kConfigByte = 7;  // the radio's hardware configuration, bits 3..0
constexpr std::size_t kModeByte = 38;
constexpr std::size_t kDisplayByte = 39;
constexpr std::size_t kTxByte = 40;

// The fields stored as plain bits, in the order they are encoded.
constexpr SettingsField<SystemSettings> kLeadingFields[] = {
    {kConfigByte, 3, 1, &SystemSettings::ExpBandTx, 1},     {kTxByte, 6, 1, &SystemSettings::GrayBandTx, 0},
    {kConfigByte, 2, 1, &SystemSettings::WeatherBand, 1},   {kConfigByte, 1, 1, &SystemSettings::VhfExpansion, 1},
    {kConfigByte, 0, 1, &SystemSettings::BrsMode, 1},       {kDisplayByte, 4, 1, &SystemSettings::GrayExpansion, 0},
};
constexpr SettingsField<SystemSettings> kTrailingFields[] = {
    {kDisplayByte, 2, 1, &SystemSettings::DisplayMode, 0},
    {kDisplayByte, 1, 1, &SystemSettings::AnlStatus, 0},
    {kDisplayByte, 0, 1, &SystemSettings::DualWatch, 0},
    {kTxByte, 5, 1, &SystemSettings::BrsModeTx, 0},
};

// "Current Mode" 1..4 -> its bit in byte 38.
constexpr unsigned kCurrentModeBits[] = {0, 4, 3, 2, 0};

bool Bit(const CloneImage& image, std::size_t byte, unsigned bit) { return (image[byte] >> bit) & 1u; }

void CorrectCurrentMode(SystemSettings& s) {
    if (s.WeatherBand == 0 && s.CurrentMode == kCurrentModeWx) s.CurrentMode = kCurrentModeBrs;
    if (s.BrsMode == 0 && s.CurrentMode == kCurrentModeBrs) s.CurrentMode = kCurrentModeVfo;
}

}  // namespace

void SystemSettings::SetDefaults() {
    SetFieldDefaults<SystemSettings>(*this, kLeadingFields);
    SetFieldDefaults<SystemSettings>(*this, kTrailingFields);
    VfoBand = 0;
    CurrentMode = kCurrentModeVfo;
    HomeEmergencyMode = 0;
}

void SystemSettings::Decode(const CloneImage& image) {
    DecodeFields<SystemSettings>(*this, image, kLeadingFields);
    DecodeFields<SystemSettings>(*this, image, kTrailingFields);
    VfoBand = Bit(image, kModeByte, 7) ? 0 : Bit(image, kModeByte, 6) ? 1 : 2;
    CurrentMode = Bit(image, kModeByte, 4)   ? kCurrentModeMr
                  : Bit(image, kModeByte, 3) ? kCurrentModeBook
                  : Bit(image, kModeByte, 2) ? kCurrentModeWx
                  : Bit(image, kModeByte, 0) ? kCurrentModeBrs
                                             : kCurrentModeVfo;
    HomeEmergencyMode = Bit(image, kModeByte, 1) ? 1 : Bit(image, kTxByte, 7) ? 2 : 0;
    CorrectCurrentMode(*this);
}

void SystemSettings::Encode(CloneImage& image) {
    EncodeFields<SystemSettings>(*this, image, kLeadingFields);
    WriteBits(image, kModeByte, 5, 3, VfoBand == 0 ? 4u : VfoBand == 1 ? 2u : 1u);
    CorrectCurrentMode(*this);
    image[kModeByte] &= static_cast<std::uint8_t>(~0x1D);
    if (CurrentMode >= kCurrentModeMr && CurrentMode <= kCurrentModeBrs) {
        WriteBits(image, kModeByte, kCurrentModeBits[CurrentMode], 1, 1);
    }
    WriteBits(image, kModeByte, 1, 1, HomeEmergencyMode == 1);
    WriteBits(image, kTxByte, 7, 1, HomeEmergencyMode == 2);
    EncodeFields<SystemSettings>(*this, image, kTrailingFields);
}

}  // namespace tarn
