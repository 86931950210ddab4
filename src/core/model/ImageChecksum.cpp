#include "model/ImageChecksum.h"

namespace tarn {

std::uint16_t ImageChecksum(const std::uint8_t* bytes, std::size_t length) {
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        sum = static_cast<std::uint16_t>(sum + (bytes[i] << 8 | bytes[i + 1]));
    }
    return sum;
}

void StoreAdjustmentChecksum(CloneImage& image) {
    const std::uint16_t sum = ImageChecksum(image.data() + kAdjustmentBlockOffset, kAdjustmentBlockSize);
    image[kChecksumOffset] = static_cast<std::uint8_t>(sum >> 8);
    image[kChecksumOffset + 1] = static_cast<std::uint8_t>(sum & 0xFF);
}

}  // namespace tarn
