#pragma once
// The Common page "Key Set". Each field holds the position in its control's list.
#include <array>
#include <cstdint>

#include "model/CloneImage.h"

namespace tarn {

// "PTT Key Dial Lock": the stored lock mask (bit 2 PTT, bit 1 Key, bit 0 Dial) of each list position.
inline constexpr std::array<std::uint8_t, 7> kPttKeyDialLockMasks{4, 2, 1, 6, 5, 3, 7};

struct KeySetSettings {
    std::uint32_t LockStatus = 0;      // "Lock Status": byte 114 bit 3
    std::uint32_t PttKeyDialLock = 1;  // "PTT Key Dial Lock": list position; byte 114 bits 2..0 hold the mask
    std::uint32_t Key1215 = 0;         // "[121.5] Key": byte 120 bit 6
    std::uint32_t User1Key = 1;        // "[USER1] Key": byte 121 bits 7..4
    std::uint32_t User2Key = 4;        // "[USER2] Key": byte 121 bits 3..0

    void SetDefaults();
    void Decode(const CloneImage& image);
    void Encode(CloneImage& image) const;
};

}  // namespace tarn
