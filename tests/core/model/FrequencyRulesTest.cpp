#include "model/FrequencyRules.h"

#include <gtest/gtest.h>

#include <cmath>

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

    // Classifies `mhz` for the MR channel with `step`; returns {band, classified MHz}.
    std::pair<std::uint32_t, double> Classify(double mhz, std::uint32_t step = 5) {
        std::size_t slot = 99;
        const std::uint32_t band = ClassifyFrequency(channel, mhz, step, slot, BandContext{settings, table});
        lastSlot = slot;
        return {band, mhz};
    }

    SystemSettings settings;
    ChannelTable table;
    ChannelEntry channel;
    std::size_t lastSlot = 0;
};

TEST(FrequencyConversion, ConvertsBetweenHzAndMhzOnA10HzGrid) {
    EXPECT_DOUBLE_EQ(HzToMhz(118025000), 118.025);
    EXPECT_EQ(MhzToHz(118.025), 118025000);  // 118.025 x 1e6 lies just below the whole number
    EXPECT_EQ(MhzToHz(151.955), 151955000);
    EXPECT_EQ(MhzToHz(0.000014), 10);
    EXPECT_EQ(MhzToHz(0.000015), 20);
    EXPECT_EQ(MhzToHz(-0.000015), -20);
    EXPECT_EQ(MhzToHz(1e12), 2147483640);  // kept within 32 bits
    for (std::int32_t hz = 88000000; hz <= 165000000; hz += 1250) EXPECT_EQ(MhzToHz(HzToMhz(hz)), hz);
}

TEST_F(FrequencyRulesTest, ClassifiesTheBandEdges) {
    EXPECT_EQ(Classify(108.0), std::make_pair(kBandAm, 108.0));
    EXPECT_EQ(Classify(136.975), std::make_pair(kBandAm, 136.975));
    EXPECT_EQ(Classify(107.9, 7), std::make_pair(kBandWfm, 107.9));
    EXPECT_EQ(Classify(88.0, 7), std::make_pair(kBandWfm, 88.0));
    EXPECT_EQ(Classify(87.5, 7), std::make_pair(kBandWfm, 88.0));
    EXPECT_EQ(Classify(0.5, 7), std::make_pair(kBandWfm, 88.0));
    // Above the air band without "Gray Expansion": back to its top.
    EXPECT_EQ(Classify(136.980), std::make_pair(kBandAm, 136.975));
    EXPECT_EQ(Classify(150.0), std::make_pair(kBandAm, 136.975));
    settings.GrayExpansion = 1;
    EXPECT_EQ(Classify(136.980), std::make_pair(kBandExp, 165.0));
    EXPECT_EQ(Classify(137.0, 0), std::make_pair(kBandExp, 137.0));
    EXPECT_EQ(Classify(165.0, 0), std::make_pair(kBandExp, 165.0));
    EXPECT_EQ(Classify(400.0, 0), std::make_pair(kBandExp, 165.0));
}

TEST_F(FrequencyRulesTest, VfoRecordsAlwaysReachTheExpansionBand) {
    channel.Label.clear();
    EXPECT_EQ(Classify(145.0, 0), std::make_pair(kBandExp, 145.0));
    EXPECT_EQ(Classify(165.5, 0), std::make_pair(kBandAm, 136.975));
}

TEST_F(FrequencyRulesTest, RoundsToTheResolutionOfEachStep) {
    EXPECT_EQ(Classify(118.010, 5).second, 118.0);
    EXPECT_EQ(Classify(118.015, 5).second, 118.025);
    EXPECT_EQ(Classify(118.015, 3).second, 118.015);  // "15k" rounds on a 5 kHz grid
    EXPECT_EQ(Classify(118.0062, 2).second, 118.0);
    EXPECT_EQ(Classify(118.00625, 2).second, 118.0125);
    EXPECT_EQ(Classify(118.004, 1).second, 118.0);
    EXPECT_EQ(Classify(118.005, 4).second, 118.01);
    EXPECT_EQ(Classify(118.0124, 6).second, 118.0);
    EXPECT_EQ(Classify(118.0125, 6).second, 118.025);
    EXPECT_EQ(Classify(118.0249, 7).second, 118.0);
    EXPECT_EQ(Classify(118.025, 7).second, 118.05);
    EXPECT_EQ(Classify(118.0025, 0).second, 118.005);
    EXPECT_EQ(MhzToHz(Classify(136.9876, 5).second), 136975000);
}

TEST_F(FrequencyRulesTest, MatchesWeatherAndBusinessChannelsOnlyWhenSwitchedOn) {
    EXPECT_EQ(Classify(162.55), std::make_pair(kBandWx, 162.55));
    EXPECT_EQ(lastSlot, kWxFirstSlot);
    EXPECT_EQ(Classify(163.275).first, kBandWx);
    EXPECT_EQ(lastSlot, 169u);
    EXPECT_EQ(Classify(151.955), std::make_pair(kBandBrs, 151.955));
    EXPECT_EQ(lastSlot, 171u);

    // The comparison is exact, also for frequencies off the 10 Hz grid.
    table.Entries[165].RxFrequency = 162550001;
    EXPECT_EQ(Classify(HzToMhz(162550001)).first, kBandWx);
    EXPECT_EQ(lastSlot, 165u);
    EXPECT_EQ(Classify(std::nextafter(HzToMhz(162550001), 0.0)).first, kBandAm);

    settings.WeatherBand = 0;
    EXPECT_EQ(Classify(162.55), std::make_pair(kBandAm, 136.975));
    EXPECT_EQ(lastSlot, 0u);
    table.Entries[171].Empty = 1;  // an empty BRS slot matches nothing
    EXPECT_EQ(Classify(151.955).first, kBandAm);
    settings.BrsMode = 0;
    EXPECT_EQ(Classify(151.625).first, kBandAm);
}

TEST_F(FrequencyRulesTest, ClampsSplitFrequenciesIntoTheEntrysBand) {
    double mhz = 0.0;
    channel.Band = kBandAm;
    ClampSplitFrequency(channel, mhz, 5);
    EXPECT_EQ(mhz, 118.0);
    mhz = 140.0;
    ClampSplitFrequency(channel, mhz, 5);
    EXPECT_EQ(mhz, 136.975);
    channel.Band = kBandExp;
    mhz = 120.0;
    ClampSplitFrequency(channel, mhz, 0);
    EXPECT_EQ(mhz, 137.0);
    mhz = 170.0;
    ClampSplitFrequency(channel, mhz, 0);
    EXPECT_EQ(mhz, 165.0);
    channel.Band = kBandWfm;
    mhz = 0.0;
    ClampSplitFrequency(channel, mhz, 7);
    EXPECT_EQ(mhz, 0.0);
    mhz = 98.12;
    ClampSplitFrequency(channel, mhz, 7);
    EXPECT_EQ(mhz, 98.1);
}

TEST(ShiftOffset, IsClampedAndRoundedTo50kHz) {
    for (auto [in, out] : {std::pair{10.0, 9.95}, {-1.0, 0.0}, {0.0, 0.0}, {0.6, 0.6}, {0.624, 0.6}, {0.625, 0.65}}) {
        double mhz = in;
        ClampShiftOffset(mhz);
        EXPECT_EQ(mhz, out) << in;
    }
}

TEST_F(FrequencyRulesTest, BandDefaultsResetTheFieldsOfTheNewBand) {
    ChannelEntry e = channel;
    e.Band = kBandAm;
    e.Narrow = 1;
    e.TxPower = 0;
    e.ToneType = kToneDcs;
    e.DcsIndex = 7;
    e.Step = 0;
    e.RxUnit = 0;
    e.RxFrequency = 118010000;
    e.ShiftMode = kShiftSplit;
    e.TxFrequency = 120000000;
    e.ShiftOffset = 600000;
    ApplyBandDefaults(e, BandContext{settings, table});
    EXPECT_EQ(e.Narrow, 0u);
    EXPECT_EQ(e.TxPower, 1u);
    EXPECT_EQ(e.ToneType, kToneNone);
    EXPECT_EQ(e.DcsIndex, 0u);
    EXPECT_EQ(e.Step, 5u);
    EXPECT_EQ(e.RxUnit, 1u);
    EXPECT_EQ(e.RxFrequency, 118000000);
    EXPECT_EQ(e.ShiftMode, kShiftSimplex);
    EXPECT_EQ(e.TxFrequency, 0);
    EXPECT_EQ(e.ShiftOffset, 0);

    // The expansion band keeps tones, power and a Split, with the transmit frequency from the receive one.
    settings.GrayExpansion = 1;
    e = channel;
    e.Band = kBandExp;
    e.ToneType = kToneCtcss;
    e.CtcssIndex = 12;
    e.RxFrequency = 145002000;
    e.ShiftMode = kShiftSplit;
    e.ShiftOffset = 600000;
    ApplyBandDefaults(e, BandContext{settings, table});
    EXPECT_EQ(e.Step, 0u);
    EXPECT_EQ(e.RxUnit, 0u);
    EXPECT_EQ(e.RxFrequency, 145000000);
    EXPECT_EQ(e.TxFrequency, 145000000);
    EXPECT_EQ(e.ToneType, kToneCtcss);
    EXPECT_EQ(e.CtcssIndex, 12u);
    EXPECT_EQ(e.ShiftOffset, 0);

    // Weather: no reclassification; BRS: only Narrow.
    e = channel;
    e.Band = kBandWx;
    e.RxFrequency = 162550000;
    e.Narrow = 1;
    ApplyBandDefaults(e, BandContext{settings, table});
    EXPECT_EQ(e.RxFrequency, 162550000);
    EXPECT_EQ(e.Step, 5u);
    e.Band = kBandBrs;
    e.Step = 2;
    e.Narrow = 1;
    ApplyBandDefaults(e, BandContext{settings, table});
    EXPECT_EQ(e.Step, 2u);
    EXPECT_EQ(e.Narrow, 0u);
}

}  // namespace
}  // namespace tarn
