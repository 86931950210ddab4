#pragma once
// Which channels the listing counts and prints, how many pages it has, and where each channel page starts.
#include <cstddef>
#include <cstdint>

#include "model/ChannelTable.h"

namespace tarn {

inline constexpr std::size_t kChannelsPerPage = 70;

// A channel that counts for the number of pages: in use, with a receive frequency.
bool IsUsedChannel(const ChannelEntry& entry);
// A channel that is printed: in use, with a receive or a transmit frequency.
bool IsListedChannel(const ChannelEntry& entry);
std::size_t UsedChannelCount(const ChannelTable& table);
// The settings page and one channel page for every 70 used channels or part of them.
std::uint32_t ListingPageCount(std::size_t usedChannels);
// The slot where channel page `channelPage` (1 = the first) begins: just after the last channel listed on
// the page before it; kSlotsEnd when the earlier pages hold every listed channel.
std::size_t ChannelPageFirstSlot(const ChannelTable& table, std::uint32_t channelPage);

}  // namespace tarn
