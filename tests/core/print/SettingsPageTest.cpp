#include <gtest/gtest.h>

#include "model/DefaultImage.h"
#include "model/ImageCodec.h"
#include "model/SettingsField.h"
#include "print/ListingFormat.h"
#include "print/ListingJob.h"
#include "print/ListingOptionTexts.h"
#include "print/ListingPlainText.h"
#include "print/SettingsPage.h"

namespace tarn {
namespace {

DocumentContent DefaultContent() {
    DocumentContent content;
    FillDefaultImage(content);
    EncodeImage(content);
    DecodeImage(content);
    return content;
}

std::vector<std::string> SettingsPage(const DocumentContent& content) {
    return ListingJob(content, "/home/pilot/radio/Tarnvhfa.trn", TextMetrics{}).PageLines(1);
}

TEST(SettingsPage, DefaultImagePrintsExactly) {
    const std::vector<std::string> expected{
        "                  **********  Molvaren Corvane Portable Transceiver  **********",
        "",
        "           File Name:  Tarnvhfa.trn                    Air Band Parameters",
        "           Serial No:  0B000000                           Mode:                AM",
        "                                                          Receive Frequency:   118.00000 ",
        "           System Parameters                              Transmit Frequency:  ---.----- ",
        "              VFO Mode:            Air                    RPT Shift:           Simplex",
        "              Current Mode:        VFO                    Shift Frequency:     ---.----- ",
        "              HOME&Emg Mode:       Off                    Step:                25k",
        "              Display Mode:        Frequency              TX Power:            HI",
        "              ANL Status:          Off                    Clock Shift:         Off",
        "              Dual Watch:          Off                    Sub Audio Type:      -----",
        "              Weather Band:        Enable                 Enc & Dec:           Off",
        "              VHF Expansion:       Enable              ",
        "              Gray Expansion:      Disable             ",
        "              Exp Band TX:         On                  Exp Band Parameters",
        "              Gray Band TX:        Disable                Mode:                EXP",
        "              BRS:                 On                     Receive Frequency:   145.00000 ",
        "              BRS Mode TX:         Off                    Transmit Frequency:  ---.----- ",
        "                                                          RPT Shift:           Simplex",
        "                                                          Shift Frequency:     ---.----- ",
        "           Common Parameters                              Step:                5k",
        "              Scan Pause Lamp:     On                     TX Power:            HI",
        "              Lamp Mode:           Key on                 Clock Shift:         Off",
        "              Large Font:          On                     Sub Audio Type:      -----",
        "              LCD Contrast:        6                      Enc & Dec:           Off",
        "              DIMMER:              LV3                 ",
        "              S Meter Symbol:      1-----9+            ",
        "              Display Mode:        Off                 FM Radio Band Parameters",
        "              Spectrum Width:      60 ch                  Receive Frequency:    88.00000 ",
        "              Beep:                On                     Step:                100k",
        "              Bell:                Off                    Clock Shift:         Off",
        "              Power On Beep:       Mode1               ",
        "                                                       ",
        "              SQL Level:           6                   HOME Parameters",
        "              FM Radio SQL Level:  3                      Mode:                AM",
        "              RX Save:             ABS                    Receive Frequency:   118.00000 ",
        "              Scan Stop Resume:    5 Sec                  Transmit Frequency:  ---.----- ",
        "              DW/PRI:              DW                     RPT Shift:           Simplex",
        "              PRI Time:            2 Sec                  Shift Frequency:     ---.----- ",
        "              T.O.T:               Off                    Step:                25k",
        "              BCLO:                Off                    TX Power:            HI",
        "                                                          Clock Shift:         Off",
        "              Lock Status:         Off                    Sub Audio Type:      -----",
        "              PTT Key Dial Lock:   Key Lock               Enc & Dec:           Off",
        "              [121.5] Key:         Emergency           ",
        "              [USER1} Key:         ANL                 ",
        "              [USER2} Key:         Large Font          ",
        "                                                       ",
        "              Emergency Function:  Flash + 121.5       ",
        "              Emergency LED COLOR: R127 G127 B127      ",
        "              WX Alart Function:   Off                 ",
        "              WX LED COLOR:        R000 G127 B000      ",
        "              Temperature Check:   Off                 ",
        "              TEMP Check Data:     50                  ",
        "              Temperature Unit:    F                   ",
        "              Temperature Offset:  0.0                ",
        "              TEMP LED COLOR:      R127 G000 B127      ",
        "              RX LED COLOR:        R000 G065 B000      ",
        "              TX LED COLOR:        R111 G000 B000      ",
        "              APO:                 Off                 ",
        "              Internal MIC:        Off                 ",
    };
    EXPECT_EQ(SettingsPage(DefaultContent()), expected);
}

TEST(SettingsPage, ValuesBeyondTheTextsPrintEmptyFieldsOfTheSameWidth) {
    DocumentContent content = DefaultContent();
    content.Settings.CurrentMode = 9;
    WriteBits(content.Image, 115, 6, 2, 3);  // "Lamp Mode" 3: the list has three texts
    WriteBits(content.Image, 121, 4, 4, 15);  // "[USER1] Key" 15
    const auto page = SettingsPage(content);
    EXPECT_EQ(page[7], "              Current Mode:        " + std::string(20, ' ') +
                           "   Shift Frequency:     ---.----- ");
    EXPECT_EQ(page[23], "              Lamp Mode:           " + std::string(20, ' ') + "   Clock Shift:         Off");
    EXPECT_EQ(page[46], "              [USER1} Key:         " + std::string(20, ' '));
}

TEST(SettingsPage, ClockShiftZeroIsOnAndTheLockNamesTheLockThatIsSet) {
    DocumentContent content = DefaultContent();
    content.Image[kAirVfoRecordOffset + 1] &= 0xBF;  // Air Clock Shift 0
    WriteBits(content.Image, 114, 0, 3, 4);           // PTT lock only: list position 0
    auto page = SettingsPage(content);
    EXPECT_EQ(page[10].substr(55), "   Clock Shift:         On ");
    EXPECT_EQ(page[44].substr(0, 55), "              PTT Key Dial Lock:   PTT Lock            ");
    WriteBits(content.Image, 114, 0, 3, 7);  // all three locks: position 6
    page = SettingsPage(content);
    EXPECT_EQ(page[44].substr(0, 56), "              PTT Key Dial Lock:   PTT + Key + Dial Lock");
}

TEST(SettingsPage, RecordsShowTheirTransmitShiftAndTone) {
    DocumentContent content = DefaultContent();
    VfoRecord air(VfoPage::Air), home(VfoPage::Home);
    air.Decode(content.Image, content.Bands());
    home.Decode(content.Image, content.Bands());
    ChannelEntry& a = air.Entry;
    std::tie(a.RxFrequency, a.TxFrequency, a.ShiftMode, a.ToneType, a.CtcssIndex) =
        std::tuple(120000000, 121500000, kShiftSplit, kToneCtcss, 12);
    ChannelEntry& h = home.Entry;
    std::tie(h.ShiftMode, h.ShiftOffset, h.ToneType, h.DcsIndex) = std::tuple(kShiftPlus, 600000, kToneDcs, 7);
    air.Encode(content.Image, content.Bands());
    home.Encode(content.Image, content.Bands());

    const auto page = SettingsPage(content);
    for (auto [line, text] : {std::pair{5, "Transmit Frequency:  121.50000 "}, {12, "Enc & Dec:           100.0"},
                              {38, "RPT Shift:           +"}, {39, "Shift Frequency:       0.60000 "},
                              {44, "Enc & Dec:           047"}}) {
        EXPECT_EQ(page[line].substr(55), "   " + std::string(text)) << line;
    }
}

TEST(SettingsPage, CelsiusTakesTwoColumnsAndIsWrittenDegreeC) {
    DocumentContent content = DefaultContent();
    WriteBits(content.Image, 118, 4, 1, 1);
    const std::string line = SettingsPage(content)[55];
    EXPECT_EQ(line, "              Temperature Unit:    " + std::string(kCelsiusSign) + std::string(18, ' '));
    EXPECT_EQ(TextColumns(line), 55u);
    EXPECT_EQ(PlainTextLine(line), "              Temperature Unit:    \u00B0C" + std::string(18, ' '));
    EXPECT_EQ(TextColumns(PlainTextLine(line)), 55u);
}

TEST(SettingsPage, FileNameKeepsItsColumnsAndIsNeverCutShort) {
    const DocumentContent content = DefaultContent();
    std::string line = ListingJob(content, "/a/K\u00E4se.trn", TextMetrics{}).PageLines(1)[2];
    EXPECT_EQ(TextColumns(line.substr(0, line.find("Air"))), 55u);
    const std::string longName(40, 'n');
    line = ListingJob(content, "/a/" + longName + ".trn", TextMetrics{}).PageLines(1)[2];
    EXPECT_EQ(line, "           File Name:  " + longName + ".trnAir Band Parameters");
}

}  // namespace
}  // namespace tarn
