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
    for (auto [stored, degrees] : {std::pair{0x85, -0.5}, {0x0C, 1.2}, {0xFF, -12.7}, {0x7F, 12.7}, {0x80, 0.0}}) {
        EXPECT_EQ(DecodeTemperatureOffset(static_cast<std::uint8_t>(stored)), degrees);
    }
    EXPECT_EQ(EncodeTemperatureOffset(-0.05), 0x00);  // as the negative zero 0x80 is written back
    for (int stored = 0; stored < 256; ++stored) {
        if (stored == 0x80) continue;
        EXPECT_EQ(EncodeTemperatureOffset(DecodeTemperatureOffset(static_cast<std::uint8_t>(stored))), stored);
    }
}

TEST(SystemSettings, ModeBitsDecodeWithTheirCorrectionsAndEncodeBack) {
    struct Case {
        std::uint8_t config, mode, tx;
        std::uint32_t band, current, homeEmergency;
        std::uint8_t modeOut, txOut;
    };
    for (const Case& c : {Case{0x0F, 0x84, 0, 0, kCurrentModeWx, 0, 0x84, 0},
                          {0x09, 0x84, 0, 0, kCurrentModeBrs, 0, 0x81, 0},     // "Weather Band" off
                          {0x08, 0x84, 0, 0, kCurrentModeVfo, 0, 0x80, 0},     // and "BRS Mode" off as well
                          {0x0F, 0x00, 0, 2, kCurrentModeVfo, 0, 0x20, 0},     // no band bit: WFM
                          {0x0F, 0x42, 0x80, 1, kCurrentModeVfo, 1, 0x42, 0},  // HOME wins over Emergency
                          {0x0F, 0x00, 0x80, 2, kCurrentModeVfo, 2, 0x20, 0x80}}) {
        CloneImage image{};
        std::tie(image[7], image[38], image[40]) = std::tie(c.config, c.mode, c.tx);
        SystemSettings s;
        s.Decode(image);
        EXPECT_EQ(std::tie(s.VfoBand, s.CurrentMode, s.HomeEmergencyMode), std::tie(c.band, c.current, c.homeEmergency))
            << int(c.config) << " " << int(c.mode);
        s.Encode(image);
        EXPECT_EQ(std::tie(image[38], image[40]), std::tie(c.modeOut, c.txOut)) << int(c.config) << " " << int(c.mode);
    }
    // Encoding applies the corrections to the object too.
    SystemSettings s;
    std::tie(s.WeatherBand, s.BrsMode, s.CurrentMode) = std::tuple(0, 0, kCurrentModeWx);
    CloneImage image{};
    s.Encode(image);
    EXPECT_EQ(std::tuple(s.CurrentMode, image[38] & 0x1D), std::tuple(kCurrentModeVfo, 0));
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
    const std::uint8_t serial[] = {0x1A, 0x23, 0x45, 0xEF};
    std::copy(std::begin(serial), std::end(serial), image.begin() + kSerialNumberOffset);
    std::tie(image[0], image[1]) = std::tuple(0x01, 0x03);
    EXPECT_EQ(FirmwareVersionText(image) + " " + SerialNumberText(image), "1.03 1L2345*#");
    std::tie(image[0], image[1]) = std::tuple(0x12, 0x34);
    EXPECT_EQ(FirmwareVersionText(image), "12.34");
}

}  // namespace
}  // namespace tarn
