#include "channels/GridColumns.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(GridColumns, HiddenItemsHaveNoWidthButTheChannelColumnAlwaysShows) {
    std::array<int, 11> visible;
    visible.fill(2);  // anything but 1 hides
    for (auto [column, twips] : {std::pair{0, 480}, {1, 0}, {15, 0}, {-1, 0}}) {
        EXPECT_EQ(ColumnWidthTwips(column, visible), twips) << column;
    }
}

TEST(GridColumns, TopCaptionsMergeOverEqualNeighbours) {
    std::string merged;
    for (const HeaderSpan& s : TopHeaderSpans()) {
        merged += std::to_string(s.first) + "-" + std::to_string(s.last) + std::string(s.caption) + " ";
    }
    EXPECT_EQ(merged, "0-3 4-6Frequency 7-8SUB AUDIO 9-9Pwr 10-10 11-11Clk 12-12Tag 13-13 14-14Rpt ");
}

}  // namespace
}  // namespace tarn
