#include "model/ChannelTable.h"

#include <gtest/gtest.h>

#include "model/ChannelDefaults.h"
#include "model/ChannelFieldTexts.h"
#include "model/ChannelRecord.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"

namespace tarn {
namespace {

class ChannelTableTest : public ::testing::Test {
protected:
    ChannelTableTest() { FillDefaultImage(content); }
    ChannelTable& table() { return content.Channels; }

    DocumentContent content;
};

TEST_F(ChannelTableTest, NewTableHasItsGroupsLabelsAndDefaults) {
    EXPECT_EQ(table().Entries[0].Label, "   1");
    EXPECT_EQ(table().Entries[67].Label, "  68");
    EXPECT_EQ(table().Entries[68].Label, "PMSL");
    EXPECT_EQ(table().Entries[69].Label, "PMSU");
    EXPECT_EQ(table().Entries[70].Label, "   1");
    EXPECT_EQ(table().Entries[159].Label, "  90");
    EXPECT_EQ(table().Entries[169].Label, "  10");
    EXPECT_EQ(table().Entries[201].Label, "  32");
    for (std::size_t s = 0; s < kSlotsEnd; ++s) {
        const bool inUse = s == 0 || s == 70 || (s >= kWxFirstSlot && s < 192);
        EXPECT_EQ(table().Entries[s].Empty, inUse ? 0u : 1u) << s;
    }
    const ChannelEntry& wx10 = table().Entries[169];
    EXPECT_EQ(TagText(wx10), "WX-10   ");
    EXPECT_EQ(wx10.RxFrequency, 163275000);
    EXPECT_EQ(ModeText(wx10), "WX");
    EXPECT_EQ(FlagText(wx10.TagDisplay), "v");
    const ChannelEntry& brs1 = table().Entries[170];
    EXPECT_EQ(TagText(brs1), "ch 01   ");
    EXPECT_EQ(brs1.RxFrequency, 151625000);
    EXPECT_EQ(brs1.Step, 0u);  // every default lies on the 5 kHz grid
    EXPECT_EQ(brs1.RxUnit, 0u);
    EXPECT_EQ(ModeText(brs1), "BRS");
    EXPECT_EQ(TagText(table().Entries[191]), "ch 22   ");
    const ChannelEntry& mr1 = table().Entries[0];
    EXPECT_EQ(FrequencyText(mr1.RxFrequency), "118.00000");
    EXPECT_EQ(StepText(mr1), "25k");
    EXPECT_EQ(ClockShiftText(mr1), "-");
}

TEST_F(ChannelTableTest, RecordsAndEmptyFlagsSitWhereTheGroupsPutThem) {
    EXPECT_EQ(RecordOffsetOfSlot(0), 968u);
    EXPECT_EQ(RecordOffsetOfSlot(69), 968u + 69 * 18);
    EXPECT_EQ(RecordOffsetOfSlot(70), 2228u);
    EXPECT_EQ(RecordOffsetOfSlot(159), 2228u + 89 * 18);
    EXPECT_EQ(RecordOffsetOfSlot(160), 212u);
    EXPECT_EQ(RecordOffsetOfSlot(170), 392u);
    EXPECT_EQ(RecordOffsetOfSlot(201), 392u + 31 * 18);
    EXPECT_EQ(RecordOffsetOfSlot(201) + 18, kMrRecordsOffset);

    // Empty flags, least significant bit first.
    table().Entries[9].Empty = 0;
    table().Entries[159].Empty = 0;
    table().Entries[201].Empty = 0;
    table().Entries[170].Empty = 1;
    EncodeImage(content);
    EXPECT_EQ(content.Image[12], 0xFE);
    EXPECT_EQ(content.Image[13], 0xFD);
    EXPECT_EQ(content.Image[31], 0x7F);
    EXPECT_EQ(content.Image[8], 0x01);
    EXPECT_EQ(content.Image[11], 0x7F);
    DocumentContent decoded = content;
    DecodeImage(decoded);
    for (std::size_t s = 0; s < kSlotsEnd; ++s) EXPECT_EQ(decoded.Channels.Entries[s].Empty, table().Entries[s].Empty);
}

TEST_F(ChannelTableTest, CurrentChannelBytesPointAtChannelsInUse) {
    auto encodeWith = [&](std::uint8_t mr, std::uint8_t book) {
        content.Image[kCurrentMrChannelOffset] = mr;
        content.Image[kCurrentBookChannelOffset] = book;
        EncodeChannelTable(table(), content.Image, content.Settings);
        return std::make_pair(content.Image[kCurrentMrChannelOffset], content.Image[kCurrentBookChannelOffset]);
    };
    table().Entries[5].Empty = 0;
    table().Entries[67].Empty = 0;
    table().Entries[68].Empty = 0;
    table().Entries[70 + 89].Empty = 0;
    EXPECT_EQ(encodeWith(5, 89), std::make_pair(std::uint8_t{5}, std::uint8_t{89}));
    EXPECT_EQ(encodeWith(67, 0), std::make_pair(std::uint8_t{67}, std::uint8_t{0}));
    EXPECT_EQ(encodeWith(68, 90), std::make_pair(std::uint8_t{0}, std::uint8_t{0}));  // PMSL, past BOOK
    EXPECT_EQ(encodeWith(6, 3), std::make_pair(std::uint8_t{0}, std::uint8_t{0}));    // empty slots
    EXPECT_EQ(encodeWith(255, 255), std::make_pair(std::uint8_t{0}, std::uint8_t{0}));
}

TEST_F(ChannelTableTest, DecodesMemoryChannelsAgainstTheWeatherSlots) {
    // MR 2 at exactly 162.550 MHz, stored in the AM band.
    table().Entries[1].Empty = 0;
    table().Entries[1].RxFrequency = 162550000;
    table().Entries[1].Step = 0;
    EncodeImage(content);  // classified against WX-01 when encoded
    DecodeImage(content);
    EXPECT_EQ(table().Entries[1].Band, kBandWx);
    EXPECT_EQ(table().Entries[1].RxFrequency, 162550000);

    content.Image[7] &= ~0x04;  // "Weather Band" off: above the air band
    DecodeImage(content);
    EXPECT_EQ(table().Entries[1].Band, kBandAm);
    EXPECT_EQ(table().Entries[1].RxFrequency, 136975000);
    EXPECT_EQ(table().CurrentGroup, kGroupMr);
    EXPECT_EQ(table().GroupBase, 1u);
}

TEST_F(ChannelTableTest, SelectGroupSkipsGroupsThatAreSwitchedOff) {
    auto select = [&](std::uint32_t group) {
        table().CurrentGroup = group;
        SelectGroup(table(), content.Settings);
        return std::make_tuple(table().CurrentGroup, table().GroupBase, table().CurrentIndex);
    };
    EXPECT_EQ(select(0), std::make_tuple(0u, 1u, 0u));
    EXPECT_EQ(select(1), std::make_tuple(1u, 71u, 70u));
    EXPECT_EQ(select(2), std::make_tuple(2u, 161u, 160u));
    EXPECT_EQ(select(3), std::make_tuple(3u, 171u, 170u));
    EXPECT_EQ(select(4), std::make_tuple(0u, 1u, 0u));
    content.Settings.WeatherBand = 0;
    EXPECT_EQ(select(2), std::make_tuple(3u, 171u, 170u));
    content.Settings.BrsMode = 0;
    EXPECT_EQ(select(1 + 1), std::make_tuple(0u, 1u, 0u));  // stepping on from BOOK lands on MR
    table().GroupSizes[1] = 0;
    content.Settings.WeatherBand = 1;
    EXPECT_EQ(select(1), std::make_tuple(2u, 71u, 70u));
}

TEST_F(ChannelTableTest, GroupOfSlotFollowsTheGroupSizes) {
    EXPECT_EQ(GroupOfSlot(table(), 0), 0u);
    EXPECT_EQ(GroupOfSlot(table(), 69), 0u);
    EXPECT_EQ(GroupOfSlot(table(), 70), 1u);
    EXPECT_EQ(GroupOfSlot(table(), 159), 1u);
    EXPECT_EQ(GroupOfSlot(table(), 160), 2u);
    EXPECT_EQ(GroupOfSlot(table(), 170), 3u);
    EXPECT_EQ(GroupOfSlot(table(), 201), 3u);
    EXPECT_EQ(GroupOfSlot(table(), 202), 4u);
}

TEST(ChannelDefaults, ClearChannelLeavesEmptyAlone) {
    ChannelEntry e;
    e.Empty = 1;
    e.Scan = 1;
    e.TagCodes.fill(99);
    ClearChannel(e);
    EXPECT_EQ(e.Empty, 1u);
    EXPECT_EQ(e.Scan, 0u);
    EXPECT_EQ(e.TagCodes[0], 0);
    EXPECT_EQ(TagText(e), "        ");
    EXPECT_EQ(e.RxFrequency, 118000000);
    ApplyBrsDefault(e, 195);
    EXPECT_EQ(e.Empty, 1u);
    EXPECT_EQ(e.Band, kBandAm);
}

}  // namespace
}  // namespace tarn
