#include "model/ImageCodec.h"

#include <algorithm>

#include "model/ImageChecksum.h"

namespace tarn {

void DecodeImage(DocumentContent& content) {
    content.Settings.Decode(content.Image);
    DecodeChannelTable(content.Channels, content.Image, content.Settings);
}

void EncodeImage(DocumentContent& content) {
    std::fill(content.Image.begin() + kWxRecordsOffset, content.Image.begin() + kChannelRecordsEnd, 0);
    EncodeChannelTable(content.Channels, content.Image, content.Settings);
    content.Settings.Encode(content.Image);
    StoreAdjustmentChecksum(content.Image);
}

}  // namespace tarn
