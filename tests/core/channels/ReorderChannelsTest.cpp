// Moving, inserting, deleting and sorting whole channels of the MR and BOOK groups, each one undoable step.
#include "channels/ReorderChannels.h"

#include <gtest/gtest.h>

#include <functional>

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

class ReorderChannelsTest : public test::EditFixture {
protected:
    // In use: MR 1 "DELTA" at 121 MHz, MR 2 "alpha" and MR 4 "ZULU" at 119 MHz, MR 5 "ZULU" unpadded (the same
    // TAG) at 118 MHz; MR 66, MR 67, PMSL and PMSU, each with its own TAG and frequency; every BOOK channel,
    // all at 118 MHz.
    ReorderChannelsTest() {
        Use(0, "DELTA", 121'000'000);
        Use(1, "alpha", 119'000'000);
        Use(3, "ZULU", 119'000'000);
        SetTag(Use(4, ""), "ZULU");
        for (int slot : {65, 66, 68, 69}) Use(slot, "CH" + std::to_string(slot), 118'000'000 + 25'000 * slot);
        for (std::size_t slot = kBookFirstSlot; slot < kWxFirstSlot; ++slot) Use(slot, "B" + std::to_string(slot));
        start = document.Content();
        started = Saved();
    }
    // The TAG ends in a special code read from the radio, which only the record holds.
    ChannelEntry& Use(std::size_t slot, std::string_view tag, std::int32_t hz = 118'000'000) {
        ChannelEntry& entry = Air(slot, hz);
        StoreTag(entry, tag);
        entry.TagCodes[7] = 100;
        return entry;
    }
    std::vector<SavedSlot> Saved() const {
        DocumentContent content = document.Content();
        EncodeImage(content);
        std::vector<SavedSlot> slots;
        for (const ChannelEntry& entry : content.Channels.Entries) {
            const auto record = content.Image.begin() + RecordOffsetOfSlot(slots.size());
            slots.push_back({{record, record + 18}, entry.Empty, entry.Label});
        }
        return slots;
    }
    // The start's slots with the MR channels in `order`, those it leaves out following in theirs.
    std::vector<SavedSlot> InMrOrder(std::vector<std::size_t> order) const {
        for (std::size_t slot = kMrFirstSlot; slot < kPmslSlot; ++slot) {
            if (std::find(order.begin(), order.end(), slot) == order.end()) order.push_back(slot);
        }
        std::vector<SavedSlot> slots = started;
        for (std::size_t to = 0; to < order.size(); ++to) {
            std::tie(slots[to].record, slots[to].empty) = std::tie(started[order[to]].record, started[order[to]].empty);
        }
        return slots;
    }
    // Runs `operation` on the start and checks every slot comes out as `expected`. A change is one step
    // that undo takes back to the exact bytes; no change adds no step and leaves the document unmodified.
    void Check(const char* what, const std::function<void()>& operation, const std::vector<SavedSlot>& expected) {
        SCOPED_TRACE(what);
        document.Content() = start;
        document.ClearHistory();
        document.SetModified(false);
        operation();
        EXPECT_TRUE(Saved() == expected);
        const bool changed = expected != started;
        EXPECT_EQ(std::pair(document.Modified(), document.History().UndoCount()),
                  std::pair(changed, std::size_t(changed ? 1 : 0)));
        if (document.Undo()) {
            EXPECT_TRUE(Saved() == started);
        }
    }

    DocumentContent start;
    std::vector<SavedSlot> started;
};

// A move carries whole channels, the channel passed going to the block's other side; an insert shifts the
// group down from its slot while the group's last channel is empty; a delete empties channels and keeps
// their data; a sort orders the channels in use, equal ones kept in order (TAGs byte by byte, blanks at the
// end ignored), then the empty ones. The scan limits, weather and BRS channels never move and MR 1 and
// BOOK 1 stay in use: a move or an insert that would break that is refused as a whole.
TEST_F(ReorderChannelsTest, EachOperationMovesWholeChannelsAndKeepsTheFixedSlots) {
    using Slots = std::vector<std::size_t>;
    const auto move = [this](Slots slots, int direction) { return MoveChannels(document, slots, direction); };
    const auto refusal = [this](std::size_t slot) { return InsertEmptyChannel(document, slot).value_or("none"); };
    const auto sort = [this](std::uint32_t group, SortKey key) { return SortChannels(document, group, key); };
    std::vector<SavedSlot> emptied = started;
    for (std::size_t slot : {3, 68, 71}) emptied[slot].empty = 1;
    const struct {
        const char* what;
        std::function<void()> operation;
        std::vector<SavedSlot> expected;
    } cases[] = {
        {"up", [&] { EXPECT_EQ(move({2, 3}, -1), (Slots{1, 2})); }, InMrOrder({0, 2, 3, 1})},
        {"down", [&] { EXPECT_EQ(move({4, 1, 2}, +1), (Slots{5, 2, 3})); }, InMrOrder({0, 3, 1, 2, 5, 4})},
        {"MR 1 up", [&] { EXPECT_EQ(move({0, 1}, -1), (Slots{0, 1})); }, started},
        {"MR 1 empty", [&] { EXPECT_EQ(move({0, 1}, +1), (Slots{0, 1})); }, started},
        {"onto PMSL", [&] { EXPECT_EQ(move({66, 67}, +1), (Slots{66, 67})); }, started},
        {"PMSL", [&] { EXPECT_EQ(move({68}, -1), Slots{68}); }, started},
        {"insert", [&] { EXPECT_EQ(refusal(2), "none"); }, InMrOrder({0, 1, 67})},
        {"insert, BOOK full", [&] { EXPECT_NE(refusal(71).find("BOOK 90"), std::string::npos); }, started},
        {"insert at MR 1", [&] { EXPECT_NE(refusal(0).find("MR 1"), std::string::npos); }, started},
        {"insert at WX 6", [&] { EXPECT_NE(refusal(165).find("WX 6"), std::string::npos); }, started},
        {"delete", [&] { EXPECT_EQ(DeleteChannels(document, Slots{0, 3, 5, 68, 70, 71, 165, 180}), 3); }, emptied},
        {"frequency", [&] { EXPECT_TRUE(sort(kGroupMr, SortKey::Frequency)); }, InMrOrder({4, 1, 3, 65, 66, 0})},
        {"TAG", [&] { EXPECT_TRUE(sort(kGroupMr, SortKey::Tag)); }, InMrOrder({65, 66, 0, 3, 4, 1})},
        {"BOOK", [&] { EXPECT_TRUE(sort(kGroupBook, SortKey::Frequency)); }, started},  // 90 alike keep their order
        {"WX", [&] { EXPECT_FALSE(sort(kGroupWx, SortKey::Tag)); }, started},
        {"BRS", [&] { EXPECT_FALSE(sort(kGroupBrs, SortKey::Frequency)); }, started},
    };
    for (const auto& c : cases) Check(c.what, c.operation, c.expected);
}

}  // namespace
}  // namespace tarn
