#include <gtest/gtest.h>

#include <functional>

#include "EditFixture.h"
#include "channels/CanEditCell.h"
#include "channels/CellEditBox.h"
#include "channels/StoreCellText.h"

namespace tarn {
namespace {

class CellEditing : public test::EditFixture {
protected:
    // Per column 0..14 of the current channel: 'o' the box opens, 'b' a beep, '.' silently nothing.
    std::string Openings() {
        std::string marks;
        for (int column = 0; column < 15; ++column) {
            const EditResult result = CanEditCell(table, column);
            marks += result.done ? 'o' : result.beeps ? 'b' : '.';
        }
        return marks;
    }
    // The band and receive unit; the mode, step and shift cells; the receive and transmit cells.
    std::string Summary() {
        const ChannelEntry& e = table.Entries[table.CurrentIndex];
        std::string text = "B" + std::to_string(e.Band) + "U" + std::to_string(e.RxUnit);
        for (int column : {1, 10, 14, 4, 5}) text += " " + CellText(e, column);
        return text;
    }
};

TEST_F(CellEditing, TheBoxOpensOnlyWhereATypedValueCanBeStored) {
    ChannelEntry& entry = Air(2, 118000000);
    EXPECT_EQ(Openings(), "...oobb.b......");
    std::tie(entry.ShiftMode, entry.ToneType) = std::tuple(kShiftSplit, kToneDcs);
    EXPECT_EQ(Openings(), "...ooob.o......");
    entry.ShiftMode = kShiftPlus;
    EXPECT_EQ(Openings(), "...oobo.o......");
    entry.Empty = 1;
    EXPECT_EQ(Openings(), "...............");
    for (std::size_t slot : {160, 170}) {  // the weather and BRS groups
        Select(slot);
        EXPECT_EQ(Openings(), "bbbbbbbbbbbbbbb") << slot;
    }
    EXPECT_FALSE(document.Modified());
}

TEST_F(CellEditing, TypedFrequencyIsRoundedClampedAndMayChangeTheBand) {
    const auto air = [this](std::int32_t hz) { return [=, this] { Air(2, hz); }; };
    const auto split = [this](std::int32_t rx, std::int32_t tx) {
        return [=, this] {
            settings.GrayExpansion = rx >= 137000000;
            ChannelEntry& e = rx < 137000000 ? Air(2, rx) : Exp(2, rx);
            std::tie(e.ShiftMode, e.TxFrequency) = std::tuple(kShiftSplit, tx);
        };
    };
    const auto gray = [this] { settings.GrayExpansion = 1, Air(2, 118000000); };
    struct Case {
        std::function<void()> setup;
        int column;
        const char* typed;
        const char* summary;
    };
    const Case cases[] = {
        // Rounded to the channel's step, 5 kHz for "15k".
        {[this] { Air(2, 118000000).Step = 3; }, 4, "118.015", "B0U1 AM 15k Simplex 118.01500 ----------"},
        // To the broadcast band with its defaults (no tone).
        {[this] { Exp(2, 150000000).ToneType = kToneCtcss; }, 4, "98.1", "B2U1 WFM 100k Simplex  98.10000 ----------"},
        // Above the air band without "Gray Expansion": 136.975, and a Split air channel becomes Simplex.
        // Absurd values are clamped before they become integers, never wrapped.
        {split(113000000, 120000000), 4, "150.0", "B0U1 AM 25k Simplex 136.97500 ----------"},
        {air(118000000), 4, "9999", "B0U1 AM 25k Simplex 136.97500 ----------"},
        {gray, 4, "1e9", "B1U0 EXP 5k Simplex 165.00000 ----------"},
        // 162.55 x 1e6 lies just below the whole number: still the weather channel.
        {air(118000000), 4, "162.55", "B3U1 WX 25k Simplex 162.55000 ----------"},
        // BRS channel 2, with its settings; without BRS channels, on the air channel's grid first.
        {air(118000000), 4, "151.955", "B4U0 BRS 5k Simplex 151.95500 ----------"},
        {[&] { settings.BrsMode = 0, gray(); }, 4, "151.955", "B1U0 EXP 5k Simplex 151.95000 ----------"},
        // A Split transmit frequency follows the receive one, clamped into the air band.
        {split(150000000, 155000000), 4, "151", "B1U0 EXP 5k Split 151.00000 151.00000"},
        {split(113000000, 118000000), 4, "114", "B0U1 AM 25k Split 114.00000 118.00000"},
        {split(113000000, 118000000), 5, "140", "B0U1 AM 25k Split 113.00000 136.97500"},
    };
    const SystemSettings defaults = settings;
    for (const Case& c : cases) {
        settings = defaults;
        c.setup();
        document.SetModified(false);
        EXPECT_TRUE(StoreCellText(document, 2, c.column, c.typed).done) << c.typed;
        EXPECT_EQ(Summary(), c.summary) << c.typed;
        EXPECT_TRUE(document.Modified()) << c.typed;
    }
}

TEST_F(CellEditing, OffsetsTonesAndCodesTakeListedValuesOrRefuseWithoutTheirMode) {
    ChannelEntry& entry = Exp(2, 150000000);
    for (int column : {5, 6, 8}) EXPECT_EQ(StoreCellText(document, 2, column, "150").beeps, 1) << column;
    EXPECT_EQ(entry.TxFrequency, 0);
    EXPECT_FALSE(document.Modified());

    const std::tuple<std::uint32_t, std::uint32_t, int, const char*, const char*> cases[] = {
        {kShiftMinus, kToneNone, 6, "12", "  9.95000"},
        {kShiftSimplex, kToneDcs, 8, "024", "025"},
        {kShiftSimplex, kToneCtcss, 8, "88.6", " 91.5"},
    };
    for (auto [shift, tone, column, typed, shown] : cases) {
        std::tie(entry.ShiftMode, entry.ToneType) = std::tuple(shift, tone);
        EXPECT_TRUE(StoreCellText(document, 2, column, typed).done) << typed;
        EXPECT_EQ(Text(column), shown) << typed;
    }
}

TEST_F(CellEditing, CommitStoresOnlyAChange) {
    ChannelEntry& split = Air(3, 113000000);
    std::tie(split.ShiftMode, split.TxFrequency, split.ToneType, split.CtcssIndex) =
        std::tuple(kShiftSplit, 125000000, kToneCtcss, 39);  // 159.8, one of the further tones
    // Escape puts the cell's own text back: ending the edit changes nothing, not even Modified.
    EXPECT_FALSE(CommitCellEdit(document, 3, 4, CellText(split, 4)).done);
    EXPECT_FALSE(CommitCellEdit(document, 3, 8, CellText(split, 8)).done);
    EXPECT_EQ(std::tuple(split.TxFrequency, split.CtcssIndex), std::tuple(125000000, 39u));
    EXPECT_FALSE(document.Modified());
}

}  // namespace
}  // namespace tarn
