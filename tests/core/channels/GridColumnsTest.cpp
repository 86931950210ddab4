#include "channels/GridColumns.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "channels/GridColumnTexts.h"

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

// The columns are sized to these texts, so the rare and the widest ones must be among them.
TEST(GridColumns, ColumnTextsHoldEveryKindOfCellText) {
    const std::pair<int, std::string> cases[] = {
        {0, "PMSU"}, {0, "  90"}, {2, "N"}, {3, "WWWWWWWW"}, {5, "888.88888"}, {6, "----------"},
        {8, "254.1"}, {8, "754"}, {10, "12.5k"}, {11, "-"}, {14, "Simplex"},
    };
    for (const auto& [column, text] : cases) {
        const auto& texts = ColumnTexts(column);
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << column << " " << text;
    }
    EXPECT_TRUE(ColumnTexts(15).empty());
}

}  // namespace
}  // namespace tarn
