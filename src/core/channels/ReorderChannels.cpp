#include "channels/ReorderChannels.h"

#include <algorithm>
#include <string_view>

#include "channels/ChannelEditLabel.h"
#include "model/EditStep.h"

namespace tarn {
namespace {

static_assert(kPmslSlot + 1 == kPmsuSlot && kPmsuSlot + 1 == kBookFirstSlot, "the scan limits end the MR group");

// The slots [first, end) of one group whose channels move among each other.
struct SlotRange {
    std::size_t first;
    std::size_t end;
};

// The movable slots of the group of `slot`: the MR slots before the scan limits, or all the BOOK slots.
std::optional<SlotRange> MovableRange(std::size_t slot) {
    if (slot < kPmslSlot) return SlotRange{kMrFirstSlot, kPmslSlot};
    if (slot >= kBookFirstSlot && slot < kWxFirstSlot) return SlotRange{kBookFirstSlot, kWxFirstSlot};
    return std::nullopt;
}

// Rearranges the channels of the slots [first, end) with `rearrange`, a standard algorithm over the
// entries; each slot keeps its label, so every other field moves with its channel.
template <typename Rearrange>
void RearrangeChannels(ChannelTable& table, std::size_t first, std::size_t end, Rearrange rearrange) {
    std::vector<std::string> labels;
    for (std::size_t slot = first; slot < end; ++slot) labels.push_back(std::move(table.Entries[slot].Label));
    rearrange(table.Entries.begin() + first, table.Entries.begin() + end);
    for (std::size_t slot = first; slot < end; ++slot) table.Entries[slot].Label = std::move(labels[slot - first]);
}

// Moves the run of neighbouring channels [first, end) one slot by `direction`; the channel it passes
// goes to the run's other side. False when the run already stands at its group's edge.
bool MoveRun(ChannelTable& table, std::size_t first, std::size_t end, int direction) {
    const SlotRange range = *MovableRange(first);
    if (direction < 0 ? first == range.first : end == range.end) return false;
    if (direction < 0) {
        RearrangeChannels(table, first - 1, end, [](auto begin, auto stop) { std::rotate(begin, begin + 1, stop); });
    } else {
        RearrangeChannels(table, first, end + 1, [](auto begin, auto stop) { std::rotate(begin, stop - 1, stop); });
    }
    return true;
}

bool TookFirstSlotOutOfUse(const ChannelEntries& before, const ChannelEntries& after) {
    for (std::size_t slot : {kMrFirstSlot, kBookFirstSlot}) {
        if (before[slot].Empty == 0 && after[slot].Empty == 1) return true;
    }
    return false;
}

// The TAG as sorted: its text without the blanks that pad it.
std::string_view TagKey(const ChannelEntry& entry) {
    const std::string_view tag = TagView(entry);
    return tag.substr(0, tag.find_last_not_of(' ') + 1);
}

// Runs one table operation as one undoable step that marks the document modified when it changed it.
template <typename Operation>
auto AsOneStep(Document& document, std::string label, Operation operation) {
    const EditStep step(document, std::move(label), ModifiedFlag::FollowsContent);
    return operation(document.Channels());
}

}  // namespace

bool IsMovableSlot(std::size_t slot) { return MovableRange(slot).has_value(); }

bool IsReorderableGroup(std::uint32_t group) { return group == kGroupMr || group == kGroupBook; }

std::vector<std::size_t> MoveChannels(ChannelTable& table, std::span<const std::size_t> slots, int direction) {
    std::vector<std::size_t> moved(slots.begin(), slots.end());
    std::vector<std::size_t> runs = moved;
    std::sort(runs.begin(), runs.end());
    runs.erase(std::unique(runs.begin(), runs.end()), runs.end());
    if (runs.empty() || (direction != -1 && direction != 1) || !std::all_of(runs.begin(), runs.end(), IsMovableSlot)) {
        return moved;
    }
    const ChannelEntries before = table.Entries;
    for (std::size_t first = 0; first < runs.size();) {
        std::size_t end = first + 1;
        while (end < runs.size() && runs[end] == runs[end - 1] + 1) ++end;
        if (!MoveRun(table, runs[first], runs[end - 1] + 1, direction)) {
            table.Entries = before;
            return moved;
        }
        first = end;
    }
    if (TookFirstSlotOutOfUse(before, table.Entries)) {
        table.Entries = before;
        return moved;
    }
    for (std::size_t& slot : moved) slot += direction;
    return moved;
}

std::optional<std::string> InsertEmptyChannel(ChannelTable& table, std::size_t slot) {
    const std::optional<SlotRange> range = MovableRange(slot);
    if (!range) {
        return "No channel can be inserted at " + (slot < EntryCount ? SlotName(slot) : std::string("this slot")) +
               ": the scan limits, weather and BRS channels never move.";
    }
    if (AlwaysInUse(slot)) return "No empty channel can be inserted at " + SlotName(slot) + ": it always stays in use.";
    const std::size_t last = range->end - 1;
    if (table.Entries[last].Empty == 0) {
        return "No empty channel can be inserted: the group's last channel, " + SlotName(last) + ", is in use.";
    }
    RearrangeChannels(table, slot, range->end, [](auto begin, auto stop) { std::rotate(begin, stop - 1, stop); });
    return std::nullopt;
}

int DeleteChannels(ChannelTable& table, std::span<const std::size_t> slots) {
    int emptied = 0;
    for (std::size_t slot : slots) {
        if (slot >= kWxFirstSlot || AlwaysInUse(slot) || table.Entries[slot].Empty == 1) continue;
        table.Entries[slot].Empty = 1;
        ++emptied;
    }
    return emptied;
}

std::string DeleteChannelsQuestion(std::size_t count) {
    return "Delete the " + std::to_string(count) + " selected channels?";
}

bool SortChannels(ChannelTable& table, std::uint32_t group, SortKey key) {
    if (!IsReorderableGroup(group)) return false;
    const SlotRange range = *MovableRange(group == kGroupMr ? kMrFirstSlot : kBookFirstSlot);
    RearrangeChannels(table, range.first, range.end, [key](auto begin, auto stop) {
        const auto used = std::stable_partition(begin, stop, [](const ChannelEntry& e) { return e.Empty == 0; });
        std::stable_sort(begin, used, [key](const ChannelEntry& a, const ChannelEntry& b) {
            return key == SortKey::Frequency ? a.RxFrequency < b.RxFrequency : TagKey(a) < TagKey(b);
        });
    });
    return true;
}

std::vector<std::size_t> MoveChannels(Document& document, std::span<const std::size_t> slots, int direction) {
    return AsOneStep(document, direction < 0 ? "Move Up" : "Move Down",
                     [&](ChannelTable& table) { return MoveChannels(table, slots, direction); });
}

std::optional<std::string> InsertEmptyChannel(Document& document, std::size_t slot) {
    return AsOneStep(document, "Insert Empty Channel",
                     [&](ChannelTable& table) { return InsertEmptyChannel(table, slot); });
}

int DeleteChannels(Document& document, std::span<const std::size_t> slots) {
    return AsOneStep(document, "Delete Channels", [&](ChannelTable& table) { return DeleteChannels(table, slots); });
}

bool SortChannels(Document& document, std::uint32_t group, SortKey key) {
    return AsOneStep(document, key == SortKey::Frequency ? "Sort by Frequency" : "Sort by TAG",
                     [&](ChannelTable& table) { return SortChannels(table, group, key); });
}

}  // namespace tarn
