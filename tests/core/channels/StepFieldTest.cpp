#include <gtest/gtest.h>

#include "EditFixture.h"
#include "channels/ComplementDcs.h"
#include "channels/PickLists.h"
#include "channels/StepField.h"

namespace tarn {
namespace {

class StepFieldTest : public test::EditFixture {
protected:
    EditResult Space(int column) { return StepField(document, column, picker); }
    // Space on each of `columns` in turn: 'd' done, 'b' a beep, '.' silently nothing.
    std::string Spaces(std::initializer_list<int> columns) {
        std::string marks;
        for (int column : columns) {
            const EditResult result = Space(column);
            marks += result.done ? 'd' : result.beeps ? 'b' : '.';
        }
        return marks;
    }
};

TEST_F(StepFieldTest, ChannelNumberColumnSwitchesTheChannelInAndOutOfUse) {
    for (std::size_t slot : {0, 70}) {  // MR 1 and BOOK 1 are never taken out of use
        Select(slot);
        EXPECT_TRUE(Space(0).done);
        EXPECT_EQ(table.Entries[slot].Empty, 0u) << slot;
    }
    document.SetModified(false);
    ChannelEntry& empty = Select(5);
    ASSERT_EQ(empty.Empty, 1u);
    EXPECT_EQ(Spaces({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}), "..............");  // inert until in use
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(Space(0).done);
    EXPECT_EQ(empty.Empty, 0u);
    Space(0);
    EXPECT_EQ(empty.Empty, 1u);
}

TEST_F(StepFieldTest, ColumnsStepOnlyWhereTheModeAndGroupHaveThem) {
    Exp(3, 150000000);
    for (auto [column, shown] : {std::pair{7, "CTCSS"}, {7, "DCS"}, {7, "-----"}, {9, "LO"}, {9, "HI"}}) {
        Space(column);
        EXPECT_EQ(Text(column), shown);
    }

    document.SetModified(false);
    Select(160);
    EXPECT_EQ(Spaces({0, 1, 2, 7, 8, 9, 10, 11, 12, 14}), "bbbbbbbbbb");
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(Spaces({13}), "d");
    Select(171);
    EXPECT_EQ(Spaces({0, 1, 10, 14, 2, 7, 9, 11, 12, 13}), "bbbbdddddd");
    EXPECT_EQ(Text(2), "N");
}

TEST_F(StepFieldTest, RepeaterShiftBelow118MhzIsSimplexOrSplit) {
    ChannelEntry& nav = Air(2, 113000000);
    Space(14);
    EXPECT_EQ(std::tuple(Text(14), nav.TxFrequency), std::tuple("Split", 118000000));
    Space(14);
    EXPECT_EQ(std::tuple(Text(14), nav.TxFrequency), std::tuple("Simplex", 0));

    ChannelEntry& exp = Exp(4, 150000000);
    exp.ShiftOffset = 600000;
    for (auto [shift, offset, tx] : {std::tuple{"-", "  0.60000", "----------"}, {"+", "  0.60000", "----------"},
                                     {"Split", "----------", "150.00000"}, {"Simplex", "----------", "----------"}}) {
        Space(14);
        EXPECT_EQ(std::tuple(Text(14), Text(6), Text(5)), std::tuple(shift, offset, tx));
    }
    EXPECT_EQ(std::tuple(exp.TxFrequency, exp.ShiftOffset), std::tuple(0, 0));
}

TEST_F(StepFieldTest, ToneAndStepCellsPickFromTheirLists) {
    ChannelEntry& entry = Exp(2, 150000000);
    std::tie(entry.ToneType, entry.CtcssIndex) = std::tuple(kToneCtcss, 8);
    picker.answer = 12;
    EXPECT_TRUE(Space(8).done);
    EXPECT_EQ(entry.CtcssIndex, 12u);
    std::tie(entry.ToneType, entry.DcsIndex) = std::tuple(kToneDcs, 3);
    document.SetModified(false);
    Space(8);  // cancelled: the code is kept, the document counts as changed
    EXPECT_EQ(entry.DcsIndex, 3u);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(picker.opened, (std::vector<std::uint32_t>{8, 3}));

    settings.GrayExpansion = 1;
    ChannelEntry& exp = Exp(4, 150005000);
    std::tie(exp.ShiftMode, exp.TxFrequency) = std::tuple(kShiftSplit, 151005000);
    picker.answer = 5;  // "25k": both frequencies onto its grid
    Space(10);
    EXPECT_EQ(std::tuple(Text(10), exp.RxFrequency, exp.TxFrequency, exp.RxUnit),
              std::tuple("25k", 150000000, 151000000, 1u));
    std::tie(exp.Step, exp.RxFrequency) = std::tuple(0, 150012000);
    Space(10);  // cancelled: the 5 kHz step's unit and grid all the same
    EXPECT_EQ(std::tuple(exp.RxUnit, exp.RxFrequency), std::tuple(0u, 150010000));
}

TEST_F(StepFieldTest, F3InvertsTheDcsCodeOnly) {
    ChannelEntry& entry = Exp(2, 150000000);
    entry.ToneType = kToneDcs;
    for (auto code : {"047", "023"}) {
        EXPECT_TRUE(ComplementDcs(document, 8).done);
        EXPECT_EQ(Text(8), code);
    }
    document.SetModified(false);
    EXPECT_FALSE(ComplementDcs(document, 7).done);
    entry.DcsIndex = 106;  // beyond the codes, as read from a file: left alone
    EXPECT_FALSE(ComplementDcs(document, 8).done);
    std::tie(entry.ToneType, entry.CtcssIndex) = std::tuple(kToneCtcss, 0);
    EXPECT_FALSE(ComplementDcs(document, 8).done);
    EXPECT_EQ(std::tuple(entry.DcsIndex, entry.CtcssIndex, document.Modified()), std::tuple(106u, 0u, false));
}

TEST(PickLists, ListTheOfferedValuesAndSelectTheCurrentOne) {
    const PickList dcs = TonePickList(kToneDcs, 105);
    EXPECT_EQ(std::tuple(dcs.caption, dcs.items.size(), dcs.selected), std::tuple("DCS Frequency", 106u, 105));
    EXPECT_FALSE(TonePickList(kToneDcs, 106).selected);
    const PickList steps = StepPickList(10, 2);
    EXPECT_EQ(std::tuple(steps.caption, steps.items.size(), steps.selected), std::tuple("STEP", 8u, 2));
    EXPECT_TRUE(StepPickList(4, 2).items.empty());
    EXPECT_EQ(std::tuple(StepChosenOnOk(-1), StepChosenOnOk(6)), std::tuple(0u, 6u));  // none selected: step 0
}

}  // namespace
}  // namespace tarn
