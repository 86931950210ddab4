#pragma once
// The radio's identity as stored in the image: firmware version and serial number (read only).
#include <string>

#include "model/CloneImage.h"

namespace tarn {

inline constexpr std::size_t kSerialNumberOffset = 3936;

// "FW Version": bytes 0..1 as four BCD digits, shown "%-d.%2.2d" (0x01 0x03 -> "1.03").
std::string FirmwareVersionText(const CloneImage& image);
// "Serial No": eight characters from bytes 3936..3939.
std::string SerialNumberText(const CloneImage& image);

}  // namespace tarn
