#include "channels/ChannelCellText.h"

#include <gtest/gtest.h>

#include "model/SystemSettings.h"

namespace tarn {
namespace {

ChannelEntry Channel() {
    ChannelEntry e;
    e.Label = "   7";
    e.RxFrequency = 118100000;
    e.TxPower = 1;
    e.Step = 5;
    e.ClockShift = 1;
    SetTag(e, "TOWER");
    return e;
}

TEST(CellText, AirChannel) {
    const ChannelEntry e = Channel();
    const std::vector<std::string> expected{"   7", "AM", "-", "TOWER   ", "118.10000", "----------", "----------",
                                            "-----", "-----", "HI", "25k", "-", "-", "-", "Simplex"};
    for (int c = 0; c < 15; ++c) EXPECT_EQ(CellText(e, c), expected[c]) << c;
    EXPECT_EQ(CellText(e, 15), "");
    EXPECT_EQ(CellText(e, -1), "");
}

TEST(CellText, FrequenciesFollowTheShiftMode) {
    ChannelEntry e = Channel();
    e.ShiftMode = kShiftSplit;
    e.TxFrequency = 129975000;
    e.ShiftOffset = 600000;
    EXPECT_EQ(CellText(e, 5), "129.97500");
    EXPECT_EQ(CellText(e, 6), "----------");
    EXPECT_EQ(CellText(e, 14), "Split");
    e.ShiftMode = kShiftMinus;
    EXPECT_EQ(CellText(e, 5), "----------");
    EXPECT_EQ(CellText(e, 6), "  0.60000");
    EXPECT_EQ(CellText(e, 14), "-");
}

TEST(CellText, WidthOnlyForBusinessChannels) {
    ChannelEntry e = Channel();
    e.Narrow = 1;
    EXPECT_EQ(CellText(e, 2), "-");
    e.Band = kBandBrs;
    e.Mode = kBandBrs;
    EXPECT_EQ(CellText(e, 2), "N");
    EXPECT_EQ(CellText(e, 1), "BRS");
    e.Narrow = 0;
    EXPECT_EQ(CellText(e, 2), "W");
}

TEST(CellText, TonesAndFlags) {
    ChannelEntry e = Channel();
    e.ToneType = kToneCtcss;
    e.CtcssIndex = 0;
    EXPECT_EQ(CellText(e, 7), "CTCSS");
    EXPECT_EQ(CellText(e, 8), " 67.0");
    e.ToneType = kToneDcs;
    e.DcsIndex = 105;
    EXPECT_EQ(CellText(e, 7), "DCS");
    EXPECT_EQ(CellText(e, 8), "754");
    e.ClockShift = 0;
    e.TagDisplay = 1;
    e.Scan = 1;
    e.TxPower = 0;
    EXPECT_EQ(CellText(e, 9), "LO");
    EXPECT_EQ(CellText(e, 11), "v");
    EXPECT_EQ(CellText(e, 12), "v");
    EXPECT_EQ(CellText(e, 13), "v");
}

TEST(CellText, IndexesOutOfRangeShowNothing) {
    ChannelEntry e = Channel();
    e.Mode = 7;
    e.ToneType = kToneDcs;
    e.DcsIndex = 200;
    EXPECT_EQ(CellText(e, 1), "");
    EXPECT_EQ(CellText(e, 8), "");
    e.ToneType = kToneCtcss;
    e.CtcssIndex = 50;
    EXPECT_EQ(CellText(e, 8), "");
    e.Step = 9;
    EXPECT_EQ(CellText(e, 10), "");
}

TEST(ChannelGrid, GroupLabelsAndRows) {
    EXPECT_EQ(GroupLabelText(0), " MR GROUP      ");
    EXPECT_EQ(GroupLabelText(2), " WEATHER GROUP ");
    EXPECT_EQ(GroupLabelText(4), "");
    ChannelTable table;
    EXPECT_EQ(RowCount(table), 70);
    table.CurrentGroup = 3;
    table.GroupBase = 171;
    EXPECT_EQ(RowCount(table), 32);
    EXPECT_EQ(SlotOfRow(table, 31), 201u);
    table.GroupBase = 190;  // never rows past the last slot
    EXPECT_EQ(RowCount(table), 13);
    table.CurrentGroup = 9;
    EXPECT_EQ(RowCount(table), 0);
}

TEST(ChannelGrid, NextGroupLeavesOutSwitchedOffGroups) {
    ChannelTable table;
    SystemSettings settings;
    std::vector<std::uint32_t> seen;
    for (int i = 0; i < 4; ++i) {
        NextGroup(table, settings);
        seen.push_back(table.CurrentGroup);
    }
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{1, 2, 3, 0}));
    settings.WeatherBand = 0;
    table.CurrentGroup = 1;
    NextGroup(table, settings);
    EXPECT_EQ(table.CurrentGroup, 3u);
    EXPECT_EQ(table.GroupBase, 171u);
    EXPECT_EQ(table.CurrentIndex, 170u);
    settings.BrsMode = 0;
    table.CurrentGroup = 1;
    NextGroup(table, settings);
    EXPECT_EQ(table.CurrentGroup, 0u);
}

TEST(ChannelGrid, CellsAffectedByAChange) {
    EXPECT_TRUE(CellsAffectedBy(0).rowColour);
    EXPECT_EQ(CellsAffectedBy(4).columns, (std::vector<int>{1, 2, 4, 5, 6, 7, 8, 9, 10, 14}));
    EXPECT_EQ(CellsAffectedBy(10).columns, (std::vector<int>{10, 4, 5, 6}));
    EXPECT_EQ(CellsAffectedBy(8).columns, (std::vector<int>{7, 8}));
    EXPECT_EQ(CellsAffectedBy(12).columns, (std::vector<int>{12}));
    EXPECT_FALSE(CellsAffectedBy(1).rowColour);
    EXPECT_TRUE(CellsAffectedBy(15).columns.empty());
}

}  // namespace
}  // namespace tarn
