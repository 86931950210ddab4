#include <gtest/gtest.h>

#include "EditFixture.h"
#include "channels/CanEditCell.h"
#include "channels/CellEditBox.h"
#include "channels/ChannelCellText.h"
#include "channels/StoreCellText.h"

namespace tarn {
namespace {

class CellEditing : public test::EditFixture {
protected:
    // Types `text` into `column` of the current channel; returns whether it was stored.
    bool Type(int column, std::string_view text) {
        return StoreCellText(document, table.CurrentIndex, column, text).done;
    }
    ChannelEntry& Current() { return table.Entries[table.CurrentIndex]; }
};

TEST_F(CellEditing, TheBoxOpensOnlyWhereATypedValueCanBeStored) {
    ChannelEntry& entry = Air(2, 118000000);
    for (int column : {3, 4}) EXPECT_TRUE(CanEditCell(table, column).done) << column;
    for (int column : {0, 1, 2, 7, 9, 10, 11, 12, 13, 14}) {
        EXPECT_EQ(CanEditCell(table, column).beeps, 0) << column;
        EXPECT_FALSE(CanEditCell(table, column).done) << column;
    }
    // Transmit, shift and tone cells need Split, minus or plus, and a tone type: the user can mend those.
    for (int column : {5, 6, 8}) EXPECT_EQ(CanEditCell(table, column).beeps, 1) << column;
    entry.ShiftMode = kShiftSplit;
    entry.ToneType = kToneDcs;
    EXPECT_TRUE(CanEditCell(table, 5).done);
    EXPECT_TRUE(CanEditCell(table, 8).done);
    entry.ShiftMode = kShiftPlus;
    EXPECT_TRUE(CanEditCell(table, 6).done);

    entry.Empty = 1;
    EXPECT_EQ(CanEditCell(table, 4).beeps, 0);
    EXPECT_FALSE(CanEditCell(table, 4).done);

    Select(160);
    EXPECT_EQ(CanEditCell(table, 4).beeps, 1);
    Select(170);
    EXPECT_EQ(CanEditCell(table, 3).beeps, 1);
    EXPECT_FALSE(document.Modified());
}

// The grid's own tests cover the TAG and frequency cells; here the tone cell, which follows the tone type.
TEST_F(CellEditing, ToneCellOpensTheEditOfItsToneType) {
    ChannelEntry& entry = Air(2, 118000000);
    EXPECT_EQ(EditKindOnEnter(entry, 8), EditKind::None);
    EXPECT_EQ(EditOnTyped(entry, 3, 0xE9).text, "i");  // low seven bits of the character
    entry.ToneType = kToneDcs;
    EXPECT_EQ(EditKindOnEnter(entry, 8), EditKind::DcsCode);
    EXPECT_EQ(EditOnTyped(entry, 8, U'.').kind, EditKind::None);  // codes are digits only
    entry.ToneType = kToneCtcss;
    EXPECT_EQ(EditOnTyped(entry, 8, U'.').kind, EditKind::CtcssTone);
    EXPECT_EQ(EditKindOnDoubleClick(8), EditKind::None);  // acts as Space
}

TEST_F(CellEditing, ReceiveFrequencyIsRoundedToTheStepGrid) {
    Air(2, 118000000);
    for (auto [typed, stored] : {std::pair{"119.1", 119100000}, {"119.11", 119100000}, {"119.113", 119125000},
                                 {"  121.5", 121500000}}) {
        EXPECT_TRUE(Type(4, typed));
        EXPECT_EQ(Current().RxFrequency, stored) << typed;
    }
    Current().Step = 3;  // "15k" rounds to 5 kHz
    Type(4, "118.015");
    EXPECT_EQ(Current().RxFrequency, 118015000);
    EXPECT_TRUE(document.Modified());
}

TEST_F(CellEditing, ReceiveFrequencyChangesTheBandWithItsDefaults) {
    ChannelEntry& entry = Exp(2, 150000000);
    entry.ToneType = kToneCtcss;
    Type(4, "98.1");  // to the broadcast band: WFM defaults, 100 kHz step
    EXPECT_EQ(entry.Mode, kBandWfm);
    EXPECT_EQ(entry.Band, kBandWfm);
    EXPECT_EQ(entry.Step, 7u);
    EXPECT_EQ(entry.ToneType, kToneNone);
    EXPECT_EQ(entry.RxFrequency, 98100000);
    Type(4, "87.5");
    EXPECT_EQ(entry.RxFrequency, 88000000);

    // Above the air band without "Gray Expansion": back to 136.975, and the air band is Simplex only.
    ChannelEntry& air = Air(3, 113000000);
    air.ShiftMode = kShiftSplit;
    air.TxFrequency = 120000000;
    Type(4, "150.0");
    EXPECT_EQ(air.RxFrequency, 136975000);
    EXPECT_EQ(air.Band, kBandAm);
    EXPECT_EQ(air.ShiftMode, kShiftSimplex);
    EXPECT_EQ(air.TxFrequency, 0);
    EXPECT_EQ(air.ShiftOffset, 0);
}

TEST_F(CellEditing, TypedFrequencyMatchesWeatherAndBrsChannelsExactly) {
    ChannelEntry& entry = Air(2, 118000000);
    Type(4, "162.55");  // 162.55 x 1e6 lies just below the whole number: still the weather channel
    EXPECT_EQ(entry.Band, kBandWx);
    EXPECT_EQ(entry.Mode, kBandWx);
    EXPECT_EQ(entry.RxFrequency, 162550000);

    Air(3, 118000000);
    Type(4, "151.955");  // BRS channel 2: the channel takes that BRS channel's settings
    const ChannelEntry& brs = table.Entries[171];
    EXPECT_EQ(Current().Band, kBandBrs);
    EXPECT_EQ(Current().RxFrequency, brs.RxFrequency);
    EXPECT_EQ(Current().Step, brs.Step);
    EXPECT_EQ(Current().RxUnit, brs.RxUnit);

    settings.BrsMode = 0;
    settings.GrayExpansion = 1;
    Air(4, 118000000);
    Type(4, "151.955");  // classified on the air channel's 25 kHz grid before the band's own step applies
    EXPECT_EQ(Current().Band, kBandExp);
    EXPECT_EQ(Current().RxFrequency, 151950000);
}

TEST_F(CellEditing, AbsurdFrequenciesAreClampedNotWrapped) {
    EXPECT_EQ(TypedFrequencyHz("1e9"), 2147483640);
    EXPECT_EQ(TypedFrequencyHz("99999999999999999999"), 2147483640);
    EXPECT_EQ(TypedFrequencyHz(""), 0);
    Air(2, 118000000);
    Type(4, "9999");
    EXPECT_EQ(Current().RxFrequency, 136975000);
    settings.GrayExpansion = 1;
    Type(4, "1e9");
    EXPECT_EQ(Current().RxFrequency, 165000000);
    EXPECT_EQ(Current().Band, kBandExp);
}

TEST_F(CellEditing, SplitTransmitFrequencyFollowsTheReceiveFrequency) {
    settings.GrayExpansion = 1;
    ChannelEntry& exp = Exp(2, 150000000);
    exp.ShiftMode = kShiftSplit;
    exp.TxFrequency = 155000000;
    Type(4, "151");
    EXPECT_EQ(exp.TxFrequency, 151000000);

    ChannelEntry& air = Air(3, 113000000);
    air.ShiftMode = kShiftSplit;
    air.TxFrequency = 118000000;
    Type(4, "114");
    EXPECT_EQ(air.RxFrequency, 114000000);
    EXPECT_EQ(air.TxFrequency, 118000000);  // the transmit frequency is clamped into the air band
    EXPECT_EQ(air.ShiftMode, kShiftSplit);

    EXPECT_TRUE(Type(5, "140"));
    EXPECT_EQ(air.TxFrequency, 136975000);
    EXPECT_TRUE(Type(5, "125.01"));
    EXPECT_EQ(air.TxFrequency, 125000000);
}

TEST_F(CellEditing, TransmitShiftAndToneCellsRefuseWithoutTheirMode) {
    ChannelEntry& entry = Exp(2, 150000000);
    EXPECT_EQ(StoreCellText(document, 2, 5, "150").beeps, 1);
    EXPECT_EQ(StoreCellText(document, 2, 6, "0.6").beeps, 1);
    EXPECT_EQ(StoreCellText(document, 2, 8, "023").beeps, 1);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(entry.TxFrequency, 0);

    entry.ShiftMode = kShiftMinus;
    Type(6, "12");
    EXPECT_EQ(entry.ShiftOffset, 9950000);
    Type(6, "0.62");
    EXPECT_EQ(entry.ShiftOffset, 600000);
    EXPECT_TRUE(document.Modified());
}

TEST_F(CellEditing, TonesAndCodesRoundUpToTheNextListedValue) {
    ChannelEntry& entry = Exp(2, 150000000);
    entry.ToneType = kToneDcs;
    Type(8, "024");
    EXPECT_EQ(CellText(entry, 8), "025");
    Type(8, "800");
    EXPECT_EQ(CellText(entry, 8), "754");
    entry.ToneType = kToneCtcss;
    Type(8, "88.6");
    EXPECT_EQ(CellText(entry, 8), " 91.5");
    Type(8, "300");
    EXPECT_EQ(CellText(entry, 8), "250.3");
}

TEST_F(CellEditing, TagIsCutAndPaddedToEightCharacters) {
    ChannelEntry& entry = Air(2, 118000000);
    Type(3, "TOWER");
    EXPECT_EQ(CellText(entry, 3), "TOWER   ");
    EXPECT_EQ(entry.Tag[7], ' ');
    Type(3, "APPROACH1");
    EXPECT_EQ(CellText(entry, 3), "APPROACH");
}

TEST_F(CellEditing, CommitStoresIntoTheCellWhereTheEditBeganAndOnlyAChange) {
    ChannelEntry& split = Air(3, 113000000);
    split.ShiftMode = kShiftSplit;
    split.TxFrequency = 125000000;
    split.ToneType = kToneCtcss;
    split.CtcssIndex = 39;  // 159.8, one of the further tones
    // Escape puts the cell's own text back: ending the edit changes nothing, not even Modified.
    EXPECT_FALSE(CommitCellEdit(document, 3, 4, CellText(split, 4)).done);
    EXPECT_FALSE(CommitCellEdit(document, 3, 8, CellText(split, 8)).done);
    EXPECT_EQ(split.TxFrequency, 125000000);
    EXPECT_EQ(split.CtcssIndex, 39u);
    EXPECT_FALSE(document.Modified());

    Select(5);  // the grid moved on before the box lost the focus
    EXPECT_TRUE(CommitCellEdit(document, 3, 4, "114").done);
    EXPECT_EQ(split.RxFrequency, 114000000);
    EXPECT_EQ(table.Entries[5].RxFrequency, 118000000);
    EXPECT_TRUE(document.Modified());
}

}  // namespace
}  // namespace tarn
