#include "channels/ChannelCellText.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarn {
namespace {

ChannelEntry Tower() {
    ChannelEntry e{.Label = "   7", .RxFrequency = 118100000, .TxPower = 1, .Step = 5, .ClockShift = 1};
    SetTag(e, "TOWER");
    return e;
}

std::vector<std::string> Row(const ChannelEntry& e) {
    std::vector<std::string> cells;
    for (int c = -1; c <= 15; ++c) cells.push_back(CellText(e, c));
    return cells;
}

TEST(CellText, EachColumnShowsItsFieldAndOnlyWhatTheChannelUses) {
    struct Case {
        const char* what;
        std::function<void(ChannelEntry&)> change;
        std::vector<std::string> cells;  // columns -1..15
    };
    const std::vector<Case> cases{
        {"split, narrow outside BRS, CTCSS",
         [](ChannelEntry& e) {
             std::tie(e.ShiftMode, e.TxFrequency, e.ShiftOffset) = std::tuple(kShiftSplit, 129975000, 600000);
             std::tie(e.Narrow, e.ToneType, e.CtcssIndex) = std::tuple(1, kToneCtcss, 0);
         },
         {"", "   7", "AM", "-", "TOWER   ", "118.10000", "129.97500", "----------", "CTCSS", " 67.0", "HI", "25k",
          "-", "-", "-", "Split", ""}},
        {"minus shift on BRS, DCS, flags",
         [](ChannelEntry& e) {
             std::tie(e.Band, e.Mode, e.Narrow) = std::tuple(kBandBrs, kBandBrs, 1);
             std::tie(e.ShiftMode, e.ShiftOffset) = std::tuple(kShiftMinus, 600000);
             std::tie(e.ToneType, e.DcsIndex) = std::tuple(kToneDcs, 105);
             std::tie(e.ClockShift, e.TagDisplay, e.Scan, e.TxPower) = std::tuple(0, 1, 1, 0);
         },
         {"", "   7", "BRS", "N", "TOWER   ", "118.10000", "----------", "  0.60000", "DCS", "754", "LO", "25k", "v",
          "v", "v", "-", ""}},
        {"indexes beyond the tables",
         [](ChannelEntry& e) { std::tie(e.Mode, e.ToneType, e.DcsIndex, e.Step) = std::tuple(7, kToneDcs, 200, 9); },
         {"", "   7", "", "-", "TOWER   ", "118.10000", "----------", "----------", "DCS", "", "HI", "", "-", "-", "-",
          "Simplex", ""}},
    };
    for (const Case& c : cases) {
        ChannelEntry e = Tower();
        c.change(e);
        EXPECT_EQ(Row(e), c.cells) << c.what;
    }
}

TEST(ChannelGrid, RowsNeverRunPastTheLastSlot) {
    ChannelTable table;
    EXPECT_EQ(GroupLabelText(4), "");
    table.CurrentGroup = 3;
    table.GroupBase = 171;
    EXPECT_EQ(std::tuple(RowCount(table), SlotOfRow(table, 31)), std::tuple(32, std::size_t{201}));
    table.GroupBase = 190;
    EXPECT_EQ(RowCount(table), 13);
    table.CurrentGroup = 9;
    EXPECT_EQ(RowCount(table), 0);
}

}  // namespace
}  // namespace tarn
