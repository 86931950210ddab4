#pragma once
// What a document holds: the image, the trailer a file keeps after it, and the long-lived model objects
// decoded from the image. Replaced as a whole on New, Open and reload.
#include "model/ChannelTable.h"
#include "model/CloneImage.h"
#include "model/FrequencyRules.h"
#include "model/SystemSettings.h"

namespace tarn {

struct DocumentContent {
    CloneImage Image{};
    ImageTrailer Trailer{};
    SystemSettings Settings;
    ChannelTable Channels;

    BandContext Bands() const { return {Settings, Channels}; }
};

}  // namespace tarn
