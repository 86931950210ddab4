#include "app/ClockText.h"

#include <cstdio>

namespace tarn {

std::string ClockText(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, " %i:%02i", hour, minute);
    return text;
}

}  // namespace tarn
