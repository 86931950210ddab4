#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>

#include "app/ProgramSettings.h"

namespace tarn {
namespace {

// A 1280 x 900 screen at scale factor 2 offers 640 x 450 logical pixels, less than the minimum: the
// window must still fit, or its menu bar ends up off-screen.
constexpr ScreenArea kHalfScaled{0, 0, 640, 450};
constexpr ScreenArea kWide{0, 0, 1920, 1040};
constexpr ScreenArea kRightScreen{1920, 30, 1280, 870};

TEST(WindowPlacement, SizeStaysBetweenTheMinimumAndTheAvailableArea) {
    struct Case {
        WindowSize stored;
        ScreenArea available;
        WindowSize minimum;
        WindowSize opening;
    };
    const Case cases[] = {
        {{1000, 700}, kWide, {860, 640}, {1000, 700}},
        {{300, 300}, kWide, {860, 640}, {860, 640}},
        {{860, 640}, kHalfScaled, {640, 450}, {640, 450}},
        // A size edited by hand: held to the screen, not allocated.
        {{INT_MAX, INT_MAX}, kRightScreen, {860, 640}, {1280, 870}},
        // A screen that reports no area yet still gives a window.
        {{860, 640}, {0, 0, 0, 0}, {1, 1}, {1, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MinimumWindowSize(c.available), c.minimum) << c.stored.width;
        EXPECT_EQ(OpeningWindowSize(c.stored, c.available), c.opening) << c.stored.width;
    }
}

TEST(WindowPlacement, WindowIsCentredWithItsTopLeftCornerOnTheArea) {
    struct Case {
        WindowSize size;
        ScreenArea available;
        WindowPosition expected;
    };
    const Case cases[] = {
        {{1000, 700}, kWide, {460, 170}},
        {{1280, 870}, kRightScreen, {1920, 30}},
        // Larger than the area: pinned to its top-left, so the title and menu bar stay reachable.
        {{1720, 1280}, kHalfScaled, {0, 0}},
        {{INT_MAX, INT_MAX}, kRightScreen, {1920, 30}},
    };
    for (const Case& c : cases) EXPECT_EQ(CentredWindowPosition(c.size, c.available), c.expected) << c.size.width;
}

}  // namespace
}  // namespace tarn
