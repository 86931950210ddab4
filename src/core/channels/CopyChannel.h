#pragma once
// Copying a whole channel over another (a slot number pasted onto the channel-number column).
#include <cstddef>
#include <string>
#include <string_view>

#include "model/ChannelTable.h"

namespace tarn {

// Copies the channel data of slot `source` over slot `destination`. The destination keeps its label and
// its raw tone fields (rebuilt from the tone indexes when encoded); MR 1 and BOOK 1 stay in use whatever
// the source. Nothing happens while the weather or BRS group is shown, or for slots outside the table.
void CopyChannel(ChannelTable& table, std::size_t source, std::size_t destination);

// The question asked before slot `source` is copied over the current channel; `pastedText` is the text
// that named the source.
std::string ChannelCopyQuestion(const ChannelTable& table, std::size_t source, std::string_view pastedText);

}  // namespace tarn
