#include "model/KeySetSettings.h"

#include "model/SettingsField.h"

namespace tarn {
namespace {

using S = KeySetSettings;
// "PTT Key Dial Lock" is converted between list position and mask separately.
constexpr SettingsField<S> kFields[] = {
    {114, 3, 1, &S::LockStatus, 0},
    {120, 6, 1, &S::Key1215, 0},
    {121, 4, 4, &S::User1Key, 1},
    {121, 0, 4, &S::User2Key, 4},
};
constexpr std::size_t kLockByte = 114;
constexpr std::uint32_t kKeyLockPosition = 1;
constexpr std::uint8_t kKeyLockMask = 2;

}  // namespace

void KeySetSettings::SetDefaults() {
    SetFieldDefaults<S>(*this, kFields);
    PttKeyDialLock = kKeyLockPosition;
}

void KeySetSettings::Decode(const CloneImage& image) {
    DecodeFields<S>(*this, image, kFields);
    const std::uint32_t mask = ReadBits(image, kLockByte, 0, 3);
    PttKeyDialLock = kKeyLockPosition;  // also for a stored 0
    for (std::uint32_t position = 0; position < kPttKeyDialLockMasks.size(); ++position) {
        if (kPttKeyDialLockMasks[position] == mask) PttKeyDialLock = position;
    }
}

void KeySetSettings::Encode(CloneImage& image) const {
    EncodeFields<S>(*this, image, kFields);
    const std::uint8_t mask =
        PttKeyDialLock < kPttKeyDialLockMasks.size() ? kPttKeyDialLockMasks[PttKeyDialLock] : kKeyLockMask;
    WriteBits(image, kLockByte, 0, 3, mask);
}

}  // namespace tarn
