#include "model/VfoRecord.h"

#include "model/ChannelDefaults.h"
#include "model/ChannelRecord.h"

namespace tarn {
namespace {

struct VfoDefault {
    std::uint32_t band;
    std::int32_t rxFrequency;
    std::int32_t shiftOffset;
    std::uint32_t step;
    std::uint32_t unit;
};

VfoDefault DefaultOf(VfoPage page) {
    switch (page) {
        case VfoPage::Home: return {kBandAm, 118000000, 600000, 5, 1};
        case VfoPage::Air: return {kBandAm, 118000000, 0, 5, 1};
        case VfoPage::VhfExpansion: return {kBandExp, 145000000, 600000, 0, 0};
        case VfoPage::FmRadio: break;
    }
    return {kBandWfm, 88000000, 0, 7, 1};
}

}  // namespace

std::size_t VfoRecordOffset(VfoPage page) {
    switch (page) {
        case VfoPage::Home: return kHomeRecordOffset;
        case VfoPage::Air: return kAirVfoRecordOffset;
        case VfoPage::VhfExpansion: return kVhfExpansionVfoRecordOffset;
        case VfoPage::FmRadio: break;
    }
    return kFmRadioVfoRecordOffset;
}

void VfoRecord::SetDefaults() {
    const VfoDefault d = DefaultOf(Page);
    Entry.Label.clear();
    ClearChannel(Entry);
    Entry.Mode = d.band;
    Entry.Band = d.band;
    Entry.RxFrequency = d.rxFrequency;
    Entry.ShiftOffset = d.shiftOffset;
    Entry.Step = d.step;
    Entry.RxUnit = d.unit;
    Entry.TxUnit = d.unit;
}

void VfoRecord::Decode(CloneImage& image, const BandContext& context) {
    DecodeChannelRecord(image, VfoRecordOffset(Page), Entry, context);
}

void VfoRecord::Encode(CloneImage& image, const BandContext& context) {
    EncodeChannelRecord(Entry, image, VfoRecordOffset(Page), context);
}

}  // namespace tarn
