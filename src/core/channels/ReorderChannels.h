#pragma once
// Moving, inserting, deleting and sorting channels in the MR and BOOK groups. A channel moves whole: every
// field, its Empty flag and its TAG codes go with it, only the slot label stays. The scan limits PMSL and
// PMSU never move, weather and BRS channels never move, and MR 1 and BOOK 1 always stay in use.
// The table functions change only the table; the Document functions make each one undoable step that
// marks the document modified only when something changed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/ChannelTable.h"
#include "model/Document.h"

namespace tarn {

enum class SortKey { Frequency, Tag };

// Whether the channel in `slot` may move: MR and BOOK slots except PMSL and PMSU.
bool IsMovableSlot(std::size_t slot);
// Whether `group` takes these operations: MR and BOOK do, the weather and BRS groups do not.
bool IsReorderableGroup(std::uint32_t group);

// Moves the channels in `slots` one movable slot up (`direction` -1) or down (+1) within their group,
// stepping over the slots that never move. Returns the slots the channels are in afterwards (the same
// slots when the move is refused: a slot that never moves, a channel already at its group's edge, or MR 1
// or BOOK 1 left empty). The current channel (CurrentIndex) stays where it is.
std::vector<std::size_t> MoveChannels(ChannelTable& table, std::span<const std::size_t> slots, int direction);

// Inserts an empty channel at `slot`, shifting the group's channels from there down by one movable slot.
// Nothing when refused; the refusal's message otherwise (the group's last channel in use, a slot that
// never moves, MR 1 or BOOK 1).
std::optional<std::string> InsertEmptyChannel(ChannelTable& table, std::size_t slot);

// Takes the channels in `slots` out of use, as Space on the channel number does. MR 1 and BOOK 1 and the
// weather and BRS channels stay. Returns how many channels were emptied.
int DeleteChannels(ChannelTable& table, std::span<const std::size_t> slots);
// The question asked before more than one channel is deleted.
std::string DeleteChannelsQuestion(std::size_t count);

// Sorts the movable channels of `group` (MR or BOOK) in use by `key`, keeping the order of equal ones,
// followed by the empty ones in their order. False for the weather and BRS groups.
bool SortChannels(ChannelTable& table, std::uint32_t group, SortKey key);

// The same operations as one undoable step of the document each ("Move Up", "Insert Empty Channel", ...).
std::vector<std::size_t> MoveChannels(Document& document, std::span<const std::size_t> slots, int direction);
std::optional<std::string> InsertEmptyChannel(Document& document, std::size_t slot);
int DeleteChannels(Document& document, std::span<const std::size_t> slots);
bool SortChannels(Document& document, std::uint32_t group, SortKey key);

}  // namespace tarn
