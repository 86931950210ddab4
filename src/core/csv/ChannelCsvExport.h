#pragma once
// The channels in use, as a channel list in the common radio-programming CSV format.
#include <string>

#include "model/ChannelTable.h"

namespace tarn {

// Every channel in use of the four groups in slot order, under the current header. Location is the channel's
// number over the whole table (MR 1 = 1, BOOK 1 = 71, WX 1 = 161, BRS 1 = 171); rows end in CRLF.
std::string ExportChannelsCsv(const ChannelTable& table);

// "146.520000": Hz as MHz with six decimals, written exactly.
std::string CsvMhzText(std::int64_t hz);

}  // namespace tarn
