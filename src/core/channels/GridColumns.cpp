#include "channels/GridColumns.h"

namespace tarn {

const std::array<GridColumn, kGridColumnCount>& GridColumns() {
    static constexpr std::array<GridColumn, kGridColumnCount> kColumns{{
        {"", "Chn", 480, kAlwaysShown, "PMSL"},
        {"", "Mode", 480, 0, "Mode"},
        {"", "Wide", 480, 1, "Wide"},
        {"", "TAG", 1080, 2, "MMMMMMMM"},
        {"Frequency", "Receive", 1080, 3, "000.00000"},
        {"Frequency", "Transmit", 1080, 3, "Transmit"},
        {"Frequency", "Shift", 1080, 3, "000.00000"},
        {"SUB AUDIO", "Type", 960, 4, "CTCSS"},
        {"SUB AUDIO", "Dec/Enc", 960, 4, "Dec/Enc"},
        {"Pwr", "Mode", 480, 5, "Mode"},
        {"", "Step", 720, 6, "12.5k"},
        {"Clk", "Sft", 480, 7, "Sft"},
        {"Tag", "Alp", 480, 8, "Alp"},
        {"", "SC", 480, 9, "SC"},
        {"Rpt", "Sft", 960, 10, "Simplex"},
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
