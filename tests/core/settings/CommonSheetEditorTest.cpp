#include "settings/CommonSheetEditor.h"

#include <gtest/gtest.h>

#include "core/support/RecordingPrompter.h"

namespace tarn {
namespace {

class CommonSheetEditorTest : public ::testing::Test {
protected:
    SettingRow RowOf(CommonSheetEditor& editor, int controlId) {
        for (const SettingRow& row : editor.Rows(*editor.PageOf(controlId))) {
            if (row.controlId == controlId) return row;
        }
        return {};
    }

    test::RecordingPrompter prompter;
    Document document{prompter, {}};
};

// One list of each page: its item count, and the item the default image's bits select.
TEST_F(CommonSheetEditorTest, PagesHoldTheirListsAndSelectTheStoredItem) {
    CommonSheetEditor editor(document);
    for (auto [controlId, count, shown] : {std::tuple{4701, 3u, "Key on"}, {4703, 16u, "6"}, {4722, 9u, "3"},
                                           {4742, 7u, "Key Lock"}, {4762, 4u, "Off"}}) {
        const SettingRow row = RowOf(editor, controlId);
        EXPECT_EQ(std::tuple(row.items.size(), row.ShownText()), std::tuple(count, shown)) << controlId;
    }
    const std::size_t sizes[] = {12, 8, 6, 7 + 17};
    for (const CommonPage page : kCommonPages) EXPECT_EQ(editor.Rows(page).size(), sizes[static_cast<int>(page)]);
}

// A row the user never sees (RANGE Beep and [MON] Key are SettingsScriptTest's), and those that depend on
// the system settings.
TEST_F(CommonSheetEditorTest, HidesAndDisablesRowsByTheSystemSettings) {
    const struct {
        std::uint32_t brsModeTx, weatherBand;
        int controlId;
        bool visible, enabled;
    } cases[] = {
        {1, 1, 4767, false, false},
        {0, 1, kComBclo, false, false}, {1, 1, kComBclo, true, true},
        {1, 0, kComWeatherAlertFunction, true, false}, {1, 1, kComWeatherAlertFunction, true, true},
        {1, 0, 4866, true, false}, {1, 0, 4865, true, true},
    };
    for (const auto& c : cases) {
        document.Settings().BrsModeTx = c.brsModeTx;
        document.Settings().WeatherBand = c.weatherBand;
        CommonSheetEditor editor(document);
        const SettingRow row = RowOf(editor, c.controlId);
        EXPECT_EQ(row.visible, c.visible) << c.controlId;
        EXPECT_EQ(row.enabled, c.enabled) << c.controlId;
        EXPECT_EQ(row.kind == RowKind::List ? editor.Choose(c.controlId, 1) : editor.EnterNumber(c.controlId, "9"),
                  !c.visible ? EditStatus::Hidden : !c.enabled ? EditStatus::Disabled : EditStatus::Changed)
            << c.controlId;
        EXPECT_EQ(editor.WhyNotChangeable(c.controlId).empty(), c.enabled) << c.controlId;
    }
}

TEST_F(CommonSheetEditorTest, NumberEditsCorrectTypedTextIntoTheirLimits) {
    const struct {
        int controlId;
        std::string_view typed, shown;
    } cases[] = {
        {kComTempCheckData, "150", "110"},        {kComTempCheckData, "-5", "0"},
        {kComTempCheckData, "x", "0"},            {kComTemperatureOffset, "12.9", "12.7"},
        {kComTemperatureOffset, "-12.9", "-12.7"}, {kComTemperatureOffset, "3.46", "3.5"},
        {kComTemperatureOffset, "-3.46", "-3.4"}, {kComTemperatureOffset, "-0.05", "0.0"},
        {kComTemperatureOffset, "1.15", "1.2"},   {4863, "300", "255"},
    };
    CommonSheetEditor editor(document);
    for (const auto& c : cases) {
        EXPECT_EQ(editor.EnterNumber(c.controlId, c.typed), EditStatus::Changed);
        EXPECT_EQ(RowOf(editor, c.controlId).text, c.shown) << c.typed;
    }
    editor.EnterNumber(kComTempCheckData, "150");
    EXPECT_EQ(RowOf(editor, kComTempCheckData).besideText, "230 F");
}

// OK writes the pages that were shown and marks the document only when one of them changed; Cancel writes nothing.
TEST_F(CommonSheetEditorTest, OkWritesOnlyTheShownPagesAndMarksOnlyRealChanges) {
    CloneImage& image = document.Image();
    image[115] = 0xFF;  // Lamp Mode 3 (no item), RX Save 7 (no item), Bell and BCLO on
    image[120] = 0x08;  // the TX/RX value without a control; other pages' bits off
    const CloneImage before = image;
    {
        CommonSheetEditor editor(document);
        editor.ShowPage(CommonPage::TxRx);
        editor.ShowPage(CommonPage::DisplaySound);
        EXPECT_FALSE(RowOf(editor, 4701).selected.has_value());
        editor.Ok();
        EXPECT_EQ(image, before);
        EXPECT_FALSE(document.Modified());
    }
    {
        CommonSheetEditor editor(document);
        EXPECT_EQ(editor.Choose(4722, 8), EditStatus::Changed);   // FM Radio SQL Level
        EXPECT_EQ(editor.Choose(4700, 3), EditStatus::NoSuchItem);
    }  // dropped: Cancel
    EXPECT_EQ(image, before);
    CommonSheetEditor editor(document);
    EXPECT_EQ(editor.Choose(4701, 0), EditStatus::Changed);  // Lamp Mode Off
    EXPECT_TRUE(editor.PageChanged(CommonPage::DisplaySound));
    EXPECT_FALSE(editor.PageShown(CommonPage::KeySet));
    image[121] = 0x00;  // a Key Set byte: the page was never shown, so OK leaves it
    editor.Ok();
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(image[115], 0x3F);
    EXPECT_EQ(image[120], 0x08);
    EXPECT_EQ(image[121], 0x00);
}

}  // namespace
}  // namespace tarn
