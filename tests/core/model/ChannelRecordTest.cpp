#include "model/ChannelRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/ChannelFieldTexts.h"
#include "model/ChannelTable.h"
#include "model/DefaultImage.h"
#include "model/VfoRecord.h"

namespace tarn {
namespace {

constexpr std::size_t kMr1 = kMrRecordsOffset;
constexpr std::size_t kWx1 = kWxRecordsOffset;
constexpr std::size_t kBrs32 = kBrsRecordsOffset + 31 * kChannelRecordSize;

class ChannelRecordTest : public ::testing::Test {
protected:
    ChannelRecordTest() { FillDefaultImage(content); }

    std::vector<std::uint8_t> Record(std::size_t offset) const {
        return {content.Image.begin() + offset, content.Image.begin() + offset + kChannelRecordSize};
    }
    void SetRecord(std::size_t offset, const std::vector<std::uint8_t>& bytes) {
        std::copy(bytes.begin(), bytes.end(), content.Image.begin() + offset);
    }
    ChannelEntry Decode(std::size_t offset) {
        ChannelEntry e;
        e.Label = offset < kWxRecordsOffset ? "" : "   1";
        DecodeChannelRecord(content.Image, offset, e, content.Bands());
        return e;
    }
    void Encode(ChannelEntry& e, std::size_t offset) { EncodeChannelRecord(e, content.Image, offset, content.Bands()); }
    static ChannelEntry Mr() {
        ChannelEntry e;
        e.Label = "   1";
        return e;
    }

    DocumentContent content;
};

TEST_F(ChannelRecordTest, EncodesEveryFieldInItsBitsAndDecodesItBack) {
    ChannelEntry e = Mr();
    e.Mode = e.Band = kBandAm;
    SetTag(e, "Ab9.@ }");
    e.RxFrequency = 121500000;
    e.RxUnit = 1;
    e.TxUnit = 1;
    e.Step = 5;
    e.TxPower = 0;
    e.ClockShift = 0;
    e.TagDisplay = 1;
    e.Scan = 1;
    e.ShiftMode = kShiftPlus;
    e.ShiftOffset = 600000;
    e.ToneType = kToneCtcss;
    e.CtcssIndex = 12;
    e.DcsIndex = 3;
    e.Narrow = 1;
    Encode(e, kMr1);
    EXPECT_EQ(Record(kMr1), (std::vector<std::uint8_t>{0x05, 0xB8, 0x63, 0x00, 12, 0, 10, 37, 9, 62, 84, 64, 93, 64,
                                                       0x4B, 0xF0, 12, 0}));
    const ChannelEntry d = Decode(kMr1);
    EXPECT_EQ(TagText(d), "Ab9.@ } ");
    EXPECT_EQ(d.RxFrequency, 121500000);
    EXPECT_EQ(d.ShiftMode, kShiftPlus);
    EXPECT_EQ(d.ShiftOffset, 600000);
    EXPECT_EQ(d.ToneType, kToneCtcss);
    EXPECT_EQ(d.CtcssIndex, 12u);
    EXPECT_EQ(d.CtcssDecode, 12u);
    EXPECT_EQ(d.DcsIndex, 0u);
    EXPECT_EQ(d.Step, 5u);
    EXPECT_EQ(d.TxPower, 0u);
    EXPECT_EQ(d.ClockShift, 0u);
    EXPECT_EQ(d.TagDisplay, 1u);
    EXPECT_EQ(d.Scan, 1u);
    EXPECT_EQ(d.Narrow, 1u);
    EXPECT_EQ(d.RxUnit, 1u);
    EXPECT_EQ(d.TxUnit, 1u);
    EXPECT_EQ(PowerText(d), "LO");
    EXPECT_EQ(ClockShiftText(d), "v");
    EXPECT_EQ(FlagText(d.Scan), "v");
    EXPECT_EQ(FrequencyText(d.RxFrequency), "121.50000");
    EXPECT_EQ(CtcssText(d), "100.0");
}

TEST_F(ChannelRecordTest, SplitChannelsKeepTheirTransmitFrequencyInTheBand) {
    content.Settings.GrayExpansion = 1;
    ChannelEntry e = Mr();
    e.RxFrequency = 145000000;
    e.Step = 0;
    e.RxUnit = 0;
    e.TxUnit = 1;
    e.ShiftMode = kShiftSplit;
    e.TxFrequency = 146012500;
    e.ToneType = kToneDcs;
    e.DcsIndex = 105;
    Encode(e, kMr1);
    EXPECT_EQ(e.Band, kBandExp);
    EXPECT_EQ(e.Mode, kBandExp);
    EXPECT_EQ(e.TxFrequency, 146015000);  // rounded to the 5 kHz resolution
    const auto r = Record(kMr1);
    EXPECT_EQ(r[2], 0xE5);  // DCS encode and decode, band 1, TxUnit 1
    EXPECT_EQ(r[5], 105);
    EXPECT_EQ(r[16] << 8 | r[17], 146015000 / 6250);
    const ChannelEntry d = Decode(kMr1);
    EXPECT_EQ(d.TxFrequency, 146015000);
    EXPECT_EQ(DcsText(d), "754");
    EXPECT_EQ(ShiftText(d), "Split");

    // A Split without a transmit frequency: stored as 0 in WFM, which reads back as the receive frequency;
    // clamped to the bottom of the band in AM and EXP.
    e = Mr();
    e.RxFrequency = 98100000;
    e.Step = 7;
    e.RxUnit = 1;
    e.ShiftMode = kShiftSplit;
    Encode(e, kMr1);
    EXPECT_EQ(Record(kMr1)[16], 0);
    EXPECT_EQ(Record(kMr1)[17], 0);
    EXPECT_EQ(Decode(kMr1).TxFrequency, 98100000);
    e = Mr();
    e.RxFrequency = 120000000;
    e.Step = 5;
    e.RxUnit = e.TxUnit = 1;
    e.ShiftMode = kShiftSplit;
    Encode(e, kMr1);
    EXPECT_EQ(e.TxFrequency, 118000000);
    EXPECT_EQ(Record(kMr1)[16] << 8 | Record(kMr1)[17], 18880);
}

TEST_F(ChannelRecordTest, AnErasedRecordBecomesTheAirVfoAt118MhzInTheImage) {
    // An Air VFO record with a 5 kHz unit, a TAG, a plus shift and a tone.
    SetRecord(kAirVfoRecordOffset, {0x1D, 0x48, 0x61, 0x07, 5, 0, 10, 11, 12, 64, 64, 64, 64, 64, 0x5C, 0x30, 12, 0});
    std::vector<std::uint8_t> erased(kChannelRecordSize, 0xFF);
    SetRecord(kMr1 + kChannelRecordSize, erased);
    const ChannelEntry d = Decode(kMr1 + kChannelRecordSize);
    EXPECT_EQ(Record(kMr1 + kChannelRecordSize),
              (std::vector<std::uint8_t>{0x1D, 0xC0, 0x61, 0x07, 5, 0, 10, 11, 12, 64, 64, 64, 64, 64, 0x49, 0xC0, 0, 0}));
    EXPECT_EQ(d.RxFrequency, 118000000);
    EXPECT_EQ(d.RxUnit, 1u);
    EXPECT_EQ(d.ShiftMode, kShiftSimplex);
    EXPECT_EQ(d.ShiftOffset, 0);
    EXPECT_EQ(d.ToneType, kToneCtcss);
    EXPECT_EQ(TagText(d), "ABC     ");

    // Weather and business records are rewritten too; the VFO/HOME records are not.
    SetRecord(kWx1, erased);
    Decode(kWx1);
    EXPECT_EQ(Record(kWx1)[14], 0x49);
    SetRecord(kHomeRecordOffset, erased);
    Decode(kHomeRecordOffset);
    EXPECT_EQ(Record(kHomeRecordOffset), erased);
}

TEST_F(ChannelRecordTest, AZeroHighCountReadsAs118Mhz) {
    SetRecord(kMr1, {0x05, 0x80, 0x00, 0, 0, 0, 64, 64, 64, 64, 64, 64, 64, 64, 0x00, 0x20, 0, 0});
    EXPECT_EQ(Decode(kMr1).RxFrequency, 118000000);
}

TEST_F(ChannelRecordTest, ReadsEachToneBitCombination) {
    auto withToneByte = [&](std::uint8_t tone) {
        SetRecord(kMr1, {0x1D, 0xC0, static_cast<std::uint8_t>(tone | 0x01), 0, 9, 33, 64, 64, 64, 64, 64, 64, 64, 64,
                         0x49, 0xC0, 0, 0});
        return Decode(kMr1);
    };
    ChannelEntry d = withToneByte(0x40);  // CTCSS encode only
    EXPECT_EQ(d.ToneType, kToneCtcss);
    EXPECT_EQ(d.CtcssIndex, 9u);
    EXPECT_EQ(d.CtcssDecode, 0u);
    d = withToneByte(0x20);  // CTCSS decode only: the index shown comes from the encode tone
    EXPECT_EQ(d.ToneType, kToneCtcss);
    EXPECT_EQ(d.CtcssDecode, 9u);
    EXPECT_EQ(d.CtcssIndex, 0u);
    d = withToneByte(0xE0);
    EXPECT_EQ(d.ToneType, kToneDcs);
    EXPECT_EQ(d.DcsIndex, 33u);
    EXPECT_EQ(d.DcsDecode, 33u);
    EXPECT_EQ(d.CtcssIndex, 0u);
    d = withToneByte(0x80);  // DCS kind without encode or decode: no tone
    EXPECT_EQ(d.ToneType, kToneNone);
}

TEST_F(ChannelRecordTest, DecodingMovesAChannelIntoTheBandOfItsFrequency) {
    // Stored as AM with a 25 kHz step and a DCS tone at 98.1 MHz: decodes as WFM with the WFM defaults.
    SetRecord(kMr1, {0x1D, 0xC8, 0xE1, 0, 0, 7, 64, 64, 64, 64, 64, 64, 64, 64, 0x3D, 0x50, 12, 0});
    const ChannelEntry d = Decode(kMr1);
    EXPECT_EQ(d.Band, kBandWfm);
    EXPECT_EQ(d.Mode, kBandWfm);
    EXPECT_EQ(d.Step, 7u);
    EXPECT_EQ(d.ToneType, kToneNone);
    EXPECT_EQ(d.ShiftMode, kShiftSimplex);
    EXPECT_EQ(d.ShiftOffset, 0);
    EXPECT_EQ(d.RxFrequency, 98100000);
    EXPECT_EQ(ModeText(d), "WFM");
}

TEST_F(ChannelRecordTest, ValuesOutsideTheTablesShowEmptyAndAreWrittenBackUnchanged) {
    // WX records (kept as read) with Mode 7, Band 6 and a CTCSS index of 200 or a DCS index of 250.
    const std::vector<std::uint8_t> ctcss{0xFD, 0xC0, 0x79, 0, 200, 0, 64, 64, 64, 64, 64, 64, 64, 64, 0x65, 0x98, 0, 0};
    const std::vector<std::uint8_t> dcs{0xFD, 0xC0, 0xF9, 0, 0, 250, 64, 64, 64, 64, 64, 64, 64, 64, 0x65, 0x98, 0, 0};
    SetRecord(kWx1, ctcss);
    SetRecord(kWx1 + kChannelRecordSize, dcs);
    ChannelEntry c = Decode(kWx1);
    ChannelEntry d = Decode(kWx1 + kChannelRecordSize);
    EXPECT_EQ(c.Mode, 7u);
    EXPECT_EQ(c.Band, 6u);
    EXPECT_EQ(ModeText(c), "");
    EXPECT_EQ(CtcssText(c), "");
    EXPECT_EQ(DcsText(d), "");
    Encode(c, kWx1);
    Encode(d, kWx1 + kChannelRecordSize);
    EXPECT_EQ(Record(kWx1), ctcss);
    EXPECT_EQ(Record(kWx1 + kChannelRecordSize), dcs);
}

TEST_F(ChannelRecordTest, CountsThatDoNotFitAreClampedNotWrapped) {
    ChannelEntry d = Decode(kBrs32);
    d.RxFrequency = 500000000;  // 80000 counts of 6250 Hz
    d.RxUnit = 1;
    d.ShiftMode = kShiftMinus;
    d.ShiftOffset = 20000000;  // 400 counts of 50 kHz
    Encode(d, kBrs32);
    EXPECT_EQ(Record(kBrs32)[14], 0xFF);
    EXPECT_EQ(Record(kBrs32)[15], 0xFF);
    EXPECT_EQ(Record(kBrs32)[16], 0xFF);
    d.RxFrequency = -5000;
    d.ShiftOffset = -50000;
    Encode(d, kBrs32);
    EXPECT_EQ(Record(kBrs32)[14], 0);
    EXPECT_EQ(Record(kBrs32)[15], 0);
    EXPECT_EQ(Record(kBrs32)[16], 0);
    // The encode itself does not clamp a shift offset that fits: 10 MHz is 200 x 50 kHz.
    d.ShiftOffset = 10000000;
    Encode(d, kBrs32);
    EXPECT_EQ(Record(kBrs32)[16], 200);
}

TEST_F(ChannelRecordTest, TagCharactersOutsideTheAlphabetBecomeBlanksUnlessASpecialCodeWasRead) {
    SetRecord(kMr1, {0x1D, 0xC0, 0x01, 0, 0, 0, 10, 100, 64, 127, 200, 125, 11, 64, 0x49, 0xC0, 0, 0});
    ChannelEntry d = Decode(kMr1);
    EXPECT_EQ(d.TagCodes[1], 100);
    EXPECT_EQ(TagText(d), "A       ");  // code 200 ends the text
    d.Tag[8 - 1] = '~';
    Encode(d, kMr1);
    const auto r = Record(kMr1);
    EXPECT_EQ(r[6], 10);
    EXPECT_EQ(r[7], 100);  // shown as a blank, kept
    EXPECT_EQ(r[8], 64);
    EXPECT_EQ(r[9], 127);  // kept
    EXPECT_EQ(r[10], 64);  // 200 is negative as a signed byte
    EXPECT_EQ(r[11], 125);  // the end of text is kept
    EXPECT_EQ(r[12], 11);  // characters after the end of text survive
    EXPECT_EQ(r[13], 64);  // the tilde
}

TEST_F(ChannelRecordTest, RecordBitsOutsideTheFieldsSurviveInVfoRecords) {
    content.Image[kHomeRecordOffset + 1] |= 0x03;
    content.Image[kHomeRecordOffset + 3] = 0x5A;
    VfoRecord home(VfoPage::Home);
    home.Decode(content.Image, content.Bands());
    home.Entry.Scan = 1;
    home.Encode(content.Image, content.Bands());
    EXPECT_EQ(content.Image[kHomeRecordOffset + 1] & 0x13, 0x13);
    EXPECT_EQ(content.Image[kHomeRecordOffset + 3], 0x5A);
}

}  // namespace
}  // namespace tarn
