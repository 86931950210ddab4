#include "settings/VfoSheetEditor.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/support/RecordingPrompter.h"
#include "model/VfoRecord.h"

namespace tarn {
namespace {

using enum VfoRow;
constexpr VfoPage kAir = VfoPage::Air, kVhf = VfoPage::VhfExpansion, kFm = VfoPage::FmRadio, kHome = VfoPage::Home;

class VfoSheetEditorTest : public ::testing::Test {
protected:
    // Stores `change` of the page's record into the image, as a file would hold it.
    void Store(VfoPage page, const std::function<void(ChannelEntry&)>& change) {
        VfoRecord record(page);
        record.Decode(document.Image(), document.Content().Bands());
        change(record.Entry);
        record.Encode(document.Image(), document.Content().Bands());
    }
    static SettingRow RowOf(VfoSheetEditor& editor, VfoPage page, VfoRow row) {
        for (const SettingRow& r : editor.Rows(page)) {
            if (r.controlId == VfoControlId(page, row)) return r;
        }
        SettingRow none;
        none.enabled = false;
        return none;
    }
    static std::string Text(VfoSheetEditor& editor, VfoPage page, VfoRow row) {
        return RowOf(editor, page, row).ShownText();
    }
    // The rows of the page that are enabled, as letters in row order (M W R T S F P O C A N G).
    static std::string EnabledRows(VfoSheetEditor& editor, VfoPage page) {
        constexpr char kLetters[] = "MWRTSFPOCANG";
        std::string rows;
        for (std::size_t row = 0; row < kVfoRowCount; ++row) {
            if (RowOf(editor, page, static_cast<VfoRow>(row)).enabled) rows += kLetters[row];
        }
        return rows;
    }
    EditStatus Type(VfoSheetEditor& editor, VfoPage page, VfoRow row, std::string_view text) {
        return editor.EnterText(VfoControlId(page, row), text);
    }
    EditStatus Choose(VfoSheetEditor& editor, VfoPage page, VfoRow row, std::uint32_t value) {
        return editor.Choose(VfoControlId(page, row), value);
    }

    void SetUp() override {
        document.Settings().GrayExpansion = 1;
        Store(kAir, [](ChannelEntry& e) { e.RxFrequency = 118000000; });
        Store(kVhf, [](ChannelEntry& e) { e.RxFrequency = 146000000; });
        Store(kHome, [](ChannelEntry& e) { e.RxFrequency = 121500000; e.Mode = e.Band = kBandAm; });
    }

    test::RecordingPrompter prompter;
    Document document{prompter, {}};
};

// Each page takes receive frequencies of its own band (or of the band it holds); anything else is refused
// and the old frequency stays. Absurd input is clamped into a band first.
TEST_F(VfoSheetEditorTest, ReceiveFrequencyIsTakenOnlyInThePagesBand) {
    const struct {
        VfoPage page;
        std::int32_t rx;  // the record's frequency before typing (its Band follows it)
        const char* typed;
        const char* shown;  // the receive edit afterwards
        bool refused;
    } cases[] = {
        {kAir, 118000000, "121.5", "121.50000", false},  {kAir, 118000000, "150.0", "118.00000", true},
        {kAir, 150000000, "150.0", "150.00000", false},  {kFm, 88000000, "121.5", "88.00000", true},
        {kAir, 118000000, "99999999999999", "118.00000", true},  // 165.0 of the expansion band
        {kFm, 98000000, "-5", "88.00000", false},
    };
    for (const auto& c : cases) {
        Store(c.page, [&](ChannelEntry& e) { e.RxFrequency = c.rx; });
        VfoSheetEditor editor(document);
        EXPECT_EQ(Type(editor, c.page, ReceiveFrequency, c.typed), c.refused ? EditStatus::Refused : EditStatus::Changed)
            << c.typed;
        EXPECT_EQ(Text(editor, c.page, ReceiveFrequency), c.shown) << c.typed;
        EXPECT_TRUE(editor.PageChanged(c.page));
    }
}

// Air: at 118 MHz and above only Simplex exists and cannot be chosen; below it Split opens the transmit
// edit at the receive frequency limited to the air band's transmit range.
TEST_F(VfoSheetEditorTest, AirOffersSplitOnlyBelow118MHz) {
    VfoSheetEditor editor(document);
    Type(editor, kAir, ReceiveFrequency, "121.5");
    EXPECT_EQ(RowOf(editor, kAir, RptShift).items.size(), 1u);
    EXPECT_EQ(EnabledRows(editor, kAir), "R");
    Type(editor, kAir, ReceiveFrequency, "115.0");
    EXPECT_EQ(RowOf(editor, kAir, RptShift).items.size(), 2u);
    EXPECT_EQ(Choose(editor, kAir, RptShift, kShiftSplit), EditStatus::Changed);
    EXPECT_EQ(EnabledRows(editor, kAir), "RTS");
    EXPECT_EQ(Text(editor, kAir, TransmitFrequency), "118.00000");
    EXPECT_EQ(Text(editor, kAir, RptShift), "Split");
    Type(editor, kAir, TransmitFrequency, "140");  // limited to 136.975
    EXPECT_EQ(Text(editor, kAir, TransmitFrequency), "136.97500");
    Type(editor, kAir, ReceiveFrequency, "125.0");  // back to communication: Simplex again
    EXPECT_EQ(editor.Entry(kAir).ShiftMode, kShiftSimplex);
    EXPECT_EQ(editor.Entry(kAir).TxFrequency, 0);
}

// The shift list opens the edit of its mode; Split only where the receive frequency allows it (the limits
// and rounding of the edits are FrequencyRulesTest's).
TEST_F(VfoSheetEditorTest, ShiftListOpensTheEditOfItsMode) {
    VfoSheetEditor editor(document);
    EXPECT_EQ(Choose(editor, kVhf, RptShift, kShiftMinus), EditStatus::Changed);
    EXPECT_EQ(EnabledRows(editor, kVhf), "RSFPOA");
    EXPECT_EQ(Choose(editor, kHome, RptShift, kShiftSplit), EditStatus::Disabled);  // 121.5: Simplex only
    Type(editor, kHome, ReceiveFrequency, "146");
    EXPECT_EQ(Choose(editor, kHome, RptShift, kShiftSplit), EditStatus::Changed);
    EXPECT_EQ(EnabledRows(editor, kHome), "RTSPOCA");
}

// A new step rounds the receive frequency to its grid and picks the units that hold the grid.
TEST_F(VfoSheetEditorTest, StepRoundsTheReceiveFrequencyToItsGrid) {
    const struct {
        VfoPage page;
        const char* typed;
        std::uint32_t step;
        const char* shown;
        std::uint32_t unit;
    } cases[] = {
        {kVhf, "146.5125", 5, "146.52500", 1}, {kVhf, "146.5125", 1, "146.51000", 0}, {kFm, "98.125", 7, "98.15000", 1},
    };
    for (const auto& c : cases) {
        Store(c.page, [](ChannelEntry& e) { e.Step = 0; e.RxUnit = e.TxUnit = 0; });
        VfoSheetEditor editor(document);
        Type(editor, c.page, ReceiveFrequency, c.typed);
        Choose(editor, c.page, Step, c.step == 7 ? 0 : 3);  // from another step first
        EXPECT_EQ(Choose(editor, c.page, Step, c.step), EditStatus::Changed);
        EXPECT_EQ(Text(editor, c.page, ReceiveFrequency), c.shown) << c.typed;
        EXPECT_EQ(editor.Entry(c.page).RxUnit, c.unit);
        EXPECT_EQ(editor.Entry(c.page).Band, c.page == kVhf ? kBandExp : kBandWfm);
    }
}

// HOME follows the band of the frequency typed, and its rows follow the band, shift mode and tone type.
TEST_F(VfoSheetEditorTest, HomeFollowsTheTypedBand) {
    document.Settings().WeatherBand = 1;
    const struct {
        const char* typed;
        const char *mode, *shift, *enabled;
    } cases[] = {
        {"98.1", "WFM", "", "RPC"},
        {"115", "AM", "Simplex", "RSC"},
        {"121.5", "AM", "", "RC"},
        {"146", "EXP", "Simplex", "RSPOCA"},
        {"162.55", "WX", "", "RC"},
    };
    for (const auto& c : cases) {
        VfoSheetEditor editor(document);
        EXPECT_EQ(Type(editor, kHome, ReceiveFrequency, c.typed), EditStatus::Changed);
        EXPECT_EQ(Text(editor, kHome, Mode), c.mode) << c.typed;
        EXPECT_EQ(Text(editor, kHome, RptShift), c.shift) << c.typed;
        EXPECT_EQ(EnabledRows(editor, kHome), c.enabled) << c.typed;
        EXPECT_EQ(editor.Entry(kHome).TxFrequency, 0);
    }
    VfoSheetEditor editor(document);
    Type(editor, kHome, ReceiveFrequency, "146");
    Choose(editor, kHome, SubAudioType, kToneCtcss);
    Choose(editor, kHome, RptShift, kShiftPlus);
    EXPECT_EQ(EnabledRows(editor, kHome), "RSFPOCAN");
    EXPECT_EQ(Choose(editor, kHome, Mode, kBandAm), EditStatus::Disabled);
}

// Only the receive edit and the step list can be used on FM Radio; its other lists show no selection.
TEST_F(VfoSheetEditorTest, FmRadioOffersOnlyReceiveAndStep) {
    VfoSheetEditor editor(document);
    EXPECT_EQ(EnabledRows(editor, kFm), "RP");
    for (const VfoRow row : {RptShift, TxPower, SubAudioType, TransmitFrequency, ShiftFrequency, Tone}) {
        EXPECT_EQ(Text(editor, kFm, row), "");
    }
    EXPECT_EQ(Choose(editor, kFm, TxPower, 0), EditStatus::Disabled);
    EXPECT_EQ(Choose(editor, kFm, WideNarrow, 1), EditStatus::Hidden);
}

// The tone comes only from the pick list; a stored index beyond the tables shows nothing and is written
// back as it was.
TEST_F(VfoSheetEditorTest, ToneIsPickedAndAnUnknownIndexSurvives) {
    Store(kHome, [](ChannelEntry& e) { e.RxFrequency = 146000000; e.Mode = e.Band = kBandExp; e.ToneType = kToneCtcss; });
    document.Image()[kHomeRecordOffset + 4] = 200;
    const int tone = VfoControlId(kHome, Tone);
    {
        VfoSheetEditor editor(document);
        EXPECT_EQ(Text(editor, kHome, Tone), "");
        EXPECT_EQ(editor.ToneToPick(tone)->index, 200u);
        Type(editor, kHome, Tone, "88.5");  // typed text is never applied
        EXPECT_EQ(editor.Entry(kHome).CtcssIndex, 200u);
        editor.Ok();
        EXPECT_EQ(document.Image()[kHomeRecordOffset + 4], 200);
    }
    VfoSheetEditor editor(document);
    EXPECT_EQ(editor.PickTone(tone, 39), EditStatus::NoSuchItem);  // the list has the 39 ascending tones
    EXPECT_EQ(editor.PickTone(tone, 10), EditStatus::Changed);
    EXPECT_EQ(Text(editor, kHome, Tone), " 94.8");
    EXPECT_EQ(Choose(editor, kHome, SubAudioType, kToneNone), EditStatus::Changed);
    EXPECT_FALSE(editor.ToneToPick(tone));
    EXPECT_EQ(editor.Entry(kHome).CtcssIndex, 0u);
}

// OK writes the pages shown and marks the document modified only for a change; VHF Expansion belongs to
// the sheet only while Gray Expansion is on.
TEST_F(VfoSheetEditorTest, OkWritesTheShownPagesOfTheSheet) {
    Store(kVhf, [](ChannelEntry& e) { e.ShiftMode = kShiftSplit; e.TxFrequency = 147000000; });
    const CloneImage before = document.Image();
    {
        VfoSheetEditor editor(document);
        EXPECT_EQ(Text(editor, kVhf, RptShift), "Simplex");  // VHF Expansion has no Split
        editor.Rows(kAir);
        editor.Ok();
        EXPECT_FALSE(document.Modified());
        EXPECT_EQ(document.Image()[kVhfExpansionVfoRecordOffset + 1] & 0x0C, 0);
    }
    document.Image() = before;
    document.Settings().GrayExpansion = 0;
    VfoSheetEditor editor(document);
    EXPECT_EQ(editor.Pages(), (std::vector<VfoPage>{kAir, kFm, kHome}));
    EXPECT_EQ(Type(editor, kVhf, ReceiveFrequency, "150"), EditStatus::Hidden);
    EXPECT_NE(editor.WhyNotChangeable(VfoControlId(kVhf, ReceiveFrequency)).find("Gray Expansion"), std::string::npos);
    Type(editor, kFm, ReceiveFrequency, "99");
    editor.Ok();
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(document.Image()[kVhfExpansionVfoRecordOffset + 1], before[kVhfExpansionVfoRecordOffset + 1]);
    EXPECT_NE(document.Image(), before);
}

}  // namespace
}  // namespace tarn
