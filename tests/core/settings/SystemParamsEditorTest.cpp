#include "settings/SystemParamsEditor.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/support/RecordingPrompter.h"

namespace tarn {
namespace {

class SystemParamsEditorTest : public ::testing::Test {
protected:
    // Stores `change` of the default settings into the image, as a file would hold them.
    void Store(const std::function<void(SystemSettings&)>& change) {
        change(document.Settings());
        document.Settings().Encode(document.Image());
    }
    std::vector<std::uint32_t> Values(const SettingRow& row) const {
        std::vector<std::uint32_t> values;
        for (const SettingItem& item : row.items) values.push_back(item.value);
        return values;
    }

    test::RecordingPrompter prompter;
    Document document{prompter, {}};
};

// Maintenance mode shows the last seven rows; outside it only the first six are there.
TEST_F(SystemParamsEditorTest, ShowsAndEnablesEachListByItsRule) {
    using S = SystemSettings;
    const struct {
        bool maintenance;
        std::function<void(S&)> change;
        std::vector<bool> enabled;  // VFO Band .. BRS Mode TX
    } cases[] = {
        {false, [](S&) {}, {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}},
        {true, [](S&) {}, {1, 1, 1, 1, 1, 1, 0, 0, 1, 0, 0, 0, 1}},
        {true, [](S& s) { s.VhfExpansion = 0; s.BrsMode = 0; }, {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}},
        {true, [](S& s) { s.GrayExpansion = 1; }, {1, 1, 1, 1, 1, 1, 0, 0, 1, 0, 1, 0, 1}},
        {true, [](S& s) { s.GrayExpansion = 1; s.ExpBandTx = 0; }, {1, 1, 1, 1, 1, 1, 0, 0, 1, 0, 0, 0, 1}},
        {false, [](S& s) { s.CurrentMode = kCurrentModeWx; }, {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
        {false, [](S& s) { s.HomeEmergencyMode = 2; }, {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        document.Settings().SetDefaults();
        Store(cases[i].change);
        const auto rows = SystemParamsEditor(document, cases[i].maintenance).Rows();
        std::vector<bool> enabled;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            enabled.push_back(rows[r].enabled);
            EXPECT_EQ(rows[r].visible, cases[i].maintenance || r < 6) << "case " << i << " row " << r;
        }
        EXPECT_EQ(enabled, cases[i].enabled) << "case " << i;
    }
}

// Dual Watch cannot be on in WX mode or with HOME/Emergency; the correction made at opening is no user change.
TEST_F(SystemParamsEditorTest, DualWatchGoesOffAndStaysOffInWxModeOrWithHomeEmergency) {
    Store([](SystemSettings& s) { s.DualWatch = 1; s.HomeEmergencyMode = 1; });
    {
        const SystemParamsEditor editor(document, false);
        EXPECT_EQ(document.Settings().DualWatch, 0u);
        EXPECT_FALSE(document.Modified());
    }
    Store([](SystemSettings& s) { s.DualWatch = 1; s.HomeEmergencyMode = 0; });
    SystemParamsEditor editor(document, false);
    EXPECT_EQ(editor.Choose(kSysCurrentMode, kCurrentModeWx), EditStatus::Changed);
    EXPECT_EQ(document.Settings().DualWatch, 0u);
    EXPECT_EQ(editor.Choose(kSysDualWatch, 1), EditStatus::Disabled);
    EXPECT_FALSE(editor.WhyNotChangeable(kSysDualWatch).empty());
    EXPECT_EQ(editor.Choose(kSysCurrentMode, kCurrentModeVfo), EditStatus::Changed);
    EXPECT_TRUE(editor.Row(kSysDualWatch).enabled);
    EXPECT_EQ(document.Settings().DualWatch, 0u);
    EXPECT_TRUE(document.Modified());
}

// Items can be missing, so the lists are selected and read by value; positions would pick the wrong item.
TEST_F(SystemParamsEditorTest, RunTimeListsOfferOnlyTheItemsThatExistAndWorkByValue) {
    // The VFO Band list without its expansion item is the Gray Expansion test's.
    Store([](SystemSettings& s) { s.WeatherBand = 0; s.CurrentMode = kCurrentModeBrs; });
    SystemParamsEditor editor(document, false);
    EXPECT_EQ(Values(editor.Row(kSysCurrentMode)), (std::vector<std::uint32_t>{0, 1, 2, 4}));
    EXPECT_EQ(editor.Row(kSysCurrentMode).ShownText(), "BRS    ");
    EXPECT_EQ(editor.Choose(kSysCurrentMode, kCurrentModeWx), EditStatus::NoSuchItem);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(editor.Choose(kSysCurrentMode, kCurrentModeBook), EditStatus::Changed);
    EXPECT_EQ(document.Settings().CurrentMode, kCurrentModeBook);
}

// A damaged image: VFO Band Exp without Gray Expansion has no item. Nothing is selected and OK keeps it.
TEST_F(SystemParamsEditorTest, AStoredValueWithoutAnItemShowsNoSelectionAndIsWrittenBackUnchanged) {
    Store([](SystemSettings& s) { s.VfoBand = 1; });
    SystemParamsEditor editor(document, false);
    EXPECT_FALSE(editor.Row(kSysVfoBand).selected.has_value());
    editor.Choose(kSysDisplayMode, 1);
    editor.Ok();
    EXPECT_EQ(document.Image()[38] & 0xE0, 0x40);
    EXPECT_EQ(editor.Choose(kSysVfoBand, 0), EditStatus::Changed);
    EXPECT_EQ(editor.Row(kSysVfoBand).selected, 0u);
}

// Cancel must not leave cancelled choices in the settings for the next save or transfer to write.
TEST_F(SystemParamsEditorTest, CancelRestoresTheSettingsAndTheModifiedFlag) {
    const SystemSettings before = document.Settings();
    const CloneImage image = document.Image();
    SystemParamsEditor editor(document, true);
    editor.Choose(kSysAnlStatus, 1);
    editor.Choose(kSysGrayExpansion, 1);
    editor.Choose(kSysVfoBand, 1);
    ASSERT_TRUE(document.Modified());
    editor.Cancel();
    EXPECT_FALSE(document.Modified());
    const SystemSettings& after = document.Settings();
    EXPECT_EQ(std::tie(after.AnlStatus, after.GrayExpansion, after.VfoBand),
              std::tie(before.AnlStatus, before.GrayExpansion, before.VfoBand));
    EXPECT_EQ(document.Image(), image);
}

// Switching Gray Expansion off takes the expansion band away at once; OK then moves the memory channels out
// of it, while Cancel leaves them alone.
TEST_F(SystemParamsEditorTest, GrayExpansionOffDropsTheExpansionBandAndOkRechecksTheChannels) {
    Store([](SystemSettings& s) { s.GrayExpansion = 1; s.GrayBandTx = 1; s.VfoBand = 1; });
    ChannelEntry& channel = document.Channels().Entries[kBookFirstSlot + 2];
    channel.Empty = 0;
    channel.Mode = channel.Band = kBandExp;
    channel.RxFrequency = 150000000;
    for (const bool ok : {false, true}) {
        SystemParamsEditor editor(document, true);
        ASSERT_EQ(editor.Choose(kSysGrayExpansion, 0), EditStatus::Changed);
        EXPECT_EQ(document.Settings().GrayBandTx, 0u);
        EXPECT_EQ(document.Settings().VfoBand, 0u);
        EXPECT_EQ(Values(editor.Row(kSysVfoBand)), (std::vector<std::uint32_t>{0, 2}));
        ok ? editor.Ok() : editor.Cancel();
        EXPECT_EQ(channel.Band, ok ? kBandAm : kBandExp) << ok;
        EXPECT_EQ(channel.Mode, channel.Band) << ok;
        EXPECT_EQ(channel.RxFrequency <= 136975000, ok) << ok;
    }
    EXPECT_EQ(document.Image()[39] & 0x10, 0);  // encoded by OK
}

}  // namespace
}  // namespace tarn
