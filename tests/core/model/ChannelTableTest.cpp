#include "model/ChannelTable.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/DefaultImage.h"
#include "model/ImageCodec.h"

namespace tarn {
namespace {

class ChannelTableTest : public ::testing::Test {
protected:
    ChannelTableTest() { FillDefaultImage(content); }
    ChannelEntry& Slot(std::size_t s) { return content.Channels.Entries[s]; }

    DocumentContent content;
};

// The first and last slot of each group (MR ends with the two scan limits); past the last, no group.
TEST_F(ChannelTableTest, SlotsHaveTheirLabelsAndRecords) {
    for (auto [slot, label, offset, group] : {std::tuple{0, "   1", 968, 0u}, {69, "PMSU", 968 + 69 * 18, 0u},
                                              {70, "   1", 2228, 1u}, {169, "  10", 212 + 9 * 18, 2u},
                                              {201, "  32", 392 + 31 * 18, 3u}, {202, "", 0, 4u}}) {
        if (slot < 202) {
            EXPECT_EQ(std::tuple(Slot(slot).Label, RecordOffsetOfSlot(slot)), std::tuple(label, offset)) << slot;
        }
        EXPECT_EQ(GroupOfSlot(content.Channels, slot), group) << slot;
    }
}

TEST_F(ChannelTableTest, EmptyFlagsAreOneBitPerSlotLeastSignificantFirst) {
    Slot(9).Empty = 0;
    Slot(159).Empty = 0;
    Slot(201).Empty = 0;
    Slot(170).Empty = 1;
    EncodeImage(content);
    const CloneImage& image = content.Image;
    EXPECT_EQ(std::tie(image[12], image[13], image[20], image[31]), std::tuple(0xFE, 0xFD, 0xBF, 0x7F));
    EXPECT_EQ(std::tie(image[8], image[10], image[11]), std::tuple(0x01, 0xC0, 0x7F));
    DocumentContent decoded = content;
    DecodeImage(decoded);
    for (std::size_t s = 0; s < kSlotsEnd; ++s) EXPECT_EQ(decoded.Channels.Entries[s].Empty, Slot(s).Empty) << s;
}

TEST_F(ChannelTableTest, CurrentChannelBytesPointAtChannelsInUse) {
    for (std::size_t s : {5, 67, 68, 159}) Slot(s).Empty = 0;
    for (auto [mr, book, mrOut, bookOut] : {std::tuple{5, 89, 5, 89}, {67, 0, 67, 0}, {68, 90, 0, 0}, {6, 3, 0, 0},
                                            {255, 255, 0, 0}}) {
        content.Image[kCurrentMrChannelOffset] = static_cast<std::uint8_t>(mr);
        content.Image[kCurrentBookChannelOffset] = static_cast<std::uint8_t>(book);
        EncodeChannelTable(content.Channels, content.Image, content.Settings);
        EXPECT_EQ(content.Image[kCurrentMrChannelOffset], mrOut) << mr;
        EXPECT_EQ(content.Image[kCurrentBookChannelOffset], bookOut) << book;
    }
}

TEST_F(ChannelTableTest, MemoryChannelsAreDecodedAgainstTheWeatherSlots) {
    Slot(1).Empty = 0;
    Slot(1).RxFrequency = 162550000;
    Slot(1).Step = 0;
    EncodeImage(content);
    DecodeImage(content);
    EXPECT_EQ(std::tie(Slot(1).Band, Slot(1).RxFrequency), std::tuple(kBandWx, 162550000));
    content.Image[7] &= ~0x04;  // "Weather Band" off: above the air band
    DecodeImage(content);
    EXPECT_EQ(std::tie(Slot(1).Band, Slot(1).RxFrequency), std::tuple(kBandAm, 136975000));
}

TEST_F(ChannelTableTest, SelectGroupSkipsGroupsThatAreSwitchedOff) {
    auto select = [&](std::uint32_t group) {
        content.Channels.CurrentGroup = group;
        SelectGroup(content.Channels, content.Settings);
        return std::tuple(content.Channels.CurrentGroup, content.Channels.GroupBase, content.Channels.CurrentIndex);
    };
    EXPECT_EQ(select(1), std::tuple(1u, 71u, 70u));
    EXPECT_EQ(select(2), std::tuple(2u, 161u, 160u));
    EXPECT_EQ(select(3), std::tuple(3u, 171u, 170u));
    EXPECT_EQ(select(4), std::tuple(0u, 1u, 0u));
    content.Settings.WeatherBand = 0;
    EXPECT_EQ(select(2), std::tuple(3u, 171u, 170u));
    content.Settings.BrsMode = 0;
    EXPECT_EQ(select(2), std::tuple(0u, 1u, 0u));  // stepping on from BOOK lands on MR
    content.Channels.GroupSizes[1] = 0;
    content.Settings.WeatherBand = 1;
    EXPECT_EQ(select(1), std::tuple(2u, 71u, 70u));
}

}  // namespace
}  // namespace tarn
