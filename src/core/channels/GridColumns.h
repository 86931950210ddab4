#pragma once
// The fifteen columns of the channel grid: their two header captions, widths, the visibility flag
// (index into the program's ItemVisible settings) that shows or hides each.
#include <array>
#include <string_view>
#include <vector>

namespace tarn {

inline constexpr int kGridColumnCount = 15;
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kAlwaysShown = -1;

struct GridColumn {
    std::string_view topCaption;     // header row 0; neighbours with the same caption share one cell
    std::string_view bottomCaption;  // header row 1
    int widthTwips;
    int flag;                        // ItemVisible index, or kAlwaysShown
};

const std::array<GridColumn, kGridColumnCount>& GridColumns();

// The width of `column` for the given visibility flags: its table width, or 0 when hidden.
int ColumnWidthTwips(int column, const std::array<int, 11>& itemVisible);

// A run of neighbouring columns sharing one top-row caption.
struct HeaderSpan {
    int first;
    int last;
    std::string_view caption;
};
std::vector<HeaderSpan> TopHeaderSpans();

}  // namespace tarn
