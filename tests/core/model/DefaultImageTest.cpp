#include "model/DefaultImage.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/ChannelTable.h"
#include "model/ImageCodec.h"

namespace tarn {
namespace {

using Bytes = std::vector<std::uint8_t>;

// "0A A0 ..." as bytes; blanks only group them for the reader.
Bytes Hex(std::string_view text) {
    Bytes bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ') bytes.push_back(std::stoi(std::string(text.substr(i++, 2)), nullptr, 16));
    }
    return bytes;
}

class DefaultImage : public ::testing::Test {
protected:
    DefaultImage() {
        FillDefaultImage(content);
        EncodeImage(content);
    }
    Bytes At(std::size_t offset, std::size_t size) const {
        return {content.Image.begin() + offset, content.Image.begin() + offset + size};
    }
    DocumentContent content;
};

TEST_F(DefaultImage, RecordsOfANewImage) {
    const auto air = Hex("1DC001 000000 4040404040404040 49C0 0000");
    // HOME (its offset is not stored while Simplex), the Air, VHF expansion and FM radio VFOs, WX 1, BRS 1.
    for (auto [offset, record] : {std::pair{140, air}, {158, air}, {176, Hex("384004 000000 4040404040404040 7148 0000")},
                                  {194, Hex("5FC009 000000 4040404040404040 3700 0000")},
                                  {212, Hex("7DE00D 000000 20214E0001404040 6598 0000")},
                                  {392, Hex("986010 000000 262B400001404040 7675 0000")},
                                  // MR 1, every cleared slot, and BRS 32, which has no channel
                                  {968, air}, {3830, air}, {392 + 31 * 18, air}}) {
        EXPECT_EQ(At(offset, 18), record) << offset;
    }
}

// Nothing is kept past the channel records, and the image reads back as written.
TEST_F(DefaultImage, DecodesBackToTheSameImage) {
    EXPECT_EQ(At(kChannelRecordsEnd, kImageSize - kChannelRecordsEnd), Bytes(kImageSize - kChannelRecordsEnd, 0));
    EXPECT_EQ(content.Trailer, ImageTrailer{});
    const CloneImage encoded = content.Image;
    DecodeImage(content);
    EncodeImage(content);
    EXPECT_EQ(content.Image, encoded);
}

}  // namespace
}  // namespace tarn
