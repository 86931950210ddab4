#include "channels/GridColumns.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(GridColumns, FlagsShowAndHideTheirColumns) {
    EXPECT_EQ(ColumnsOfFlag(3), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(ColumnsOfFlag(4), (std::vector<int>{7, 8}));
    for (int flag : {0, 1, 2}) EXPECT_EQ(ColumnsOfFlag(flag), (std::vector<int>{flag + 1}));
    // TX Power .. RPT Shift come after the frequency and sub-audio columns.
    for (int flag = 5; flag <= 10; ++flag) EXPECT_EQ(ColumnsOfFlag(flag), (std::vector<int>{flag + 4}));

    std::array<int, 11> visible{1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(ColumnWidthTwips(4, visible), 0);
    EXPECT_EQ(ColumnWidthTwips(6, visible), 0);
    EXPECT_EQ(ColumnWidthTwips(7, visible), 960);
    visible.fill(0);
    EXPECT_EQ(ColumnWidthTwips(0, visible), 480);  // the channel column is always there
    EXPECT_EQ(ColumnWidthTwips(15, visible), 0);
}

TEST(GridColumns, TopCaptionsMergeOverEqualNeighbours) {
    const auto spans = TopHeaderSpans();
    ASSERT_EQ(spans.size(), 9u);
    EXPECT_EQ(spans[0].first, 0);
    EXPECT_EQ(spans[0].last, 3);
    EXPECT_EQ(spans[1].caption, "Frequency");
    EXPECT_EQ(spans[1].first, 4);
    EXPECT_EQ(spans[1].last, 6);
    EXPECT_EQ(spans[2].caption, "SUB AUDIO");
    EXPECT_EQ(spans[2].last, 8);
    EXPECT_EQ(spans[8].caption, "Rpt");
}

}  // namespace
}  // namespace tarn
