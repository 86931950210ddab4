#include "model/MiscSetupSettings.h"

#include <cmath>

#include "model/SettingsField.h"

namespace tarn {
namespace {

using S = MiscSetupSettings;
// "Temperature Offset" (byte 138) is converted separately.
constexpr SettingsField<S> kFields[] = {
    {139, 6, 2, &S::EmergencyFunction, 2},
    {139, 4, 2, &S::WeatherAlertFunction, 0},
    {120, 2, 1, &S::TemperatureCheckFunc, 0},
    {137, 0, 8, &S::TempCheckData, 50},
    {118, 4, 1, &S::TemperatureUnit, 0},
    {116, 3, 2, &S::Apo, 0},
    {118, 5, 1, &S::InternalMic, 0},
    {116, 7, 1, &S::DtmfMemoryMode, 0},
    {128, 0, 8, &S::EmgLedRed, 127},
    {129, 0, 8, &S::EmgLedGreen, 127},
    {130, 0, 8, &S::EmgLedBlue, 127},
    {131, 0, 8, &S::WxLedRed, 0},
    {132, 0, 8, &S::WxLedGreen, 127},
    {133, 0, 8, &S::WxLedBlue, 0},
    {134, 0, 8, &S::TempLedRed, 127},
    {135, 0, 8, &S::TempLedGreen, 0},
    {136, 0, 8, &S::TempLedBlue, 127},
    {122, 0, 8, &S::RxLedRed, 0},
    {123, 0, 8, &S::RxLedGreen, 65},
    {124, 0, 8, &S::RxLedBlue, 0},
    {125, 0, 8, &S::TxLedRed, 111},
    {126, 0, 8, &S::TxLedGreen, 0},
    {127, 0, 8, &S::TxLedBlue, 0},
};
constexpr std::size_t kTemperatureOffsetByte = 138;

}  // namespace

double DecodeTemperatureOffset(std::uint8_t stored) {
    const int magnitude = stored & 0x7F;
    return ((stored & 0x80) ? -magnitude : magnitude) / 10.0;
}

std::uint8_t EncodeTemperatureOffset(double degrees) {
    const double tenths = std::trunc(degrees * 10);
    // Values beyond +-12.7 degrees keep only what the seven magnitude bits hold, as the radio stores them.
    const long n = std::isfinite(tenths) ? static_cast<long>(std::fmax(std::fmin(tenths, 1e6), -1e6)) : 0;
    if (n < 0) return static_cast<std::uint8_t>((-n) % 128 + 128);
    return static_cast<std::uint8_t>(n % 128);
}

void MiscSetupSettings::SetDefaults() {
    SetFieldDefaults<S>(*this, kFields);
    TemperatureOffset = 0.0;
}

void MiscSetupSettings::Decode(const CloneImage& image) {
    DecodeFields<S>(*this, image, kFields);
    TemperatureOffset = DecodeTemperatureOffset(image[kTemperatureOffsetByte]);
}

void MiscSetupSettings::Encode(CloneImage& image) const {
    EncodeFields<S>(*this, image, kFields);
    image[kTemperatureOffsetByte] = EncodeTemperatureOffset(TemperatureOffset);
}

}  // namespace tarn
