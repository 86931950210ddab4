#include "model/ChannelTable.h"

#include <cstdio>

#include "model/ChannelRecord.h"
#include "model/SystemSettings.h"

namespace tarn {
namespace {

std::string SlotLabel(std::size_t slot, std::size_t groupFirstSlot) {
    if (slot == kPmslSlot) return "PMSL";
    if (slot == kPmsuSlot) return "PMSU";
    char text[16];
    std::snprintf(text, sizeof text, "%4d", static_cast<int>(slot - groupFirstSlot + 1));
    return text;
}

std::size_t GroupFirstSlot(std::size_t slot) {
    if (slot >= kBrsFirstSlot) return kBrsFirstSlot;
    if (slot >= kWxFirstSlot) return kWxFirstSlot;
    if (slot >= kBookFirstSlot) return kBookFirstSlot;
    return kMrFirstSlot;
}

// Empty flags: one bit per slot, least significant bit first, from `flagsOffset` on.
void ReadEmptyFlags(ChannelTable& table, const CloneImage& image, std::size_t flagsOffset, std::size_t first,
                    std::size_t end) {
    for (std::size_t s = first; s < end; ++s) {
        const std::size_t i = s - first;
        table.Entries[s].Empty = (image[flagsOffset + i / 8] >> (i % 8)) & 1u;
    }
}

void WriteEmptyFlags(const ChannelTable& table, CloneImage& image, std::size_t flagsOffset, std::size_t first,
                     std::size_t end) {
    for (std::size_t s = first; s < end; ++s) {
        const std::size_t i = s - first;
        const auto bit = static_cast<std::uint8_t>(1u << (i % 8));
        std::uint8_t& flags = image[flagsOffset + i / 8];
        flags = table.Entries[s].Empty ? (flags | bit) : (flags & ~bit);
    }
}

void DecodeSlots(ChannelTable& table, CloneImage& image, const BandContext& context, std::size_t first,
                 std::size_t end) {
    for (std::size_t s = first; s < end; ++s) DecodeChannelRecord(image, RecordOffsetOfSlot(s), table.Entries[s], context);
}

void EncodeSlots(ChannelTable& table, CloneImage& image, const BandContext& context, std::size_t first,
                 std::size_t end) {
    for (std::size_t s = first; s < end; ++s) EncodeChannelRecord(table.Entries[s], image, RecordOffsetOfSlot(s), context);
}

void ResetGroupState(ChannelTable& table) {
    table.GroupBase = 1;
    table.CurrentIndex = 0;
    table.CurrentGroup = kGroupMr;
}

}  // namespace

std::size_t RecordOffsetOfSlot(std::size_t slot) {
    if (slot >= kBrsFirstSlot) return kBrsRecordsOffset + 18 * (slot - kBrsFirstSlot);
    if (slot >= kWxFirstSlot) return kWxRecordsOffset + 18 * (slot - kWxFirstSlot);
    if (slot >= kBookFirstSlot) return kBookRecordsOffset + 18 * (slot - kBookFirstSlot);
    return kMrRecordsOffset + 18 * slot;
}

ChannelEntries LabelledEntries() {
    ChannelEntries entries{};
    for (std::size_t s = 0; s < kSlotsEnd; ++s) entries[s].Label = SlotLabel(s, GroupFirstSlot(s));
    return entries;
}

void DefaultChannelTable(ChannelTable& table) {
    ResetGroupState(table);
    table.GroupSizes = {70, 90, 10, 32};
    for (std::size_t s = 0; s < kSlotsEnd; ++s) {
        table.Entries[s].Empty = (s < kWxFirstSlot && !AlwaysInUse(s)) ? 1 : 0;
    }
}

void DecodeChannelTable(ChannelTable& table, CloneImage& image, const SystemSettings& settings) {
    const BandContext context{settings, table};
    ResetGroupState(table);
    DecodeSlots(table, image, context, kWxFirstSlot, kBrsFirstSlot);
    DecodeSlots(table, image, context, kBrsFirstSlot, kSlotsEnd);
    ReadEmptyFlags(table, image, kBrsEmptyFlagsOffset, kBrsFirstSlot, kSlotsEnd);
    DecodeSlots(table, image, context, kMrFirstSlot, kBookFirstSlot);
    DecodeSlots(table, image, context, kBookFirstSlot, kWxFirstSlot);
    ReadEmptyFlags(table, image, kMrBookEmptyFlagsOffset, kMrFirstSlot, kWxFirstSlot);
}

void EncodeChannelTable(ChannelTable& table, CloneImage& image, const SystemSettings& settings) {
    const BandContext context{settings, table};
    EncodeSlots(table, image, context, kMrFirstSlot, kBookFirstSlot);
    EncodeSlots(table, image, context, kBookFirstSlot, kWxFirstSlot);
    EncodeSlots(table, image, context, kWxFirstSlot, kBrsFirstSlot);
    EncodeSlots(table, image, context, kBrsFirstSlot, kSlotsEnd);
    WriteEmptyFlags(table, image, kMrBookEmptyFlagsOffset, kMrFirstSlot, kWxFirstSlot);
    WriteEmptyFlags(table, image, kBrsEmptyFlagsOffset, kBrsFirstSlot, kSlotsEnd);

    std::uint8_t& currentMr = image[kCurrentMrChannelOffset];
    if (currentMr >= kPmslSlot || table.Entries[kMrFirstSlot + currentMr].Empty) currentMr = 0;
    std::uint8_t& currentBook = image[kCurrentBookChannelOffset];
    if (!(currentBook < kWxFirstSlot - kBookFirstSlot && !table.Entries[kBookFirstSlot + currentBook].Empty)) {
        currentBook = 0;
    }
}

void SelectGroup(ChannelTable& table, const SystemSettings& settings) {
    std::uint32_t g = table.CurrentGroup;
    // Skip groups without slots; at most one full round, so a table of empty groups settles on MR.
    for (std::uint32_t tries = 0; tries <= GroupCount; ++tries) {
        if (g >= GroupCount) g = 0;
        if (table.GroupSizes[g] != 0) break;
        ++g;
    }
    if (g >= GroupCount) g = 0;
    if (g == kGroupWx && !settings.WeatherBand) g = kGroupBrs;
    if (g == kGroupBrs && !settings.BrsMode) g = kGroupMr;
    table.CurrentGroup = g;
    std::uint32_t first = 1;
    for (std::uint32_t i = 0; i < g; ++i) first += table.GroupSizes[i];
    table.GroupBase = first;
    table.CurrentIndex = first - 1;
}

std::uint32_t GroupOfSlot(const ChannelTable& table, std::size_t slot) {
    std::size_t total = 0;
    for (std::uint32_t g = 0; g < GroupCount; ++g) {
        total += table.GroupSizes[g];
        if (total > slot) return g;
    }
    return GroupCount;
}

}  // namespace tarn
