#include <gtest/gtest.h>

#include <map>
#include <random>

#include "model/ChannelFieldTexts.h"
#include "model/DefaultImage.h"
#include "model/DisplaySoundSettings.h"
#include "model/DtmfMemories.h"
#include "model/IdentityValues.h"
#include "model/KeySetSettings.h"
#include "model/MiscSetupSettings.h"
#include "model/SystemSettings.h"
#include "model/TxRxSettings.h"
#include "model/VfoRecord.h"

namespace tarn {
namespace {

using BitMap = std::map<std::size_t, std::uint8_t>;  // image byte -> the bits a page owns

CloneImage RandomImage(std::mt19937& random) {
    CloneImage image;
    for (auto& b : image) b = static_cast<std::uint8_t>(random());
    return image;
}

// Decodes `Page` from one random image and encodes it into another: only the page's own bits may change, and
// (where `exact`) they take the values of the first image.
template <class Page>
void ExpectEncodeTouchesOnly(const BitMap& owned, bool exact) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const CloneImage source = RandomImage(random);
        const CloneImage before = RandomImage(random);
        Page page;
        page.Decode(source);
        CloneImage after = before;
        page.Encode(after);
        for (std::size_t i = 0; i < kImageSize; ++i) {
            const auto it = owned.find(i);
            const std::uint8_t mask = it == owned.end() ? 0 : it->second;
            ASSERT_EQ((after[i] ^ before[i]) & ~mask, 0) << "byte " << i;
            if (exact) {
                ASSERT_EQ(after[i] & mask, source[i] & mask) << "byte " << i;
            }
        }
    }
}

TEST(SettingsBitMaps, EachPageWritesOnlyItsOwnBits) {
    ExpectEncodeTouchesOnly<DisplaySoundSettings>({{114, 0x10}, {115, 0xD0}, {118, 0xCB}, {119, 0xFF}, {120, 0x33}},
                                                  true);
    ExpectEncodeTouchesOnly<TxRxSettings>({{114, 0xC0}, {115, 0x27}, {116, 0x07}, {117, 0xFF}, {120, 0x08}, {139, 0x03}},
                                          true);
    ExpectEncodeTouchesOnly<KeySetSettings>({{114, 0x0F}, {120, 0x40}, {121, 0xFF}}, false);
    BitMap misc{{116, 0x98}, {118, 0x30}, {120, 0x04}, {137, 0xFF}, {138, 0xFF}, {139, 0xF0}};
    for (std::size_t i = 122; i <= 136; ++i) misc[i] = 0xFF;
    ExpectEncodeTouchesOnly<MiscSetupSettings>(misc, false);
    ExpectEncodeTouchesOnly<SystemSettings>({{7, 0x0F}, {38, 0xFF}, {39, 0x17}, {40, 0xE0}}, false);
}

TEST(SettingsBitMaps, ValuesWiderThanTheirFieldCannotSpillIntoOtherSettings) {
    CloneImage image{};
    DisplaySoundSettings page;
    page.SetDefaults();
    page.Dimmer = 0xFF;
    page.Encode(image);
    EXPECT_EQ(image[119] & 0xCF, 0x46);  // Beep and LCD Contrast keep their defaults
}

TEST(SettingsDefaults, CommonPagesStartWithTheirDefaults) {
    CloneImage image{};
    DisplaySoundSettings ds;
    ds.SetDefaults();
    ds.Encode(image);
    TxRxSettings txrx;
    txrx.SetDefaults();
    txrx.Encode(image);
    KeySetSettings keys;
    keys.SetDefaults();
    keys.Encode(image);
    MiscSetupSettings misc;
    misc.SetDefaults();
    misc.Encode(image);
    EXPECT_EQ(image[114], 0x92);
    EXPECT_EQ(image[115], 0x81);
    EXPECT_EQ(image[116], 0x03);
    EXPECT_EQ(image[117], 0x36);
    EXPECT_EQ(image[118], 0x48);
    EXPECT_EQ(image[119], 0x66);
    EXPECT_EQ(image[120], 0x38);
    EXPECT_EQ(image[121], 0x14);
    const std::uint8_t leds[] = {0, 65, 0, 111, 0, 0, 127, 127, 127, 0, 127, 0, 127, 0, 127, 50, 0, 0x80};
    for (std::size_t i = 0; i < sizeof leds; ++i) EXPECT_EQ(image[122 + i], leds[i]) << 122 + i;
}

TEST(KeySetSettings, LockListPositionsMapToMasks) {
    CloneImage image{};
    KeySetSettings keys;
    for (std::uint8_t mask = 0; mask < 8; ++mask) {
        image[114] = mask;
        keys.Decode(image);
        const std::uint32_t expected[] = {1, 2, 1, 5, 0, 4, 3, 6};
        EXPECT_EQ(keys.PttKeyDialLock, expected[mask]) << int(mask);
        keys.Encode(image);
        EXPECT_EQ(image[114], mask == 0 ? 2 : mask);  // a stored 0 shows "Key Lock" and is written back as 2
    }
    keys.PttKeyDialLock = 7;
    keys.Encode(image);
    EXPECT_EQ(image[114] & 7, 2);
}

TEST(MiscSetupSettings, TemperatureOffsetIsStoredAsSignAndTenths) {
    EXPECT_EQ(DecodeTemperatureOffset(0x85), -0.5);
    EXPECT_EQ(DecodeTemperatureOffset(0x0C), 1.2);
    EXPECT_EQ(DecodeTemperatureOffset(0x80), 0.0);
    EXPECT_EQ(DecodeTemperatureOffset(0xFF), -12.7);
    EXPECT_EQ(EncodeTemperatureOffset(-0.5), 0x85);
    EXPECT_EQ(EncodeTemperatureOffset(1.2), 0x0C);
    EXPECT_EQ(EncodeTemperatureOffset(-0.0), 0x00);
    EXPECT_EQ(EncodeTemperatureOffset(-0.05), 0x00);
    EXPECT_EQ(EncodeTemperatureOffset(12.7), 0x7F);
    EXPECT_EQ(EncodeTemperatureOffset(-12.7), 0xFF);
    for (int stored = 0; stored < 256; ++stored) {
        if (stored == 0x80) continue;
        EXPECT_EQ(EncodeTemperatureOffset(DecodeTemperatureOffset(static_cast<std::uint8_t>(stored))), stored);
    }
}

TEST(SystemSettings, DecodesAndEncodesTheModeBitsWithTheirCorrections) {
    CloneImage image{};
    SystemSettings s;
    image[7] = 0x0F;
    image[38] = 0x84;
    s.Decode(image);
    EXPECT_EQ(s.VfoBand, 0u);
    EXPECT_EQ(s.CurrentMode, kCurrentModeWx);

    image[7] = 0x09;  // "Weather Band" off, "BRS Mode" on
    s.Decode(image);
    EXPECT_EQ(s.CurrentMode, kCurrentModeBrs);
    s.Encode(image);
    EXPECT_EQ(image[38], 0x81);

    image[7] = 0x08;  // and "BRS Mode" off as well
    image[38] = 0x84;
    s.Decode(image);
    EXPECT_EQ(s.CurrentMode, kCurrentModeVfo);

    // No band bit: WFM, written back with bit 5.
    image[38] = 0x00;
    s.Decode(image);
    EXPECT_EQ(s.VfoBand, 2u);
    s.Encode(image);
    EXPECT_EQ(image[38], 0x20);

    // HOME wins over Emergency; encoding keeps only one of them.
    image[38] = 0x42;
    image[40] = 0x80;
    s.Decode(image);
    EXPECT_EQ(s.VfoBand, 1u);
    EXPECT_EQ(s.HomeEmergencyMode, 1u);
    s.Encode(image);
    EXPECT_EQ(image[40] & 0x80, 0);
    s.HomeEmergencyMode = 2;
    s.Encode(image);
    EXPECT_EQ(image[38], 0x40);
    EXPECT_EQ(image[40], 0x80);

    // Encoding applies the corrections to the object too.
    s.WeatherBand = 0;
    s.BrsMode = 0;
    s.CurrentMode = kCurrentModeWx;
    s.Encode(image);
    EXPECT_EQ(s.CurrentMode, kCurrentModeVfo);
    EXPECT_EQ(image[38] & 0x1D, 0);
}

TEST(SystemSettings, DefaultsAreThoseOfANewRadio) {
    SystemSettings s;
    s.GrayExpansion = 1;
    s.CurrentMode = 3;
    s.SetDefaults();
    CloneImage image{};
    s.Encode(image);
    EXPECT_EQ(image[7], 0x0F);
    EXPECT_EQ(image[38], 0x80);
    EXPECT_EQ(image[39], 0x00);
    EXPECT_EQ(image[40], 0x00);
}

TEST(VfoRecord, DefaultsOfEachPage) {
    DocumentContent content;
    FillDefaultImage(content);
    struct Expected {
        VfoPage page;
        std::size_t offset;
        const char* frequency;
        std::uint32_t mode;
        std::uint32_t step;
        std::int32_t shiftOffset;
        std::uint32_t unit;
    };
    for (const Expected& x : {Expected{VfoPage::Home, 140, "118.00000", 0, 5, 600000, 1},
                              Expected{VfoPage::Air, 158, "118.00000", 0, 5, 0, 1},
                              Expected{VfoPage::VhfExpansion, 176, "145.00000", 1, 0, 600000, 0},
                              Expected{VfoPage::FmRadio, 194, " 88.00000", 2, 7, 0, 1}}) {
        EXPECT_EQ(VfoRecordOffset(x.page), x.offset);
        VfoRecord record(x.page);
        record.SetDefaults();
        const ChannelEntry& e = record.Entry;
        EXPECT_TRUE(e.Label.empty());
        EXPECT_EQ(FrequencyText(e.RxFrequency), x.frequency);
        EXPECT_EQ(e.Mode, x.mode);
        EXPECT_EQ(e.Band, x.mode);
        EXPECT_EQ(e.Step, x.step);
        EXPECT_EQ(e.ShiftOffset, x.shiftOffset);
        EXPECT_EQ(e.RxUnit, x.unit);
        EXPECT_EQ(e.TxUnit, x.unit);
        EXPECT_EQ(e.TxPower, 1u);
        EXPECT_EQ(e.ClockShift, 1u);
        EXPECT_EQ(TagText(e), "        ");

        // The default image holds the same record; a Simplex record stores no offset.
        VfoRecord decoded(x.page);
        decoded.Decode(content.Image, content.Bands());
        EXPECT_EQ(decoded.Entry.RxFrequency, e.RxFrequency);
        EXPECT_EQ(decoded.Entry.Step, e.Step);
        EXPECT_EQ(decoded.Entry.Band, e.Band);
        EXPECT_EQ(decoded.Entry.ShiftOffset, 0);
    }
}

TEST(DtmfMemories, CountAndCodesInHalfBytes) {
    CloneImage image{};
    DtmfMemories m;
    m.Memories[0] = "12";
    m.Memories[1] = "0123456789ABCD*#";  // 16: only 15 are kept
    m.Memories[2] = "1x2";                // not a DTMF character: skipped
    m.Encode(image);
    EXPECT_EQ(image[3848], 0x21);
    EXPECT_EQ(image[3849], 0x20);
    EXPECT_EQ(image[3856], 0xF0);
    EXPECT_EQ(image[3863], 0xD*16 + 0xE);
    DtmfMemories d;
    d.Decode(image);
    EXPECT_EQ(d.Memories[0], "12");
    EXPECT_EQ(d.Memories[1], "0123456789ABCD*");
    EXPECT_EQ(d.Memories[2], "12");
    EXPECT_EQ(d.Memories[3], "");
    d.SetDefaults();
    d.Encode(image);
    for (std::size_t k = 0; k < kDtmfMemoryCount; ++k) EXPECT_EQ(image[3848 + 8 * k] >> 4, 0);
}

TEST(IdentityValues, FirmwareAndSerialNumberTexts) {
    CloneImage image{};
    EXPECT_EQ(FirmwareVersionText(image), "0.00");
    image[0] = 0x01;
    image[1] = 0x03;
    EXPECT_EQ(FirmwareVersionText(image), "1.03");
    image[0] = 0x12;
    image[1] = 0x34;
    EXPECT_EQ(FirmwareVersionText(image), "12.34");
    EXPECT_EQ(SerialNumberText(image), "0B000000");
    image[3936] = 0x1A;
    image[3937] = 0x23;
    image[3938] = 0x45;
    image[3939] = 0xEF;
    EXPECT_EQ(SerialNumberText(image), "1L2345*#");
}

}  // namespace
}  // namespace tarn
