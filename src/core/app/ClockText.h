#pragma once
// The status bar's clock: " 9:05" (hour, then two-digit minutes, after one blank).
#include <string>

namespace tarn {

std::string ClockText(int hour, int minute);

}  // namespace tarn
