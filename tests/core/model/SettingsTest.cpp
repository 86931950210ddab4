#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <random>

#include "model/DisplaySoundSettings.h"
#include "model/DtmfMemories.h"
#include "model/IdentityValues.h"
#include "model/KeySetSettings.h"
#include "model/MiscSetupSettings.h"
#include "model/SystemSettings.h"
#include "model/TxRxSettings.h"

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

TEST(KeySetSettings, LockListPositionsMapToMasks) {
    CloneImage image{};
    KeySetSettings keys;
    const std::uint32_t positions[] = {1, 2, 1, 5, 0, 4, 3, 6};
    for (std::uint8_t mask = 0; mask < 8; ++mask) {
        image[114] = mask;
        keys.Decode(image);
        EXPECT_EQ(keys.PttKeyDialLock, positions[mask]) << int(mask);
        keys.Encode(image);
        EXPECT_EQ(image[114], mask == 0 ? 2 : mask);  // a stored 0 shows "Key Lock" and is written back as 2
    }
    keys.PttKeyDialLock = 7;
    keys.Encode(image);
    EXPECT_EQ(image[114] & 7, 2);
}

TEST(MiscSetupSettings, TemperatureOffsetIsStoredAsSignAndTenths) {
    for (auto [stored, degrees] : {std::pair{0x85, -0.5}, {0x0C, 1.2}, {0xFF, -12.7}, {0x7F, 12.7}}) {
        EXPECT_EQ(DecodeTemperatureOffset(static_cast<std::uint8_t>(stored)), degrees);
    }
    EXPECT_EQ(DecodeTemperatureOffset(0x80), 0.0);  // a negative zero, written back as 0x00
    EXPECT_EQ(EncodeTemperatureOffset(-0.05), 0x00);
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

TEST(DtmfMemories, CountAndCodesInHalfBytes) {
    CloneImage image{};
    DtmfMemories m;
    // 16 characters: only 15 are kept; a character that is not a DTMF one is skipped.
    m.Memories = {"12", "0123456789ABCD*#", "1x2"};
    m.Encode(image);
    EXPECT_EQ(std::tie(image[3848], image[3849], image[3856], image[3863]), std::tuple(0x21, 0x20, 0xF0, 0xDE));
    DtmfMemories d;
    d.Decode(image);
    EXPECT_EQ(d.Memories, (std::array<std::string, 10>{"12", "0123456789ABCD*", "12"}));
}

TEST(IdentityValues, FirmwareAndSerialNumberTexts) {
    CloneImage image{};
    EXPECT_EQ(FirmwareVersionText(image) + " " + SerialNumberText(image), "0.00 0B000000");
    image[0] = 0x01;
    image[1] = 0x03;
    EXPECT_EQ(FirmwareVersionText(image), "1.03");
    image[0] = 0x12;
    image[1] = 0x34;
    EXPECT_EQ(FirmwareVersionText(image), "12.34");
    const std::uint8_t serial[] = {0x1A, 0x23, 0x45, 0xEF};
    std::copy(std::begin(serial), std::end(serial), image.begin() + kSerialNumberOffset);
    EXPECT_EQ(SerialNumberText(image), "1L2345*#");
}

}  // namespace
}  // namespace tarn
