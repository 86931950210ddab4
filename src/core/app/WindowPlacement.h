#pragma once
// The main window's size and place on the screen: the size kept in the configuration file is only a
// wish, the screen's available area (in the window system's logical pixels) has the last word.
namespace tarn {

struct ScreenArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct WindowSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowSize&, const WindowSize&) = default;
};

struct WindowPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

// The smallest the window can be made: 860 x 640, or the available area where the screen is smaller.
WindowSize MinimumWindowSize(const ScreenArea& available);
// The size the window opens with: the stored size, at least the minimum, at most the available area.
WindowSize OpeningWindowSize(WindowSize stored, const ScreenArea& available);
// Centred on the available area, with the top-left corner (title and menu bar) kept on it.
WindowPosition CentredWindowPosition(WindowSize size, const ScreenArea& available);

}  // namespace tarn
