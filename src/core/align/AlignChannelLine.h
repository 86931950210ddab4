#pragma once
// The Alignment dialog's line about the test channel: band, step, RX frequency, TX (or shift) frequency,
// repeater shift and power, each "Error" while the model is in error.
#include <array>
#include <string>

#include "model/ChannelEntry.h"

namespace tarn {

struct AlignChannelLine {
    std::string band, step, rxFrequency, txFrequency, shift, power;
};

AlignChannelLine ChannelLineTexts(const ChannelEntry& channel, bool error);

}  // namespace tarn
