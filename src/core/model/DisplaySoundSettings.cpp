#include "model/DisplaySoundSettings.h"

#include "model/SettingsField.h"

namespace tarn {
namespace {

using S = DisplaySoundSettings;
constexpr SettingsField<S> kFields[] = {
    {114, 4, 1, &S::ScanPauseLamp, 1}, {115, 6, 2, &S::LampMode, 2},     {118, 3, 1, &S::LargeFont, 1},
    {119, 0, 4, &S::LcdContrast, 6},   {119, 4, 2, &S::Dimmer, 2},       {120, 0, 2, &S::SMeterSymbol, 0},
    {118, 0, 2, &S::DisplayMode, 0},   {120, 5, 1, &S::SpectrumWidth, 1}, {119, 6, 2, &S::Beep, 1},
    {115, 4, 1, &S::Bell, 0},          {118, 6, 2, &S::PowerOnBeep, 1},  {120, 4, 1, &S::RangeBeep, 1},
};

}  // namespace

void DisplaySoundSettings::SetDefaults() { SetFieldDefaults<S>(*this, kFields); }
void DisplaySoundSettings::Decode(const CloneImage& image) { DecodeFields<S>(*this, image, kFields); }
void DisplaySoundSettings::Encode(CloneImage& image) const { EncodeFields<S>(*this, image, kFields); }

}  // namespace tarn
