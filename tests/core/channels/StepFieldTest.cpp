#include <gtest/gtest.h>

#include "EditFixture.h"
#include "channels/ChannelCellText.h"
#include "channels/ComplementDcs.h"
#include "channels/PickLists.h"
#include "channels/StepField.h"

namespace tarn {
namespace {

class StepFieldTest : public test::EditFixture {
protected:
    EditResult Space(int column) { return StepField(document, column, picker); }
    std::string Text(int column) { return CellText(table.Entries[table.CurrentIndex], column); }
};

TEST_F(StepFieldTest, ChannelNumberColumnSwitchesTheChannelInAndOutOfUse) {
    Select(0);  // MR 1 and BOOK 1 are never taken out of use
    EXPECT_TRUE(Space(0).done);
    EXPECT_EQ(table.Entries[0].Empty, 0u);
    EXPECT_TRUE(document.Modified());
    Select(70);
    Space(0);
    EXPECT_EQ(table.Entries[70].Empty, 0u);

    document.SetModified(false);
    ChannelEntry& empty = Select(5);
    ASSERT_EQ(empty.Empty, 1u);
    for (int column = 1; column < 15; ++column) {
        const EditResult result = Space(column);  // inert until the channel is in use
        EXPECT_FALSE(result.done);
        EXPECT_EQ(result.beeps, 0);
    }
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(Space(0).done);
    EXPECT_EQ(empty.Empty, 0u);
    Space(0);
    EXPECT_EQ(empty.Empty, 1u);
}

TEST_F(StepFieldTest, TypeWidthAndPowerStepOnlyWhereTheModeHasThem) {
    Air(2, 118000000);
    for (int column : {2, 7, 9}) EXPECT_EQ(Space(column).beeps, 1) << column;
    EXPECT_FALSE(document.Modified());

    Exp(3, 150000000);
    for (auto expected : {"CTCSS", "DCS", "-----"}) {
        Space(7);
        EXPECT_EQ(Text(7), expected);
    }
    Space(9);
    EXPECT_EQ(Text(9), "LO");
    Space(9);
    EXPECT_EQ(Text(9), "HI");
    EXPECT_EQ(Space(2).beeps, 1);  // the width is a BRS setting

    Select(171);
    Space(2);
    EXPECT_EQ(Text(2), "N");
}

TEST_F(StepFieldTest, WeatherAndBrsGroupsRefuseTheirFixedColumns) {
    Select(160);
    for (int column : {0, 1, 2, 7, 8, 9, 10, 11, 12, 14}) EXPECT_EQ(Space(column).beeps, 1) << column;
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(Space(13).done);

    Select(171);
    for (int column : {0, 1, 10, 14}) EXPECT_EQ(Space(column).beeps, 1) << column;
    for (int column : {2, 7, 9, 11, 12, 13}) EXPECT_TRUE(Space(column).done) << column;
}

TEST_F(StepFieldTest, RepeaterShiftBelow118MhzIsSimplexOrSplit) {
    ChannelEntry& nav = Air(2, 113000000);
    Space(14);
    EXPECT_EQ(Text(14), "Split");
    EXPECT_EQ(nav.TxFrequency, 118000000);
    Space(14);
    EXPECT_EQ(Text(14), "Simplex");
    EXPECT_EQ(nav.TxFrequency, 0);

    Air(3, 120000000);
    EXPECT_EQ(Space(14).beeps, 1);  // Simplex only from 118 MHz

    ChannelEntry& exp = Exp(4, 150000000);
    exp.ShiftOffset = 600000;
    for (auto expected : {"-", "+", "Split", "Simplex"}) {
        Space(14);
        EXPECT_EQ(Text(14), expected);
        if (exp.ShiftMode == kShiftMinus) {
            EXPECT_EQ(Text(6), "  0.60000");
        }
        if (exp.ShiftMode == kShiftSplit) {
            EXPECT_EQ(exp.TxFrequency, 150000000);
        }
    }
    EXPECT_EQ(exp.TxFrequency, 0);
    EXPECT_EQ(exp.ShiftOffset, 0);
}

TEST_F(StepFieldTest, ToneCellPicksFromTheListAndKeepsTheToneOnCancel) {
    ChannelEntry& entry = Exp(2, 150000000);
    EXPECT_EQ(Space(8).beeps, 1);
    EXPECT_TRUE(picker.calls.empty());

    entry.ToneType = kToneCtcss;
    entry.CtcssIndex = 8;
    picker.answers = {12u};
    EXPECT_TRUE(Space(8).done);
    ASSERT_EQ(picker.calls.size(), 1u);
    EXPECT_EQ(picker.calls[0].kind, kToneCtcss);
    EXPECT_EQ(picker.calls[0].index, 8u);
    EXPECT_EQ(entry.CtcssIndex, 12u);

    entry.ToneType = kToneDcs;
    entry.DcsIndex = 3;
    document.SetModified(false);
    Space(8);  // cancelled
    EXPECT_EQ(entry.DcsIndex, 3u);
    EXPECT_TRUE(document.Modified());
}

TEST_F(StepFieldTest, StepCellPicksAndRoundsTheFrequenciesEvenOnCancel) {
    Air(2, 118000000);
    EXPECT_EQ(Space(10).beeps, 1);  // the air band keeps its step

    settings.GrayExpansion = 1;
    ChannelEntry& exp = Exp(3, 150005000);
    exp.ShiftMode = kShiftSplit;
    exp.TxFrequency = 151005000;
    picker.answers = {5u};  // "25k"
    Space(10);
    EXPECT_EQ(Text(10), "25k");
    EXPECT_EQ(exp.RxFrequency, 150000000);
    EXPECT_EQ(exp.TxFrequency, 151000000);
    EXPECT_EQ(exp.RxUnit, 1u);

    exp.Step = 0;
    exp.RxFrequency = 150012000;
    Space(10);  // cancelled: the 5 kHz step's unit and grid all the same
    EXPECT_EQ(exp.RxUnit, 0u);
    EXPECT_EQ(exp.RxFrequency, 150010000);
}

TEST_F(StepFieldTest, F3InvertsTheDcsCodeOnly) {
    ChannelEntry& entry = Exp(2, 150000000);
    entry.ToneType = kToneDcs;
    EXPECT_TRUE(ComplementDcs(document, 8).done);
    EXPECT_EQ(Text(8), "047");
    ComplementDcs(document, 8);
    EXPECT_EQ(Text(8), "023");
    EXPECT_TRUE(document.Modified());

    document.SetModified(false);
    EXPECT_FALSE(ComplementDcs(document, 7).done);
    entry.DcsIndex = 200;  // read from a file: left alone
    EXPECT_FALSE(ComplementDcs(document, 8).done);
    EXPECT_EQ(entry.DcsIndex, 200u);
    entry.DcsIndex = 0;
    entry.ToneType = kToneCtcss;
    EXPECT_FALSE(ComplementDcs(document, 8).done);
    EXPECT_EQ(entry.DcsIndex, 0u);
    EXPECT_FALSE(document.Modified());
}

TEST(PickLists, ListTheOfferedValuesAndSelectTheCurrentOne) {
    const PickList ctcss = TonePickList(kToneCtcss, 8);
    EXPECT_EQ(ctcss.caption, "CTCSS Frequency");
    ASSERT_EQ(ctcss.items.size(), 39u);
    EXPECT_EQ(ctcss.items[38], "250.3");
    EXPECT_EQ(ctcss.selected, 8);
    EXPECT_FALSE(TonePickList(kToneCtcss, 39).selected);  // the further tones are not offered

    const PickList dcs = TonePickList(kToneDcs, 105);
    EXPECT_EQ(dcs.caption, "DCS Frequency");
    EXPECT_EQ(dcs.items.size(), 106u);
    EXPECT_EQ(dcs.selected, 105);
    EXPECT_FALSE(TonePickList(kToneDcs, 106).selected);

    const PickList steps = StepPickList(10, 2);
    EXPECT_EQ(steps.caption, "STEP");
    EXPECT_EQ(steps.items.size(), 8u);
    EXPECT_EQ(steps.selected, 2);
    EXPECT_TRUE(StepPickList(4, 2).items.empty());
}

TEST(PickLists, OkWithoutASelectionKeepsTheToneButStoresStepZero) {
    EXPECT_FALSE(ToneChosenOnOk(-1));
    EXPECT_EQ(ToneChosenOnOk(3), 3u);
    EXPECT_EQ(StepChosenOnOk(-1), 0u);
    EXPECT_EQ(StepChosenOnOk(6), 6u);
}

}  // namespace
}  // namespace tarn
