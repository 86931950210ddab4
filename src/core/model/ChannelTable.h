#pragma once
// The 202 decoded memory channels in four groups: MR (70), BOOK (90), WX (10), BRS (32).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/ChannelEntry.h"
#include "model/CloneImage.h"

namespace tarn {

struct SystemSettings;

inline constexpr std::uint32_t EntryCount = 202;
inline constexpr std::uint32_t GroupCount = 4;

inline constexpr std::uint32_t kGroupMr = 0;
inline constexpr std::uint32_t kGroupBook = 1;
inline constexpr std::uint32_t kGroupWx = 2;
inline constexpr std::uint32_t kGroupBrs = 3;

inline constexpr std::array<std::string_view, GroupCount> GroupNames{"MR GROUP", "BOOK GROUP", "WEATHER GROUP",
                                                                     "BRS GROUP"};

// First slot of each group and the slots past the last.
inline constexpr std::size_t kMrFirstSlot = 0;
inline constexpr std::size_t kBookFirstSlot = 70;
inline constexpr std::size_t kWxFirstSlot = 160;
inline constexpr std::size_t kBrsFirstSlot = 170;
inline constexpr std::size_t kSlotsEnd = 202;
// The scan limits PMSL and PMSU, the last two MR slots.
inline constexpr std::size_t kPmslSlot = 68;
inline constexpr std::size_t kPmsuSlot = 69;

inline constexpr bool IsScanLimit(std::size_t slot) { return slot == kPmslSlot || slot == kPmsuSlot; }
// MR 1 and BOOK 1, which the radio needs in use: nothing takes them out of use.
inline constexpr bool AlwaysInUse(std::size_t slot) { return slot == kMrFirstSlot || slot == kBookFirstSlot; }

// Image places of the channel records and of the bytes that belong to the table.
inline constexpr std::size_t kWxRecordsOffset = 212;
inline constexpr std::size_t kBrsRecordsOffset = 392;
inline constexpr std::size_t kMrRecordsOffset = 968;
inline constexpr std::size_t kBookRecordsOffset = 2228;
inline constexpr std::size_t kChannelRecordsEnd = 3848;
inline constexpr std::size_t kBrsEmptyFlagsOffset = 8;   // bytes 8..11
inline constexpr std::size_t kMrBookEmptyFlagsOffset = 12;  // bytes 12..31
inline constexpr std::size_t kCurrentMrChannelOffset = 33;
inline constexpr std::size_t kCurrentBookChannelOffset = 35;

using ChannelEntries = std::array<ChannelEntry, EntryCount>;
// Blank entries, each with its slot's label ("   1", "PMSL"): a memory slot is told from a VFO record by its
// label, so a table never exists without them.
ChannelEntries LabelledEntries();

struct ChannelTable {
    ChannelEntries Entries = LabelledEntries();
    std::uint32_t GroupBase = 1;     // 1-based number of the current group's first slot
    std::uint32_t CurrentIndex = 0;  // slot of the channel being edited
    std::uint32_t CurrentGroup = 0;  // 0..3
    std::array<std::uint8_t, GroupCount> GroupSizes{70, 90, 10, 32};
};

// The image offset of the record of `slot` (0..201).
std::size_t RecordOffsetOfSlot(std::size_t slot);

// Group state, sizes and Empty flags of a new table (MR 1 and BOOK 1 in use, the other MR and BOOK
// slots empty, WX and BRS in use). The entries' channel fields are left alone.
void DefaultChannelTable(ChannelTable& table);
// Image -> table: WX and BRS first, since MR and BOOK channels are classified against them.
void DecodeChannelTable(ChannelTable& table, CloneImage& image, const SystemSettings& settings);
// Table -> image: the records, the Empty flags and the corrected current MR and BOOK channel bytes.
void EncodeChannelTable(ChannelTable& table, CloneImage& image, const SystemSettings& settings);
// Settles CurrentGroup on a group that exists and is switched on, and sets GroupBase and CurrentIndex.
void SelectGroup(ChannelTable& table, const SystemSettings& settings);
// The group of `slot`; 4 when the slot lies past the last group.
std::uint32_t GroupOfSlot(const ChannelTable& table, std::size_t slot);

}  // namespace tarn
