// Images with any content at all decode and encode without a fault; the sanitizer build runs this too.
#include <gtest/gtest.h>

#include <random>

#include "model/ChannelFieldTexts.h"
#include "model/IdentityValues.h"
#include "model/ImageCodec.h"
#include "model/VfoRecord.h"

namespace tarn {
namespace {

constexpr int kImages = 3000;

// Some images are mostly erased memory, some mostly zero, as a radio or a file may leave them.
void FillRandom(CloneImage& image, std::mt19937& random, int round) {
    for (auto& b : image) {
        const bool filled = round % 5 != 0 && random() % 4 != 0;
        b = static_cast<std::uint8_t>(filled && round % 5 == 1 ? 0xFF : filled && round % 5 == 2 ? 0 : random());
    }
}

std::size_t ShowAll(const ChannelEntry& e) {
    return TagText(e).size() + FrequencyText(e.RxFrequency).size() + FrequencyText(e.TxFrequency).size() +
           FrequencyText(e.ShiftOffset).size() + ModeText(e).size() + StepText(e).size() + WidthText(e).size() +
           ToneTypeText(e).size() + CtcssText(e).size() + DcsText(e).size() + PowerText(e).size() +
           ShiftText(e).size() + ClockShiftText(e).size() + FlagText(e.Scan).size();
}

TEST(RandomImages, DecodeAndEncodeSafelyAndSettleAfterOneRound) {
    std::mt19937 random(20261206);
    DocumentContent content;
    for (int round = 0; round < kImages; ++round) {
        FillRandom(content.Image, random, round);
        DecodeImage(content);
        std::size_t shown = 0;
        for (const ChannelEntry& e : content.Channels.Entries) shown += ShowAll(e);
        EXPECT_GT(shown, 0u);
        for (VfoPage page : {VfoPage::Home, VfoPage::Air, VfoPage::VhfExpansion, VfoPage::FmRadio}) {
            VfoRecord record(page);
            record.Decode(content.Image, content.Bands());
            shown += ShowAll(record.Entry);
            record.Encode(content.Image, content.Bands());
        }
        EXPECT_FALSE(FirmwareVersionText(content.Image).empty());
        EXPECT_EQ(SerialNumberText(content.Image).size(), 8u);

        EncodeImage(content);
        // A channel classified just below a band edge and rounded onto it is moved into the other band by
        // the next decode; after that the model and the image agree.
        DecodeImage(content);
        EncodeImage(content);
        const CloneImage settled = content.Image;
        DecodeImage(content);
        EncodeImage(content);
        for (std::size_t i = 0; i < kImageSize; ++i) {
            ASSERT_EQ(content.Image[i], settled[i]) << "round " << round << " byte " << i;
        }
    }
}

}  // namespace
}  // namespace tarn
