#include "print/ListedChannels.h"

namespace tarn {

bool IsUsedChannel(const ChannelEntry& entry) { return entry.Empty == 0 && entry.RxFrequency != 0; }

bool IsListedChannel(const ChannelEntry& entry) {
    return entry.Empty == 0 && (entry.RxFrequency != 0 || entry.TxFrequency != 0);
}

std::size_t UsedChannelCount(const ChannelTable& table) {
    std::size_t used = 0;
    for (const auto& entry : table.Entries) used += IsUsedChannel(entry) ? 1 : 0;
    return used;
}

std::uint32_t ListingPageCount(std::size_t usedChannels) {
    return static_cast<std::uint32_t>(1 + (usedChannels + kChannelsPerPage - 1) / kChannelsPerPage);
}

std::size_t ChannelPageFirstSlot(const ChannelTable& table, std::uint32_t channelPage) {
    std::size_t slot = 0;
    for (std::uint32_t page = 1; page < channelPage && slot < kSlotsEnd; ++page) {
        std::size_t listed = 0;
        for (; slot < kSlotsEnd && listed < kChannelsPerPage; ++slot) {
            listed += IsListedChannel(table.Entries[slot]) ? 1 : 0;
        }
    }
    return slot;
}

}  // namespace tarn
