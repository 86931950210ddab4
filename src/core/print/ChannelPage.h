#pragma once
// The channel pages of the listing: six heading lines, then up to 70 listed channels, each group's first
// slot preceded by the group's line.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/ChannelTable.h"

namespace tarn {

inline constexpr std::array<std::string_view, 6> kChannelPageHeadings{
    "         ************************************   CHANNEL DATA  **********************************",
    "              M   W                                                                C T S         ",
    "              o   i                                                       P        l A c         ",
    "              d   d               F R E Q U E N C Y           SUB AUDIO   w        k G a RPT     ",
    "          CH  e   e  TAG      Receive   Transmit  Shift     Type  Dec&Enc r   Step S A n Shift   ",
    "         --------------------------------------------------------------------------------------"};

// The line of one channel, `number` being its place in its group from 1 (the two last MR slots print 69
// and 70).
std::string ChannelLine(const ChannelEntry& entry, int number);
// The line that opens a group when `slot` is the group's first slot, else an empty text.
std::string_view GroupLine(std::size_t slot);
// Channel page `channelPage` (1 = the first channel page, printed as page 2).
std::vector<std::string> ChannelPageLines(const ChannelTable& table, std::uint32_t channelPage);

}  // namespace tarn
