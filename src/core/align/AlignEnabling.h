#pragma once
// Which of the Alignment dialog's value boxes and ADJ buttons the test channel's mode enables: the AM
// transmit items on an AM channel, the FM ones (wide or narrow, by tone) on an FM channel, no transmit
// item on WFM. Items a rule does not name keep the state they have.
#include <array>

#include "align/AlignItems.h"
#include "model/ChannelEntry.h"

namespace tarn {

enum class AlignEnable { Keep, On, Off };

struct AlignItemEnabling {
    AlignEnable box = AlignEnable::Keep;
    AlignEnable button = AlignEnable::Keep;
};

std::array<AlignItemEnabling, kAlignItemCount> BandEnabling(const ChannelEntry& channel);

}  // namespace tarn
