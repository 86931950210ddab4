#pragma once
// The defaults of a channel slot: cleared (MR, BOOK and the records), weather and business-radio.
#include <cstddef>

#include "model/ChannelEntry.h"

namespace tarn {

// An AM channel at 118.000 MHz, 25 kHz step, blank TAG; Empty is not changed.
void ClearChannel(ChannelEntry& entry);
// The weather channel of slot 160..169 ("WX-01".."WX-10").
void ApplyWxDefault(ChannelEntry& entry, std::size_t slot);
// The business-radio channel of slot 170..201 ("ch 01".."ch 22"); slots without a frequency are cleared and
// Empty.
void ApplyBrsDefault(ChannelEntry& entry, std::size_t slot);

}  // namespace tarn
