#include "model/DefaultImage.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/ChannelTable.h"
#include "model/ImageChecksum.h"
#include "model/ImageCodec.h"

namespace tarn {
namespace {

DocumentContent EncodedDefault() {
    DocumentContent content;
    FillDefaultImage(content);
    EncodeImage(content);
    return content;
}

TEST(DefaultImage, HeaderBytesOfANewImage) {
    const DocumentContent content = EncodedDefault();
    // Bytes 0..139, written out as they must be.
    std::vector<std::uint8_t> expected(140, 0);
    expected[2] = 0x3D;
    expected[3] = 0x27;
    expected[7] = 0x0F;
    expected[10] = 0xC0;  // BRS 23..32 empty
    expected[11] = 0xFF;
    for (std::size_t i = 12; i < 32; ++i) expected[i] = 0xFF;  // MR and BOOK empty except MR 1 and BOOK 1
    expected[12] = 0xFE;
    expected[20] = 0xBF;
    expected[32] = 0xFF;
    expected[38] = 0x80;
    expected[39] = 0x80;
    for (std::size_t i = 44; i < 62; ++i) expected[i] = 0xFF;
    const std::uint8_t blocks[] = {
        0x0A, 0xA0, 0x0A, 0xA0, 0x01, 0x0A, 0x7F, 0x0A, 0x7F, 0x46, 0x1E, 0x5A, 0x1E, 0x41, 0x41, 0x7F, 0x7F,
        0x3F, 0x0A, 0x7F, 0x1F, 0xF0, 0x00, 0xFF, 0x3F, 0x05, 0x0A, 0xEC, 0x0D, 0xA7, 0x00, 0x36, 0x04, 0x20,
        0x00, 0x45, 0xA8, 0x08, 0x14, 0xFF, 0x37, 0x04, 0x30, 0xFF, 0xFC, 0xF7, 0xFE, 0xFC, 0xFE, 0xFC};
    std::copy(std::begin(blocks), std::end(blocks), expected.begin() + 64);
    const std::uint8_t common[] = {0x92, 0x81, 0x43, 0x36, 0x48, 0x66, 0x38, 0x14, 0, 65, 0, 111, 0,
                                   0, 127, 127, 127, 0, 127, 0, 127, 0, 127, 50, 0, 0x80};
    std::copy(std::begin(common), std::end(common), expected.begin() + 114);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(content.Image[i], expected[i]) << "byte " << i;

    EXPECT_EQ(ImageChecksum(content.Image.data() + kAdjustmentBlockOffset, kAdjustmentBlockSize), 0x3D27);
    for (std::size_t i = kChannelRecordsEnd; i < kImageSize; ++i) EXPECT_EQ(content.Image[i], 0) << "byte " << i;
    for (std::uint8_t b : content.Trailer) EXPECT_EQ(b, 0);
}

TEST(DefaultImage, RecordsOfANewImage) {
    const DocumentContent content = EncodedDefault();
    auto record = [&](std::size_t offset) {
        return std::vector<std::uint8_t>(content.Image.begin() + offset, content.Image.begin() + offset + 18);
    };
    using R = std::vector<std::uint8_t>;
    const R air{0x1D, 0xC0, 0x01, 0, 0, 0, 64, 64, 64, 64, 64, 64, 64, 64, 0x49, 0xC0, 0, 0};
    EXPECT_EQ(record(140), air);  // HOME: its offset is not stored while Simplex
    EXPECT_EQ(record(158), air);
    EXPECT_EQ(record(176), (R{0x38, 0x40, 0x04, 0, 0, 0, 64, 64, 64, 64, 64, 64, 64, 64, 0x71, 0x48, 0, 0}));
    EXPECT_EQ(record(194), (R{0x5F, 0xC0, 0x09, 0, 0, 0, 64, 64, 64, 64, 64, 64, 64, 64, 0x37, 0x00, 0, 0}));
    EXPECT_EQ(record(212), (R{0x7D, 0xE0, 0x0D, 0, 0, 0, 32, 33, 78, 0, 1, 64, 64, 64, 0x65, 0x98, 0, 0}));
    EXPECT_EQ(record(392), (R{0x98, 0x60, 0x10, 0, 0, 0, 38, 43, 64, 0, 1, 64, 64, 64, 0x76, 0x75, 0, 0}));
    EXPECT_EQ(record(968), air);  // MR 1, and every cleared slot
    EXPECT_EQ(record(3830), air);
    EXPECT_EQ(record(392 + 31 * 18), air);  // BRS 32 has no channel
}

TEST(DefaultImage, DecodesBackToTheSameImage) {
    DocumentContent content = EncodedDefault();
    const CloneImage encoded = content.Image;
    DecodeImage(content);
    EncodeImage(content);
    EXPECT_EQ(content.Image, encoded);
}

}  // namespace
}  // namespace tarn
