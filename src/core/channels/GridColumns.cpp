#include "channels/GridColumns.h"

namespace tarn {

const std::array<GridColumn, kGridColumnCount>& GridColumns() {
    static constexpr std::array<GridColumn, kGridColumnCount> kColumns{{
        {"", "Chn", 480, kAlwaysShown},
        {"", "Mode", 480, 0},
        {"", "Wide", 480, 1},
        {"", "TAG", 1080, 2},
        {"Frequency", "Receive", 1080, 3},
        {"Frequency", "Transmit", 1080, 3},
        {"Frequency", "Shift", 1080, 3},
        {"SUB AUDIO", "Type", 960, 4},
        {"SUB AUDIO", "Dec/Enc", 960, 4},
        {"Pwr", "Mode", 480, 5},
        {"", "Step", 720, 6},
        {"Clk", "Sft", 480, 7},
        {"Tag", "Alp", 480, 8},
        {"", "SC", 480, 9},
        {"Rpt", "Sft", 960, 10},
    }};
    return kColumns;
}

int ColumnWidthTwips(int column, const std::array<int, 11>& itemVisible) {
    if (column < 0 || column >= kGridColumnCount) return 0;
    const GridColumn& c = GridColumns()[column];
    if (c.flag != kAlwaysShown && itemVisible[c.flag] != 1) return 0;
    return c.widthTwips;
}

std::vector<HeaderSpan> TopHeaderSpans() {
    std::vector<HeaderSpan> spans;
    for (int c = 0; c < kGridColumnCount; ++c) {
        const std::string_view caption = GridColumns()[c].topCaption;
        if (!spans.empty() && spans.back().caption == caption) {
            spans.back().last = c;
        } else {
            spans.push_back({c, c, caption});
        }
    }
    return spans;
}

}  // namespace tarn
