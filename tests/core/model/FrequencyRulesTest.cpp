#include "model/FrequencyRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "model/ChannelDefaults.h"
#include "model/ChannelTable.h"
#include "model/FrequencyConversion.h"
#include "model/SystemSettings.h"

namespace tarn {
namespace {

class FrequencyRulesTest : public ::testing::Test {
protected:
    FrequencyRulesTest() {
        DefaultChannelTable(table);
        for (std::size_t s = kWxFirstSlot; s < kBrsFirstSlot; ++s) ApplyWxDefault(table.Entries[s], s);
        for (std::size_t s = kBrsFirstSlot; s < kSlotsEnd; ++s) ApplyBrsDefault(table.Entries[s], s);
        channel.Label = "   1";
    }

    // {band, classified MHz, matched slot} of `mhz` for the MR channel with `step`.
    std::tuple<std::uint32_t, double, std::size_t> Classify(double mhz, std::uint32_t step = 5) {
        std::size_t slot = 99;
        const std::uint32_t band = ClassifyFrequency(channel, mhz, step, slot, BandContext{settings, table});
        return {band, mhz, slot};
    }

    SystemSettings settings;
    ChannelTable table;
    ChannelEntry channel;
};

TEST(FrequencyConversion, ConvertsBetweenHzAndMhzOnA10HzGrid) {
    EXPECT_EQ(MhzToHz(118.025), 118025000);  // 118.025 x 1e6 lies just below the whole number
    EXPECT_EQ(MhzToHz(0.000014), 10);
    EXPECT_EQ(MhzToHz(0.000015), 20);
    EXPECT_EQ(MhzToHz(1e12), 2147483640);  // kept within 32 bits
    for (std::int32_t hz = 88000000; hz <= 165000000; hz += 1250) ASSERT_EQ(MhzToHz(HzToMhz(hz)), hz);
}

TEST_F(FrequencyRulesTest, ClassifiesTheBandEdgesAndRoundsToTheStep) {
    struct Case {
        double in;
        std::uint32_t step, grayExpansion, band;
        double out;
    };
    for (const Case& c : {Case{108.0, 5, 0, kBandAm, 108.0}, {136.975, 5, 0, kBandAm, 136.975},
                          {107.9, 7, 0, kBandWfm, 107.9}, {88.0, 7, 0, kBandWfm, 88.0}, {87.5, 7, 0, kBandWfm, 88.0},
                          {136.980, 5, 0, kBandAm, 136.975}, {136.980, 5, 1, kBandExp, 165.0},
                          {137.0, 0, 1, kBandExp, 137.0},
                          // Each resolution at its half-way point ("15k" and the band's top edge are CellEditing's).
                          {118.015, 5, 0, kBandAm, 118.025},
                          {118.00625, 2, 0, kBandAm, 118.0125}, {118.005, 4, 0, kBandAm, 118.01},
                          {118.0125, 6, 0, kBandAm, 118.025}, {118.025, 7, 0, kBandAm, 118.05},
                          {118.0025, 0, 0, kBandAm, 118.005}, {118.004, 1, 0, kBandAm, 118.0}}) {
        settings.GrayExpansion = c.grayExpansion;
        const auto [band, mhz, slot] = Classify(c.in, c.step);
        EXPECT_EQ(band, c.band) << c.in;
        EXPECT_EQ(mhz, c.out) << c.in << " step " << c.step;
        EXPECT_EQ(slot, 0u);
    }
    // VFO/HOME records (no Label) reach the expansion band whatever "Gray Expansion" says.
    settings.GrayExpansion = 0;
    channel.Label.clear();
    EXPECT_EQ(std::get<0>(Classify(145.0, 0)), kBandExp);
}

TEST_F(FrequencyRulesTest, MatchesWeatherAndBusinessChannelsExactlyAndOnlySlotsInUse) {
    // The comparison is exact, also off the 10 Hz grid.
    table.Entries[165].RxFrequency = 162550001;
    EXPECT_EQ(std::get<2>(Classify(HzToMhz(162550001))), 165u);
    EXPECT_EQ(std::get<0>(Classify(std::nextafter(HzToMhz(162550001), 0.0))), kBandAm);
    table.Entries[171].Empty = 1;  // an empty BRS slot matches nothing
    EXPECT_EQ(std::get<0>(Classify(151.955)), kBandAm);
}

TEST_F(FrequencyRulesTest, ClampsSplitFrequenciesAndShiftOffsets) {
    for (auto [band, in, step, out] : {std::tuple{kBandAm, 0.0, 5u, 118.0},
                                       {kBandExp, 120.0, 0u, 137.0}, {kBandExp, 170.0, 0u, 165.0},
                                       {kBandWfm, 0.0, 7u, 0.0}, {kBandWfm, 98.12, 7u, 98.1}}) {
        channel.Band = band;
        double mhz = in;
        ClampSplitFrequency(channel, mhz, step);
        EXPECT_EQ(mhz, out) << in;
    }
    for (auto [in, out] : {std::pair{10.0, 9.95}, {-1.0, 0.0}, {0.624, 0.6}, {0.625, 0.65}}) {
        double mhz = in;
        ClampShiftOffset(mhz);
        EXPECT_EQ(mhz, out) << in;
    }
}

// The fields a band change resets that the cell edits do not show (their step, units, shift and the
// expansion band's Split are CellEditing's): every band goes wide; every band but the expansion band drops
// the low power and the tone; the expansion band keeps both.
TEST_F(FrequencyRulesTest, BandDefaultsResetTheFieldsOfTheNewBand) {
    settings.GrayExpansion = 1;
    for (auto [band, keepsTone] : {std::pair{kBandAm, false}, {kBandExp, true}}) {
        ChannelEntry e = channel;
        e.Band = band;
        std::tie(e.Narrow, e.TxPower, e.ToneType, e.CtcssIndex, e.DcsIndex) = std::tuple(1, 0, kToneCtcss, 4, 7);
        std::tie(e.RxFrequency, e.ShiftMode, e.ShiftOffset) = std::tuple(145000000, kShiftPlus, 600000);
        ApplyBandDefaults(e, BandContext{settings, table});
        EXPECT_EQ(std::tie(e.ToneType, e.CtcssIndex, e.DcsIndex),
                  keepsTone ? std::tuple(kToneCtcss, 4u, 7u) : std::tuple(kToneNone, 0u, 0u)) << band;
        EXPECT_EQ(std::tie(e.Narrow, e.TxPower, e.ShiftOffset), std::tuple(0u, keepsTone ? 0u : 1u, 0))
            << band;
    }
    ChannelEntry wx = channel;  // a weather channel keeps its frequency off the step
    std::tie(wx.Band, wx.RxFrequency) = std::tuple(kBandWx, 162410000);
    ApplyBandDefaults(wx, BandContext{settings, table});
    EXPECT_EQ(wx.RxFrequency, 162410000);
}

}  // namespace
}  // namespace tarn
