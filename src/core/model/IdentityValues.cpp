#include "model/IdentityValues.h"

#include <cstdio>

namespace tarn {
namespace {

char DigitText(unsigned digit) { return "0123456789ABCD*#"[digit & 0x0F]; }

}  // namespace

std::string FirmwareVersionText(const CloneImage& image) {
    const int number = 1000 * (image[0] >> 4) + 100 * (image[0] & 0x0F) + 10 * (image[1] >> 4) + (image[1] & 0x0F);
    char text[16];
    std::snprintf(text, sizeof text, "%-d.%2.2d", number / 100, number % 100);
    return text;
}

std::string SerialNumberText(const CloneImage& image) {
    const std::uint8_t* b = image.data() + kSerialNumberOffset;
    std::string text;
    text.push_back(DigitText(b[0] >> 4));
    text.push_back(static_cast<char>('B' + (b[0] & 0x0F)));
    for (int i = 1; i < 4; ++i) {
        text.push_back(DigitText(b[i] >> 4));
        text.push_back(DigitText(b[i] & 0x0F));
    }
    return text;
}

}  // namespace tarn
