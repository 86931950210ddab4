#include <array>
#include <cstddef>

#include "VirtualRadio.h"
#include "model/ChannelDefaults.h"
#include "model/DefaultImage.h"
#include "model/DocumentContent.h"
#include "model/ImageChecksum.h"
#include "model/ImageCodec.h"

namespace tarn::sim {
namespace {

struct AirChannel {
    const char* tag;
    std::int32_t hz;
};

// What an owner might have stored: the channels of a small airfield and the emergency frequency.
constexpr std::array<AirChannel, 7> kAirChannels{{{"ATIS", 127850000},
                                                  {"GROUND", 121900000},
                                                  {"TOWER", 118700000},
                                                  {"APPROACH", 119100000},
                                                  {"UNICOM", 122800000},
                                                  {"GUARD", 121500000},
                                                  {"CENTER", 132450000}}};

}  // namespace

CloneImage BuiltInImage() {
    DocumentContent content;
    FillDefaultImage(content);
    for (std::size_t i = 0; i < kAirChannels.size(); ++i) {
        ChannelEntry& entry = content.Channels.Entries[kMrFirstSlot + i];
        ClearChannel(entry);
        entry.Empty = 0;
        entry.RxFrequency = kAirChannels[i].hz;
        entry.TagDisplay = 1;
        entry.Scan = 1;
        SetTag(entry, kAirChannels[i].tag);
    }
    EncodeImage(content);
    CloneImage& image = content.Image;
    image[0] = 0x01;  // firmware 1.20
    image[1] = 0x20;
    image[kModelIdOffset] = 0x00;
    image[kModelIdOffset + 1] = 0x02;
    const std::array<std::uint8_t, 4> serial{0x12, 0x34, 0x56, 0x78};
    for (std::size_t i = 0; i < serial.size(); ++i) image[kIdentityOffset + 8 + i] = serial[i];
    StoreAdjustmentChecksum(image);
    return image;
}

}  // namespace tarn::sim
