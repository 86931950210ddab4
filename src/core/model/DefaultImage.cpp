#include "model/DefaultImage.h"

#include <algorithm>
#include <array>

#include "model/ChannelDefaults.h"
#include "model/DisplaySoundSettings.h"
#include "model/DtmfMemories.h"
#include "model/KeySetSettings.h"
#include "model/MiscSetupSettings.h"
#include "model/TxRxSettings.h"
#include "model/VfoRecord.h"

namespace tarn {
namespace {

constexpr std::array<std::uint8_t, kAlignmentBlockSize> kDefaultAlignmentBlock{
    0x0A, 0xA0, 0x0A, 0xA0, 0x01, 0x0A, 0x7F, 0x0A, 0x7F, 0x46, 0x1E, 0x5A, 0x1E,
    0x41, 0x41, 0x7F, 0x7F, 0x3F, 0x0A, 0x7F, 0x1F, 0xF0, 0x00, 0xFF, 0x3F, 0x05};
constexpr std::array<std::uint8_t, kAdjustmentBlockSize> kDefaultAdjustmentBlock{
    0x0A, 0xEC, 0x0D, 0xA7, 0x00, 0x36, 0x04, 0x20, 0x00, 0x45, 0xA8, 0x08,
    0x14, 0xFF, 0x37, 0x04, 0x30, 0xFF, 0xFC, 0xF7, 0xFE, 0xFC, 0xFE, 0xFC};

template <class Page>
void EncodeDefaults(CloneImage& image) {
    Page page;
    page.SetDefaults();
    page.Encode(image);
}

}  // namespace

void FillDefaultHeader(CloneImage& image) {
    image[32] = 0xFF;
    image[39] = 0x80;
    std::fill(image.begin() + 44, image.begin() + 62, 0xFF);
    image[116] = 0x40;
    std::copy(kDefaultAlignmentBlock.begin(), kDefaultAlignmentBlock.end(), image.begin() + kAlignmentBlockOffset);
    std::copy(kDefaultAdjustmentBlock.begin(), kDefaultAdjustmentBlock.end(), image.begin() + kAdjustmentBlockOffset);
}

void FillDefaultImage(DocumentContent& content) {
    content = DocumentContent{};  // a zeroed image and trailer, and a table that holds nothing of before
    CloneImage& image = content.Image;
    FillDefaultHeader(image);

    content.Settings.SetDefaults();
    content.Settings.Encode(image);

    EncodeDefaults<DisplaySoundSettings>(image);
    EncodeDefaults<TxRxSettings>(image);
    EncodeDefaults<KeySetSettings>(image);
    EncodeDefaults<MiscSetupSettings>(image);

    for (VfoPage page : {VfoPage::Air, VfoPage::VhfExpansion, VfoPage::FmRadio, VfoPage::Home}) {
        VfoRecord record(page);
        record.SetDefaults();
        record.Encode(image, content.Bands());
    }
    EncodeDefaults<DtmfMemories>(image);

    ChannelTable& table = content.Channels;
    DefaultChannelTable(table);
    for (std::size_t s = kMrFirstSlot; s < kWxFirstSlot; ++s) ClearChannel(table.Entries[s]);
    for (std::size_t s = kWxFirstSlot; s < kBrsFirstSlot; ++s) ApplyWxDefault(table.Entries[s], s);
    for (std::size_t s = kBrsFirstSlot; s < kSlotsEnd; ++s) ApplyBrsDefault(table.Entries[s], s);
    EncodeChannelTable(table, image, content.Settings);
}

}  // namespace tarn
