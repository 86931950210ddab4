#include "model/TxRxSettings.h"

#include "model/SettingsField.h"

namespace tarn {
namespace {

using S = TxRxSettings;
constexpr SettingsField<S> kFields[] = {
    {117, 0, 4, &S::SqlLevel, 6},       {117, 4, 4, &S::FmRadioSqlLevel, 3}, {115, 0, 3, &S::RxSave, 1},
    {114, 7, 1, &S::ScanStopResume, 1}, {114, 6, 1, &S::DwPri, 0},           {116, 0, 3, &S::PriTime, 3},
    {139, 0, 2, &S::Tot, 0},            {120, 3, 1, &S::ExtraValue, 1},      {115, 5, 1, &S::Bclo, 0},
};

}  // namespace

void TxRxSettings::SetDefaults() { SetFieldDefaults<S>(*this, kFields); }
void TxRxSettings::Decode(const CloneImage& image) { DecodeFields<S>(*this, image, kFields); }
void TxRxSettings::Encode(CloneImage& image) const { EncodeFields<S>(*this, image, kFields); }

}  // namespace tarn
