// One change applied to many selected channels: each goes through the single-cell rules, the whole fill
// is one undoable step.
#include "channels/FillChannels.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "EditFixture.h"
#include "model/ImageCodec.h"

namespace tarn {
namespace {

class FillChannelsTest : public test::EditFixture {
protected:
    // MR 3 air, MR 4 expansion in Split with CTCSS, MR 5 expansion with DCS, MR 6 empty, MR 7 air at
    // 121.500 MHz, MR 8 expansion with another CTCSS tone; BOOK 5 in use; MR 4 is the current channel.
    FillChannelsTest() {
        settings.GrayExpansion = 1;  // the expansion band is saved as such
        Air(2, 118'000'000);
        ChannelEntry& split = Exp(3, 150'000'000);
        std::tie(split.ShiftMode, split.TxFrequency, split.ToneType) = std::tuple(kShiftSplit, 150'000'000, kToneCtcss);
        ChannelEntry& dcs = Exp(4, 150'000'000);
        std::tie(dcs.ToneType, dcs.DcsIndex) = std::tuple(kToneDcs, 5);
        Air(6, 121'500'000);
        ChannelEntry& ctcss = Exp(7, 150'000'000);
        std::tie(ctcss.ToneType, ctcss.CtcssIndex) = std::tuple(kToneCtcss, 5);
        Air(74, 118'000'000);
        Select(3);
        start = document.Content();
    }

    // The bytes a save would write.
    CloneImage Saved() const {
        DocumentContent content = document.Content();
        EncodeImage(content);
        return content.Image;
    }
    std::set<std::size_t> ChangedSlots() const {
        std::set<std::size_t> changed;
        for (std::size_t slot = 0; slot < EntryCount; ++slot) {
            if (!(table.Entries[slot] == start.Channels.Entries[slot])) changed.insert(slot);
        }
        return changed;
    }

    DocumentContent start;
    const std::vector<std::size_t> selection{2, 3, 4, 5, 6, 74};  // BOOK 5 lies outside the group shown
};

// Typing, pasting and F3 change exactly the channels whose single cell would take the change; the others
// are counted. A fill is one step that undo takes back to the exact bytes, and one that changed nothing
// leaves the document unmodified.
TEST_F(FillChannelsTest, ChangesExactlyTheChannelsTheCellRulesAllow) {
    const struct {
        const char* what;
        std::function<FillResult()> fill;
        std::set<std::size_t> changed;
        const char* status;
    } cases[] = {
        {"receive", [&] { return FillTypedText(document, selection, 4, "121.500"); }, {2, 3, 4},
         "Changed 3 channels, 2 left unchanged"},  // MR 6 empty, MR 7 already there
        {"transmit", [&] { return FillTypedText(document, selection, 5, "151.000"); }, {3},
         "Changed 1 channel, 4 left unchanged"},  // only the Split channel has one
        {"tone", [&] { return FillTypedText(document, selection, 8, "100"); }, {3, 4},
         "Changed 2 channels, 3 left unchanged"},
        {"TAG", [&] { return FillTypedText(document, selection, 3, "TOWER"); }, {2, 3, 4, 6},
         "Changed 4 channels, 1 left unchanged"},
        {"power", [&] { return FillPastedText(document, selection, 9, "LO", prompter); }, {3, 4},
         "Changed 2 channels, 3 left unchanged"},  // the air band has no power setting
        {"offset", [&] { return FillTypedText(document, selection, 6, "0.6"); }, {},
         "Changed 0 channels, 5 left unchanged"},  // no channel has a repeater shift
        {"F3", [&] { return FillComplementDcs(document, selection, 8); }, {4},
         "Changed 1 channel, 4 left unchanged"},
    };
    for (const auto& c : cases) {
        document.Content() = start;
        document.ClearHistory();
        document.SetModified(false);
        const CloneImage before = Saved();
        const FillResult result = c.fill();

        EXPECT_EQ(ChangedSlots(), c.changed) << c.what;
        EXPECT_EQ(FillStatusText(result), c.status) << c.what;
        EXPECT_EQ(result.beeps, c.changed.empty() ? 1 : 0) << c.what;
        EXPECT_EQ(table.CurrentIndex, 3u) << c.what;
        EXPECT_EQ(document.Modified(), !c.changed.empty()) << c.what;
        EXPECT_EQ(document.History().UndoCount(), c.changed.empty() ? 0u : 1u) << c.what;
        if (document.Undo()) {
            EXPECT_EQ(Saved(), before) << c.what;
        }
    }
    EXPECT_EQ(document.History().RedoLabel(), "Dec/Enc of 5 channels");
}

// Space steps the current channel once, its pick list shown once, and gives every other selected channel
// the value it then shows, where that channel's cell takes it.
TEST_F(FillChannelsTest, StepGivesTheSelectionTheCurrentChannelsValue) {
    picker.answer = 12;
    const FillResult tone = FillStep(document, std::vector<std::size_t>{3, 4, 7}, 8, picker);
    EXPECT_EQ(picker.opened, std::vector<std::uint32_t>{0});
    EXPECT_EQ(ChangedSlots(), (std::set<std::size_t>{3, 7}));  // MR 5 has a DCS code, no CTCSS tone
    EXPECT_EQ(std::tuple(table.Entries[3].CtcssIndex, table.Entries[7].CtcssIndex), std::tuple(12u, 12u));
    EXPECT_EQ(FillStatusText(tone), "Changed 2 channels, 1 left unchanged");
    EXPECT_EQ(document.History().UndoLabel(), "Dec/Enc of 3 channels");

    // The channel number switches the others into or out of use as the current channel now is.
    document.Content() = start;
    Select(5);
    FillStep(document, std::vector<std::size_t>{0, 2, 5, 8}, 0, picker);
    EXPECT_EQ(ChangedSlots(), (std::set<std::size_t>{5, 8}));
}

// The other channels keep their values when the current channel refuses the step or its list is cancelled.
TEST_F(FillChannelsTest, StepChangesNoOtherChannelWhenTheCurrentOneTakesNothing) {
    const struct {
        std::size_t current;
        int column;
        int beeps;
    } cases[] = {{2, 7, 1},   // no tone type on the air band
                 {5, 13, 0},  // an empty channel's cells are inert
                 {3, 8, 0},   // the tone list cancelled
                 {3, 4, 0}};  // Space leaves a frequency as it is
    for (const auto& c : cases) {
        document.Content() = start;
        document.SetModified(false);
        Select(c.current);
        const FillResult result = FillStep(document, std::vector<std::size_t>{2, 3, 5, 7}, c.column, picker);
        EXPECT_EQ(ChangedSlots(), std::set<std::size_t>{}) << c.column;
        EXPECT_EQ(std::tuple(result.changed, result.unchanged, result.beeps), std::tuple(0, 4, c.beeps)) << c.column;
        EXPECT_FALSE(document.Modified()) << c.column;
    }
}

}  // namespace
}  // namespace tarn
