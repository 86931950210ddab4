#include "model/ChannelRecord.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/support/ChannelSummary.h"
#include "model/ChannelFieldTexts.h"
#include "model/ChannelTable.h"
#include "model/DefaultImage.h"
#include "model/VfoRecord.h"

namespace tarn {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kMr1 = kMrRecordsOffset;
constexpr std::size_t kMr2 = kMrRecordsOffset + kChannelRecordSize;
constexpr std::size_t kWx1 = kWxRecordsOffset;
constexpr std::size_t kWx2 = kWxRecordsOffset + kChannelRecordSize;

class ChannelRecordTest : public ::testing::Test {
protected:
    ChannelRecordTest() { FillDefaultImage(content); }

    Bytes Record(std::size_t offset) const {
        return {content.Image.begin() + offset, content.Image.begin() + offset + kChannelRecordSize};
    }
    void SetRecord(std::size_t offset, const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(), content.Image.begin() + offset);
    }
    ChannelEntry Decode(std::size_t offset) {
        ChannelEntry e;
        e.Label = offset < kWxRecordsOffset ? "" : "   1";
        DecodeChannelRecord(content.Image, offset, e, content.Bands());
        return e;
    }
    void Encode(ChannelEntry& e, std::size_t offset) { EncodeChannelRecord(e, content.Image, offset, content.Bands()); }

    DocumentContent content;
};

using test::ChannelSummary;

TEST_F(ChannelRecordTest, EncodesEachFieldInItsBitsAndDecodesItBack) {
    content.Settings.GrayExpansion = 1;
    ChannelEntry every{.Label = "   1", .RxFrequency = 121500000, .ShiftOffset = 600000, .ToneType = kToneCtcss,
                       .CtcssIndex = 12, .DcsIndex = 3, .TxPower = 0, .Step = 5, .ClockShift = 0, .TagDisplay = 1,
                       .Scan = 1, .ShiftMode = kShiftPlus, .Narrow = 1, .RxUnit = 1, .TxUnit = 1};
    SetTag(every, "Ab9.@ }");
    // A Split's transmit frequency is rounded to the step and kept in the band.
    const ChannelEntry split{.Label = "   1", .RxFrequency = 145000000, .TxFrequency = 146012500,
                             .ToneType = kToneDcs, .DcsIndex = 105, .ShiftMode = kShiftSplit, .TxUnit = 1};
    // Without a transmit frequency: stored as 0 in WFM, which reads back as the receive frequency; clamped to
    // the bottom of the band in AM.
    const ChannelEntry wfm{.Label = "   1", .RxFrequency = 98100000, .Step = 7, .ShiftMode = kShiftSplit,
                           .RxUnit = 1, .TxUnit = 1};
    ChannelEntry am = wfm;
    std::tie(am.RxFrequency, am.Step) = std::tuple(120000000, 5);
    for (auto [entry, record, shown] :
         {std::tuple{every, Bytes{0x05, 0xB8, 0x63, 0, 12, 0, 10, 37, 9, 62, 84, 64, 93, 64, 0x4B, 0xF0, 12, 0},
                     "Ab9.@ } |AM121.50000  0.00000+  0.60000|CTCSS100.0023|LO25kNvvv"},
          {split, Bytes{0x20, 0x0C, 0xE5, 0, 0, 105, 64, 64, 64, 64, 64, 64, 64, 64, 0x71, 0x48, 0x5B, 0x42},
           "        |EXP145.00000146.01500Split  0.00000|DCS 67.0754|LO5kWv--"},
          {wfm, Bytes{0x47, 0x8C, 0x09, 0, 0, 0, 64, 64, 64, 64, 64, 64, 64, 64, 0x3D, 0x50, 0, 0},
           "        |WFM 98.10000 98.10000Split  0.00000|----- 67.0023|LO100kWv--"},
          {am, Bytes{0x05, 0x8C, 0x01, 0, 0, 0, 64, 64, 64, 64, 64, 64, 64, 64, 0x4B, 0, 0x49, 0xC0},
           "        |AM120.00000118.00000Split  0.00000|----- 67.0023|LO25kWv--"}}) {
        Encode(entry, kMr1);
        EXPECT_EQ(Record(kMr1), record) << shown;
        EXPECT_EQ(ChannelSummary(Decode(kMr1)), shown);
    }
}

TEST_F(ChannelRecordTest, AnErasedRecordBecomesTheAirVfoAt118MhzInTheImage) {
    // An Air VFO record with a 5 kHz unit, a TAG, a plus shift and a tone.
    SetRecord(kAirVfoRecordOffset, {0x1D, 0x48, 0x61, 0x07, 5, 0, 10, 11, 12, 64, 64, 64, 64, 64, 0x5C, 0x30, 12, 0});
    const Bytes erased(kChannelRecordSize, 0xFF);
    SetRecord(kMr2, erased);
    const ChannelEntry d = Decode(kMr2);
    EXPECT_EQ(Record(kMr2), (Bytes{0x1D, 0xC0, 0x61, 0x07, 5, 0, 10, 11, 12, 64, 64, 64, 64, 64, 0x49, 0xC0, 0, 0}));
    EXPECT_EQ(std::tuple(ChannelSummary(d), d.RxUnit),
              std::tuple("ABC     |AM118.00000  0.00000Simplex  0.00000|CTCSS 79.7023|HI25kW---", 1u));
    // Weather and business records are rewritten too; the VFO/HOME records are not.
    SetRecord(kWx1, erased);
    Decode(kWx1);
    EXPECT_EQ(Record(kWx1)[14], 0x49);
    SetRecord(kHomeRecordOffset, erased);
    Decode(kHomeRecordOffset);
    EXPECT_EQ(Record(kHomeRecordOffset), erased);
}

TEST_F(ChannelRecordTest, ReadsEachToneBitCombination) {
    auto withToneByte = [&](std::uint8_t tone, std::uint8_t rxHigh = 0x49) {
        SetRecord(kMr1, {0x1D, 0xC0, static_cast<std::uint8_t>(tone | 1), 0, 9, 33, 64, 64, 64, 64, 64, 64, 64, 64,
                         rxHigh, 0xC0, 0, 0});
        const ChannelEntry d = Decode(kMr1);
        return std::tuple(d.ToneType, d.CtcssIndex, d.CtcssDecode, d.DcsIndex, d.DcsDecode);
    };
    EXPECT_EQ(withToneByte(0x40), std::tuple(kToneCtcss, 9u, 0u, 0u, 0u));  // encode only
    EXPECT_EQ(withToneByte(0x20), std::tuple(kToneCtcss, 0u, 9u, 0u, 0u));  // decode only: shown from encode
    EXPECT_EQ(withToneByte(0x80), std::tuple(kToneNone, 0u, 0u, 0u, 0u));
    withToneByte(0, 0x00);  // a zero high count reads as 118 MHz
    EXPECT_EQ(Decode(kMr1).RxFrequency, 118000000);
}

TEST_F(ChannelRecordTest, ValuesOutsideTheTablesShowEmptyAndAreWrittenBackUnchanged) {
    // WX records (kept as read) with Mode 7, Band 6 and a CTCSS index of 200 or a DCS index of 250.
    const Bytes ctcss{0xFD, 0xC0, 0x79, 0, 200, 0, 64, 64, 64, 64, 64, 64, 64, 64, 0x65, 0x98, 0, 0};
    const Bytes dcs{0xFD, 0xC0, 0xF9, 0, 0, 250, 64, 64, 64, 64, 64, 64, 64, 64, 0x65, 0x98, 0, 0};
    SetRecord(kWx1, ctcss);
    SetRecord(kWx2, dcs);
    ChannelEntry c = Decode(kWx1);
    ChannelEntry d = Decode(kWx2);
    EXPECT_EQ(std::tie(c.Mode, c.Band), std::tuple(7u, 6u));
    EXPECT_EQ(ModeText(c) + CtcssText(c) + DcsText(d), "");
    Encode(c, kWx1);
    Encode(d, kWx2);
    EXPECT_EQ(Record(kWx1), ctcss);
    EXPECT_EQ(Record(kWx2), dcs);
}

TEST_F(ChannelRecordTest, CountsThatDoNotFitAreClampedNotWrapped) {
    const std::size_t brs32 = RecordOffsetOfSlot(kSlotsEnd - 1);
    ChannelEntry d = Decode(brs32);
    // 80000 counts of 6250 Hz, 400 of 50 kHz; then negative values; then 10 MHz, which fits (200).
    for (auto [rx, offset, expected] : {std::tuple{500000000, 20000000, Bytes{0xFF, 0xFF, 0xFF}},
                                        {-5000, -50000, Bytes{0, 0, 0}}, {118000000, 10000000, Bytes{0x49, 0xC0, 200}}}) {
        std::tie(d.RxFrequency, d.RxUnit, d.ShiftMode, d.ShiftOffset) = std::tuple(rx, 1, kShiftMinus, offset);
        Encode(d, brs32);
        EXPECT_EQ(Bytes(content.Image.begin() + brs32 + 14, content.Image.begin() + brs32 + 17), expected) << rx;
    }
}

TEST_F(ChannelRecordTest, TagCharactersOutsideTheAlphabetBecomeBlanksUnlessASpecialCodeWasRead) {
    SetRecord(kMr1, {0x1D, 0xC0, 0x01, 0, 0, 0, 10, 100, 64, 127, 200, 125, 11, 64, 0x49, 0xC0, 0, 0});
    ChannelEntry d = Decode(kMr1);
    EXPECT_EQ(TagText(d), "A       ");  // code 200 ends the text
    d.Tag[7] = '~';
    Encode(d, kMr1);
    // 100 and 127 are kept where a blank shows; 200 is negative as a signed byte; characters after the end of
    // the text survive; the tilde becomes a blank.
    EXPECT_EQ(Bytes(content.Image.begin() + kMr1 + 6, content.Image.begin() + kMr1 + 14),
              (Bytes{10, 100, 64, 127, 64, 125, 11, 64}));
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
