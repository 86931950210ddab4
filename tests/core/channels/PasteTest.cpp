#include <gtest/gtest.h>

#include "EditFixture.h"
#include "channels/ChannelCellText.h"
#include "channels/CopyChannel.h"
#include "channels/GridCopyText.h"
#include "channels/PasteIntoCell.h"

namespace tarn {
namespace {

class PasteTest : public test::EditFixture {
protected:
    EditResult Paste(int column, std::string_view text) { return PasteIntoCell(document, column, text, prompter); }
    std::string Text(int column) { return CellText(table.Entries[table.CurrentIndex], column); }
};

TEST_F(PasteTest, CellTextMustMatchAListedTextExactly) {
    Exp(2, 150000000);
    EXPECT_TRUE(Paste(7, "CTCSS").done);
    EXPECT_EQ(Text(7), "CTCSS");
    EXPECT_TRUE(Paste(8, " 88.5").done);
    EXPECT_EQ(Text(8), " 88.5");
    EXPECT_TRUE(Paste(8, "159.8").done);  // the further tones too
    EXPECT_EQ(Text(8), "159.8");
    EXPECT_TRUE(document.Modified());

    document.SetModified(false);
    for (auto [column, text] : {std::pair{7, "ctcss"}, {8, "88.5"}, {9, "Hi"}, {11, "V"}, {14, "split"}, {13, ""}}) {
        const EditResult result = Paste(column, text);
        EXPECT_FALSE(result.done) << column << " " << text;
        EXPECT_EQ(result.beeps, 1) << column << " " << text;
    }
    EXPECT_EQ(Text(8), "159.8");
    EXPECT_FALSE(document.Modified());

    EXPECT_TRUE(Paste(7, "DCS").done);  // a new tone type starts from the first tone and code
    EXPECT_EQ(Text(8), "023");
    for (auto [column, text, shown] : {std::tuple{9, "LO", "LO"}, {11, "-", "-"}, {12, "v", "v"}, {13, "v", "v"}}) {
        EXPECT_TRUE(Paste(column, text).done);
        EXPECT_EQ(Text(column), shown);
    }
}

TEST_F(PasteTest, TypeOnAnAirChannelAndTwoCellsOnWideFail) {
    Air(2, 118000000);
    const EditResult result = Paste(7, "CTCSS");
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.beeps, 1);
    EXPECT_EQ(Text(7), "-----");
    EXPECT_FALSE(document.Modified());

    Select(171);
    EXPECT_FALSE(Paste(2, "W\tN").done);
    EXPECT_TRUE(Paste(2, "N").done);
    EXPECT_EQ(Text(2), "N");
}

TEST_F(PasteTest, StepPasteRoundsToTheNewGrid) {
    settings.GrayExpansion = 1;
    ChannelEntry& exp = Exp(2, 150005000);
    EXPECT_TRUE(Paste(10, "25k").done);
    EXPECT_EQ(Text(10), "25k");
    EXPECT_EQ(exp.RxFrequency, 150000000);
    EXPECT_EQ(exp.RxUnit, 1u);
    Air(3, 118000000);
    EXPECT_FALSE(Paste(10, "25k").done);
}

TEST_F(PasteTest, FrequencyAndTagTextGoThroughTheCellRules) {
    ChannelEntry& entry = Air(2, 118000000);
    EXPECT_TRUE(Paste(4, "119.113").done);
    EXPECT_EQ(entry.RxFrequency, 119125000);
    EXPECT_FALSE(Paste(4, "119.1x").done);
    EXPECT_FALSE(Paste(4, "1190.11300").done);  // ten characters
    EXPECT_TRUE(Paste(3, "TOWER").done);
    EXPECT_EQ(Text(3), "TOWER   ");
    EXPECT_FALSE(Paste(3, "APPROACH1").done);

    // The transmit cell of a Simplex channel: the cell refuses with a beep, the paste still counts.
    document.SetModified(false);
    const EditResult result = Paste(5, "125");
    EXPECT_TRUE(result.done);
    EXPECT_EQ(result.beeps, 1);
    EXPECT_EQ(entry.TxFrequency, 0);
    EXPECT_TRUE(document.Modified());
}

TEST_F(PasteTest, ShiftPasteFollowsTheAirBandRules) {
    ChannelEntry& nav = Air(2, 113000000);
    EXPECT_FALSE(Paste(14, "-").done);
    EXPECT_TRUE(Paste(14, "Split").done);
    EXPECT_EQ(nav.TxFrequency, 118000000);
    Air(3, 120000000);
    EXPECT_FALSE(Paste(14, "Split").done);
    ChannelEntry& exp = Exp(4, 150000000);
    exp.ShiftOffset = 600000;
    EXPECT_TRUE(Paste(14, "+").done);
    EXPECT_EQ(Text(6), "  0.60000");
}

TEST_F(PasteTest, WeatherAndBrsGroupsTakeOnlyTheirOpenColumns) {
    ChannelEntry& wx = Select(160);
    const ChannelEntry before = wx;
    for (int column : {0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14}) {
        const EditResult result = Paste(column, Text(column));
        EXPECT_FALSE(result.done) << column;
        EXPECT_EQ(result.beeps, 2) << column;  // the cell's own beep and the paste's
    }
    EXPECT_TRUE(Paste(1, "whatever").done);
    EXPECT_FALSE(Paste(2, "W").done);  // Wide only on a BRS channel
    EXPECT_TRUE(Paste(13, "v").done);
    EXPECT_EQ(wx.RxFrequency, before.RxFrequency);

    Select(171);
    for (int column : {0, 3, 4, 5, 6, 10, 14}) EXPECT_EQ(Paste(column, Text(column)).beeps, 2) << column;
    EXPECT_TRUE(Paste(9, "LO").done);
    EXPECT_TRUE(Paste(2, "N").done);

    ChannelEntry& empty = Select(6);
    ASSERT_EQ(empty.Empty, 1u);
    EXPECT_EQ(Paste(13, "v").beeps, 1);
}

TEST_F(PasteTest, SlotNumberOnTheChannelColumnCopiesAfterAsking) {
    ChannelEntry& book1 = Select(70);
    book1.RxFrequency = 121500000;
    SetTag(book1, "GUARD   ");
    book1.Scan = 1;
    Select(70);
    EXPECT_EQ(GridCopyText(table, {}, 0), "71");

    ChannelEntry& mr3 = Select(2);
    prompter.answers = {Answer::No};
    EXPECT_TRUE(Paste(0, "71").done);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Do you copy BOOK-ch 1 data to Ch 3?\n");
    EXPECT_EQ(prompter.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(mr3.RxFrequency, 118000000);
    EXPECT_TRUE(document.Modified());  // the answer No counts as a paste too

    EXPECT_TRUE(Paste(0, "71").done);
    EXPECT_EQ(mr3.RxFrequency, 121500000);
    EXPECT_EQ(Text(3), "GUARD   ");
    EXPECT_EQ(mr3.Scan, 1u);
    EXPECT_EQ(mr3.Empty, 0u);
    EXPECT_EQ(mr3.Label, "   3");

    Paste(0, "5");
    EXPECT_EQ(prompter.shown.back().text, "Do you copy Ch 5 data to Ch 3?\n");
    Select(75);
    Paste(0, "165");
    EXPECT_EQ(prompter.shown.back().text, "Do you copy WX-ch 5 data to Ch 6?\n");
    Select(68);
    Paste(0, "200");
    EXPECT_EQ(prompter.shown.back().text, "Do you copy BRS-ch 30 data to Ch PMSL?\n");
}

TEST_F(PasteTest, ChannelCopyRefusalsAskNothing) {
    Select(2);
    for (auto text : {"3", "12.5", "0", "203", "-4", "", "x7"}) {
        const EditResult result = Paste(0, text);
        EXPECT_FALSE(result.done) << text;
        EXPECT_EQ(result.beeps, 1) << text;
    }
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(document.Modified());
}

TEST_F(PasteTest, MrOneStaysInUseWhenAnEmptySlotIsCopiedOverIt) {
    ChannelEntry& source = Select(9);
    ASSERT_EQ(source.Empty, 1u);
    source.RxFrequency = 130000000;
    ChannelEntry& mr1 = Select(0);
    EXPECT_TRUE(Paste(0, "10").done);
    EXPECT_EQ(mr1.RxFrequency, 130000000);
    EXPECT_EQ(mr1.Empty, 0u);

    ChannelEntry& mr2 = Select(1);
    mr2.Empty = 0;
    Paste(0, "10");
    EXPECT_EQ(mr2.Empty, 1u);

    // Never while the weather or BRS group is shown.
    Select(165);
    CopyChannel(table, 9, 165);
    EXPECT_NE(table.Entries[165].RxFrequency, 130000000);
}

TEST_F(PasteTest, CopyTextIsTheSelectedCellsWithTabsAndCarriageReturns) {
    Exp(3, 150000000);
    Exp(4, 151000000).ToneType = kToneCtcss;
    Select(3);
    EXPECT_EQ(GridCopyText(table, {3, 3, 7, 7}, 7), "-----");
    EXPECT_EQ(GridCopyText(table, {3, 4, 7, 8}, 7), "-----\t-----\rCTCSS\t 67.0");
    EXPECT_EQ(GridCopyText(table, {4, 3, 4, 4}, 4), "150.00000\r151.00000");
    Select(171);
    EXPECT_EQ(GridCopyText(table, {0, 0, 0, 3}, 0), "172");
}

}  // namespace
}  // namespace tarn
