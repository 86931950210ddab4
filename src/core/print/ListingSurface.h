#pragma once
// Where a print job draws its lines: a printer page, a preview page, or a test's record.
#include <string>

namespace tarn {

class ListingSurface {
public:
    virtual ~ListingSurface() = default;
    // Draws `text` (UTF-8) with its top left corner at x, y in device units of the page's printable area.
    virtual void DrawLine(int x, int y, const std::string& text) = 0;
};

}  // namespace tarn
