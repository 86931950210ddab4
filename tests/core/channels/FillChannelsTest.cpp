// One change applied to many selected channels: each goes through the single-cell rules, the whole fill
// is one undoable step.
#include "channels/FillChannels.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "EditFixture.h"
#include "model/EditStep.h"

namespace tarn {
namespace {

using FillChannelsTest = test::EditFixture;

// Each fill runs on MR 3..9 and BOOK 5 (outside the group shown): MR 3 air, MR 4 and MR 8 expansion with
// CTCSS, MR 5 expansion with DCS, MR 6 and MR 9 empty, MR 7 air at 121.500 MHz. It changes exactly the
// channels whose single cell would take the change and counts the others; one that changed something is
// one step that undo takes back to the exact bytes, one that changed nothing adds no step and leaves the
// document unmodified.
TEST_F(FillChannelsTest, ChangesExactlyTheChannelsTheCellRulesAllow) {
    settings.GrayExpansion = 1;  // the expansion band is saved as such
    Air(2, 118'000'000);
    Air(6, 121'500'000);
    Air(74, 118'000'000);
    for (std::size_t slot : {3, 4, 7}) Exp(slot, 150'000'000).ToneType = kToneCtcss;
    std::tie(table.Entries[4].ToneType, table.Entries[4].DcsIndex) = std::tuple(kToneDcs, 5);
    table.Entries[7].CtcssIndex = 5;
    const DocumentContent start = document.Content();
    const std::vector<std::size_t> selection{2, 3, 4, 5, 6, 7, 8, 74};
    const struct {
        const char* what;
        std::size_t current;
        std::function<FillResult()> fill;
        std::set<std::size_t> changed;
        const char* status;
        int beeps;
    } cases[] = {
        {"receive", 3, [&] { return FillTypedText(document, selection, 4, "121.500"); }, {2, 3, 4, 7},
         "Changed 4 channels, 3 left unchanged", 0},  // MR 7 holds it already
        {"power", 3, [&] { return FillPastedText(document, selection, 9, "LO", prompter); }, {3, 4, 7},
         "Changed 3 channels, 4 left unchanged", 0},  // the air band has no power setting
        {"offset", 3, [&] { return FillTypedText(document, selection, 6, "0.6"); }, {},
         "Changed 0 channels, 7 left unchanged", 1},  // no channel has a repeater shift
        // Space steps the current channel, its list shown once, and hands the value it then shows on.
        {"step tone", 3, [&] { picker.answer = 12; return FillStep(document, selection, 8, picker); }, {3, 7},
         "Changed 2 channels, 5 left unchanged", 0},  // MR 5 has a DCS code, no CTCSS tone
        {"step in use", 5, [&] { return FillStep(document, selection, 0, picker); }, {5, 8},
         "Changed 2 channels, 5 left unchanged", 0},  // as MR 6 now is
        // When the current channel takes nothing from Space, no other channel changes.
        {"step refused", 2, [&] { return FillStep(document, selection, 7, picker); }, {},
         "Changed 0 channels, 7 left unchanged", 1},  // no tone type on the air band
        {"step cancelled", 3, [&] { return FillStep(document, selection, 8, picker); }, {},
         "Changed 0 channels, 7 left unchanged", 0},
        {"step frequency", 3, [&] { return FillStep(document, selection, 4, picker); }, {},
         "Changed 0 channels, 7 left unchanged", 0},  // Space leaves a frequency as it is
        {"F3", 3, [&] { return FillComplementDcs(document, selection, 8); }, {4},
         "Changed 1 channel, 6 left unchanged", 0},
    };
    for (const auto& c : cases) {
        document.Content() = start;
        document.ClearHistory();
        document.SetModified(false);
        Select(c.current);
        picker = {};  // cancels its list unless a row answers
        const DocumentContent before = document.Content();
        const FillResult result = c.fill();

        std::set<std::size_t> changed;
        for (std::size_t slot = 0; slot < EntryCount; ++slot) {
            if (!(table.Entries[slot] == start.Channels.Entries[slot])) changed.insert(slot);
        }
        EXPECT_EQ(changed, c.changed) << c.what;
        EXPECT_EQ(std::pair(FillStatusText(result), result.beeps), std::pair(std::string(c.status), c.beeps)) << c.what;
        EXPECT_EQ(table.CurrentIndex, c.current) << c.what;
        EXPECT_EQ(std::pair(document.Modified(), document.History().UndoCount()),
                  std::pair(!c.changed.empty(), std::size_t(c.changed.empty() ? 0 : 1))) << c.what;
        if (document.Undo()) {
            EXPECT_TRUE(SameContent(document.Content(), before)) << c.what;  // the bytes a save writes
        }
    }
    EXPECT_EQ(document.History().RedoLabel(), "Dec/Enc of 7 channels");
}

}  // namespace
}  // namespace tarn
