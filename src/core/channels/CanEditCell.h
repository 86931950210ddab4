#pragma once
// Whether the in-cell edit box may open on a cell of the current channel.
#include "channels/EditResult.h"
#include "model/ChannelTable.h"

namespace tarn {

// Done when the box may open on `column` of the channel in slot CurrentIndex. Refused with a beep when
// the user can mend the reason (a weather or BRS channel, a transmit frequency without Split, a shift
// without minus or plus, a tone without a tone type); silently for an empty channel's cells and for
// the columns that are never typed into.
EditResult CanEditCell(const ChannelTable& table, int column);

}  // namespace tarn
