#include "app/WindowPlacement.h"

#include <algorithm>

#include "app/ProgramSettings.h"

namespace tarn {
namespace {

// No less than one pixel, so an empty area reported by a screen being set up gives a usable window.
int AtLeastOne(int length) { return std::max(length, 1); }

}  // namespace

WindowSize MinimumWindowSize(const ScreenArea& available) {
    return {std::min(kMinWindowWidth, AtLeastOne(available.width)),
            std::min(kMinWindowHeight, AtLeastOne(available.height))};
}

WindowSize OpeningWindowSize(WindowSize stored, const ScreenArea& available) {
    const WindowSize minimum = MinimumWindowSize(available);
    return {std::clamp(stored.width, minimum.width, AtLeastOne(available.width)),
            std::clamp(stored.height, minimum.height, AtLeastOne(available.height))};
}

WindowPosition CentredWindowPosition(WindowSize size, const ScreenArea& available) {
    // Halving each length first keeps the sum of two large ints from overflowing.
    const int x = available.x + available.width / 2 - size.width / 2;
    const int y = available.y + available.height / 2 - size.height / 2;
    return {std::max(x, available.x), std::max(y, available.y)};
}

}  // namespace tarn
