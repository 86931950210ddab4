// Moving, inserting, deleting and sorting whole channels of the MR and BOOK groups.
#include "channels/ReorderChannels.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "EditFixture.h"
#include "channels/ChannelFieldChanges.h"
#include "model/ImageCodec.h"

namespace tarn {
namespace {

// What a save keeps of a slot, and the label the grid shows for it.
struct SavedSlot {
    std::vector<std::uint8_t> record;
    std::uint32_t empty;
    std::string label;
    bool operator==(const SavedSlot&) const = default;
};
using Moves = std::vector<std::pair<std::size_t, std::size_t>>;  // (to, from)

class ReorderChannelsTest : public test::EditFixture {
protected:
    // In use, each with its own frequency and TAG: MR 1..5, MR 66, MR 67, PMSL, PMSU, BOOK 1, BOOK 2 and
    // BOOK 90. The TAGs end in a special code read from the radio, which only the record holds.
    ReorderChannelsTest() {
        for (std::size_t slot : {0, 1, 2, 3, 4, 65, 66, 68, 69, 70, 71, 159}) {
            Use(slot, "CH" + std::to_string(slot)).RxFrequency = 118'000'000 + 25'000 * static_cast<int>(slot);
        }
        start = document.Content();
    }
    ChannelEntry& Use(std::size_t slot, std::string_view tag) {
        ChannelEntry& entry = Air(slot, 118'000'000);
        StoreTag(entry, tag);
        entry.TagCodes[7] = 100;
        return entry;
    }
    std::vector<SavedSlot> Saved() const {
        DocumentContent content = document.Content();
        EncodeImage(content);
        std::vector<SavedSlot> slots;
        for (std::size_t slot = 0; slot < EntryCount; ++slot) {
            const auto record = content.Image.begin() + static_cast<std::ptrdiff_t>(RecordOffsetOfSlot(slot));
            const ChannelEntry& entry = content.Channels.Entries[slot];
            slots.push_back({{record, record + 18}, entry.Empty, entry.Label});
        }
        return slots;
    }
    // The slots whose saved state differs from `before` with the channels of `moves` carried over.
    std::vector<std::size_t> Differences(const std::vector<SavedSlot>& before, const Moves& moves) const {
        std::vector<SavedSlot> expected = before;
        for (const auto& [to, from] : moves) {
            expected[to].record = before[from].record;
            expected[to].empty = before[from].empty;
        }
        const std::vector<SavedSlot> now = Saved();
        std::vector<std::size_t> differences;
        for (std::size_t slot = 0; slot < EntryCount; ++slot) {
            if (!(now[slot] == expected[slot])) differences.push_back(slot);
        }
        return differences;
    }
    const std::vector<std::size_t> none;
    DocumentContent start;
};

// A move carries the whole channels, the channel passed going to the block's other side; a move past a
// group's edge, of a slot that never moves or leaving BOOK 1 empty is refused as a whole.
TEST_F(ReorderChannelsTest, MovesCarryWholeChannelsAndKeepTheFixedSlots) {
    const struct {
        std::vector<std::size_t> slots;
        int direction;
        std::vector<std::size_t> result;
        Moves moves;
    } cases[] = {
        {{2, 3}, -1, {1, 2}, {{1, 2}, {2, 3}, {3, 1}}},
        {{3, 2}, +1, {4, 3}, {{3, 2}, {4, 3}, {2, 4}}},
        {{1, 4}, +1, {2, 5}, {{2, 1}, {1, 2}, {5, 4}, {4, 5}}},  // apart, each moves on its own
        {{66, 67}, +1, {66, 67}, {}},                             // PMSL ends the movable MR slots
        {{159}, +1, {159}, {}},
        {{0, 1}, -1, {0, 1}, {}},
        {{68}, -1, {68}, {}},
        {{165}, +1, {165}, {}},
        {{70, 71}, +1, {70, 71}, {}},  // an empty BOOK 3 would become BOOK 1
    };
    for (const auto& c : cases) {
        document.Content() = start;
        const std::vector<SavedSlot> before = Saved();
        EXPECT_EQ(MoveChannels(table, c.slots, c.direction), c.result) << c.slots.front();
        EXPECT_EQ(Differences(before, c.moves), none) << c.slots.front();
    }
}

// Inserting shifts the rest of the group down one slot while its last channel is empty; refused with a
// message that names the slot otherwise.
TEST_F(ReorderChannelsTest, InsertShiftsTheGroupDownWhileItsLastChannelIsEmpty) {
    Moves shifted{{2, 67}};
    for (std::size_t slot = 3; slot <= 67; ++slot) shifted.emplace_back(slot, slot - 1);
    const struct {
        std::size_t slot;
        const char* named;  // in the refusal
        Moves moves;
    } cases[] = {{2, "", shifted}, {71, "BOOK 90", {}}, {0, "MR 1", {}}, {68, "PMSL", {}}, {165, "WX 6", {}}};
    for (const auto& c : cases) {
        document.Content() = start;
        const std::vector<SavedSlot> before = Saved();
        const std::optional<std::string> refusal = InsertEmptyChannel(table, c.slot);
        EXPECT_EQ(refusal.has_value() && refusal->find(c.named) != std::string::npos, *c.named != '\0') << c.slot;
        EXPECT_EQ(Differences(before, c.moves), none) << c.slot;
    }
}

// Delete takes channels out of use and leaves their data; MR 1, BOOK 1, weather and BRS channels stay.
TEST_F(ReorderChannelsTest, DeleteEmptiesTheChannelsExceptTheOnesThatStayInUse) {
    std::vector<SavedSlot> expected = Saved();
    for (std::size_t slot : {2, 68, 71}) expected[slot].empty = 1;
    EXPECT_EQ(DeleteChannels(table, std::vector<std::size_t>{0, 2, 5, 68, 70, 71, 165, 180}), 3);
    EXPECT_EQ(Saved(), expected);
}

// A sort is stable, puts the empty channels last and keeps the scan limits and the other groups in place.
// TAGs compare byte by byte, the blanks that end them ignored.
TEST_F(ReorderChannelsTest, SortOrdersTheChannelsInUseAndThenTheEmptyOnes) {
    Use(0, "DELTA").RxFrequency = 121'000'000;
    Use(1, "alpha").RxFrequency = 119'000'000;
    table.Entries[2].Empty = 1;
    Use(3, "ZULU").RxFrequency = 119'000'000;
    SetTag(Use(4, ""), "ZULU");  // unpadded, as the same TAG
    start = document.Content();
    const auto order = [](std::vector<std::size_t> used) {
        for (std::size_t slot = kMrFirstSlot; slot < kPmslSlot; ++slot) {
            if (std::find(used.begin(), used.end(), slot) == used.end()) used.push_back(slot);
        }
        Moves moves;
        for (std::size_t to = 0; to < used.size(); ++to) moves.emplace_back(to, used[to]);
        return moves;
    };
    const struct {
        SortKey key;
        Moves moves;
    } cases[] = {{SortKey::Frequency, order({4, 1, 3, 65, 66, 0})}, {SortKey::Tag, order({65, 66, 0, 3, 4, 1})}};
    for (const auto& c : cases) {
        document.Content() = start;
        const std::vector<SavedSlot> before = Saved();
        EXPECT_TRUE(SortChannels(table, kGroupMr, c.key));
        EXPECT_EQ(Differences(before, c.moves), none);
    }
    EXPECT_FALSE(SortChannels(table, kGroupWx, SortKey::Tag));

    // However many channels share a frequency, they keep their order.
    for (std::size_t slot = kBookFirstSlot; slot < kWxFirstSlot; ++slot) Use(slot, "B" + std::to_string(slot));
    const std::vector<SavedSlot> before = Saved();
    SortChannels(table, kGroupBook, SortKey::Frequency);
    EXPECT_EQ(Differences(before, {}), none);
}

// On the document each operation is one step that undo takes back to the exact bytes; one that changes
// nothing adds no step and leaves the document unmodified.
TEST_F(ReorderChannelsTest, EachOperationIsOneUndoableStep) {
    const std::vector<std::size_t> two{2, 3};
    const std::vector<std::size_t> fixed{0, 5};  // MR 1 stays in use, MR 6 is empty already
    const struct {
        const char* label;
        std::function<void()> change;
        std::function<void()> noChange;  // run on the changed document
    } cases[] = {
        {"Move Up", [&] { MoveChannels(document, two, -1); }, [&] { MoveChannels(document, fixed, -1); }},
        {"Move Down", [&] { MoveChannels(document, two, +1); }, [&] { MoveChannels(document, fixed, -1); }},
        {"Insert Empty Channel", [&] { InsertEmptyChannel(document, 2); }, [&] { InsertEmptyChannel(document, 71); }},
        {"Delete Channels", [&] { DeleteChannels(document, two); }, [&] { DeleteChannels(document, fixed); }},
        {"Sort by Frequency", [&] { SortChannels(document, kGroupBook, SortKey::Frequency); },
         [&] { SortChannels(document, kGroupBook, SortKey::Frequency); }},
        {"Sort by TAG", [&] { SortChannels(document, kGroupMr, SortKey::Tag); },
         [&] { SortChannels(document, kGroupMr, SortKey::Tag); }},
    };
    for (const auto& c : cases) {
        document.Content() = start;
        document.ClearHistory();
        document.SetModified(false);
        const std::vector<SavedSlot> before = Saved();
        c.change();
        EXPECT_EQ(std::tuple(document.Modified(), document.History().UndoCount(), document.History().UndoLabel()),
                  std::tuple(true, 1u, std::string(c.label)));
        ASSERT_TRUE(document.Undo());
        EXPECT_EQ(Differences(before, {}), none) << c.label;
        document.Redo();
        document.ClearHistory();
        document.SetModified(false);
        c.noChange();
        EXPECT_EQ(std::pair(document.Modified(), document.History().CanUndo()), std::pair(false, false)) << c.label;
    }
}

}  // namespace
}  // namespace tarn
