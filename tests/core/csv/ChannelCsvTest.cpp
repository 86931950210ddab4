#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "channels/ChannelFieldChanges.h"
#include "core/support/ChannelSummary.h"
#include "csv/ChannelCsvExport.h"
#include "csv/ChannelCsvImport.h"
#include "csv/CsvRecords.h"
#include "model/ChannelDefaults.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"

namespace tarn {
namespace {

constexpr std::string_view kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,"
    "Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// A decoded default image; "Gray Expansion" on when `gray`, so that 137..165 MHz is the EXP band.
DocumentContent DefaultContent(bool gray = true) {
    DocumentContent content;
    FillDefaultImage(content);
    content.Settings.GrayExpansion = gray ? 1 : 0;
    EncodeImage(content);
    DecodeImage(content);
    return content;
}

// The export's line of `slot`, without its CRLF.
std::string ExportedLine(const ChannelTable& table, std::size_t slot) {
    const std::string csv = ExportChannelsCsv(table);
    const std::string prefix = "\r\n" + std::to_string(slot + 1) + ",";
    const std::size_t at = csv.find(prefix);
    if (at == std::string::npos) return {};
    return csv.substr(at + 2, csv.find("\r\n", at + 2) - at - 2);
}

TEST(CsvRecords, ReadQuotesByteOrderMarkAndEveryLineEndWithTheLineEachRecordStartsOn) {
    struct Case {
        std::string text;
        std::vector<std::vector<std::string>> fields;
        std::vector<std::size_t> lines;
    } cases[] = {
        {"\xEF\xBB\xBFLocation,Name\r\n1,A\r\n", {{"Location", "Name"}, {"1", "A"}}, {1, 2}},
        {"a,b\n\n1,\"x,\"\"y\"\"\tz\"\n", {{"a", "b"}, {"1", "x,\"y\"\tz"}}, {1, 3}},
        {"a\r\n\"two\r\nlines\",b\r\nc", {{"a"}, {"two\r\nlines", "b"}, {"c"}}, {1, 2, 4}},
        {"a\rb\r", {{"a"}, {"b"}}, {1, 2}},
        {"1,2,\r\n", {{"1", "2", ""}}, {1}},  // the extra empty field of some rows
    };
    for (const Case& c : cases) {
        const auto records = ReadCsvRecords(c.text);
        ASSERT_EQ(records.size(), c.fields.size()) << c.text;
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i].fields, c.fields[i]) << c.text;
            EXPECT_EQ(records[i].line, c.lines[i]) << c.text;
        }
    }
}

// Quoting only where a reader would otherwise split or end the field.
TEST(CsvRecords, WriteQuotesOnlyFieldsThatNeedIt) {
    const std::vector<std::string> fields{"A B", "a,b", "say \"hi\"", ""};
    EXPECT_EQ(CsvLine(fields), "A B,\"a,b\",\"say \"\"hi\"\"\",\r\n");
}

TEST(ChannelCsvExport, TheDefaultImageExportsItsChannelsInUseInSlotOrderEndingEveryRowInCrlf) {
    const DocumentContent content = DefaultContent();
    const std::string csv = ExportChannelsCsv(content.Channels);
    EXPECT_EQ(csv.substr(0, kHeader.size()), kHeader);
    EXPECT_NE(csv.find(
              "1,,118.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,S,High,,,,,\r\n"
              "71,,118.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,S,High,,,,,\r\n"), std::string::npos);
    EXPECT_EQ(ExportedLine(content.Channels, 160),
              "161,WX-01,162.550000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,S,High,,,,,");
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 34);
}

// A damaged image may hold what the grid never makes; the row shows it as the radio uses it: a tone index
// beyond the table as no tone, narrow on the air band as NAM. Blanks around the TAG are dropped.
TEST(ChannelCsvExport, ValuesTheGridNeverMakesAreExportedAsTheRadioUsesThem) {
    DocumentContent content = DefaultContent();
    ChannelEntry& e = content.Channels.Entries[2];
    std::tie(e.Empty, e.Narrow, e.ShiftMode, e.ShiftOffset, e.ToneType, e.CtcssIndex) =
        std::tuple(0, 1, kShiftMinus, 9950000, kToneCtcss, 50);
    SetTag(e, " RPT 1 ");
    EXPECT_EQ(ExportedLine(content.Channels, 2),
              "3,RPT 1,118.000000,-,9.950000,,88.5,88.5,023,NN,023,Tone->Tone,NAM,25.00,S,High,,,,,");
}

struct Imported {
    DocumentContent content = DefaultContent();
    CsvImportReport report;
    const ChannelEntry& Mr(std::size_t number) const { return content.Channels.Entries[number - 1]; }
};

Imported Import(std::string_view rows, CsvImportMode mode = CsvImportMode::Add, bool gray = true,
                std::string_view header = kHeader) {
    Imported imported;
    imported.content = DefaultContent(gray);
    imported.report =
        ImportChannelsCsv(imported.content.Channels, imported.content.Settings, std::string(header) + std::string(rows), mode);
    return imported;
}

// A row stored through the grid's rules (the channel as the grid shows it), and the report line for what the
// radio cannot hold exactly.
TEST(ChannelCsvImport, StoresEachRowAsTheGridWouldAndReportsEachAdaptation) {
    const struct {
        const char *row, *channel, *note;  // note: the report line for the row, "" for none
    } cases[] = {
        // Decimal text read exactly: 118.0125 is not truncated to 118.012499..., it rounds up on the 25 kHz grid.
        {"1,ATIS,118.012500,,0,,,,,,,,AM,,S,,,,,,",
         "ATIS    |AM118.02500  0.00000Simplex  0.00000|----- 67.0023|HI25kW---",
         "line 2: frequency 118.012500 MHz stored as 118.025000 MHz"},
        {"1,RPT,145.500000,+,0.600000,TSQL,67.0,77.0,023,NN,023,,FM,12.50,,Low,,,,,",
         "RPT     |EXP145.50000  0.00000+  0.60000|CTCSS 77.0023|LO12.5kW--v", ""},  // cToneFreq counts
        // The step chosen before rounding: 12.5 kHz keeps 145.5125 which the band's 5 kHz grid would not.
        {"1,,145.512500,,,,,,,,,,FM,12.50,,,,,,,",
         "        |EXP145.51250  0.00000Simplex  0.00000|----- 67.0023|HI12.5kW--v", ""},
        {"1,,145.500000,+,12.000000,Tone,88.5,,,,,,FM,,,,,,,,",
         "        |EXP145.50000  0.00000+  9.95000|CTCSS 88.5023|HI5kW--v",
         "line 2: offset \"12.000000\" MHz stored as 9.950000 MHz; Tone (sent only) stored as CTCSS 88.5, sent and required"},
        {"1,,145.500000,,,DTCS,,,754,RN,,,FM,6.25,,,,,,,",
         "        |EXP145.50000  0.00000Simplex  0.00000|DCS 67.0754|HI5kW--v",
         "line 2: step \"6.25\" kHz is not one of the radio's steps; 5k kept; DTCS polarity \"RN\" stored as DCS 754, "
         "sent and required"},
        {"1,,145.500000,,,TSQL,67.5,67.5,,,,,FM,,P,,,,,,",
         "        |EXP145.50000  0.00000Simplex  0.00000|----- 67.0023|HI5kW--v",
         "line 2: tone \"67.5\" is not one of the radio's; no tone; priority scan (Skip \"P\") is not available; scanned"},
        {"1,,145.500000,-,0.6,Cross,67.0,77.0,023,NN,025,DTCS->Tone,FM,,,,,,,,",
         "        |EXP145.50000  0.00000-  0.60000|DCS 67.0023|HI5kW--v",
         "line 2: Cross (DTCS->Tone) stored as DCS 023, sent and required"},
        {"1,Zürich Tower 1,127.300000,+,0.600000,TSQL,88.5,88.5,,,,,NAM,,,Low,,,,,",
         "Zrich To|AM127.30000  0.00000Simplex  0.00000|----- 67.0023|HI25kW--v",
         "line 2: name \"Zürich Tower 1\" stored as \"Zrich To\" (characters outside the TAG's alphabet removed, cut to "
         "the TAG's 8 characters); shift +0.600000 MHz is not available on AM channels; simplex; tone \"88.5\" is not "
         "available on AM channels; no tone; narrow width (\"NAM\") is not available on AM channels; wide; low power "
         "is not available on AM channels; HI"},
        {"1,NAV,113.000000,split,119.000000,,,,,,,,AM,,,,,,,,",
         "NAV     |AM113.00000119.00000Split  0.00000|----- 67.0023|HI25kW--v", ""},
        {"1,,127.300000,split,119.000000,,,,,,,,AM,,,5.0W,,,,,",
         "        |AM127.30000  0.00000Simplex  0.00000|----- 67.0023|HI25kW--v",
         "line 2: split transmit frequency \"119.000000\" MHz is not available on AM channels from 118 MHz; simplex; "
         "power \"5.0W\" stored as HI"},
        // The band follows the frequency: a BRS channel's frequency makes the channel that BRS channel.
        {"1,,151.625000,,,,,,,,,,NFM,,,,,,,,",
         "        |BRS151.62500  0.00000Simplex  0.00000|----- 67.0023|HI5kN--v", ""},
        {"1,,98.100000,off,,,,,,,,,AM,100.00,,,,,,,",
         "        |WFM 98.10000  0.00000Simplex  0.00000|----- 67.0023|HI100kW--v",
         "line 2: receive only (Duplex \"off\") is not available; simplex"},
    };
    for (const auto& c : cases) {
        const Imported imported = Import(std::string(c.row) + "\r\n");
        const ChannelEntry& entry = imported.Mr(2);
        EXPECT_EQ(std::tuple(imported.report.imported, entry.Empty), std::tuple(1u, 0u)) << c.row;
        EXPECT_EQ(test::ChannelSummary(entry), c.channel) << c.row;
        EXPECT_EQ(entry.Mode, entry.Band) << c.row;
        EXPECT_EQ(imported.report.lines.empty() ? "" : imported.report.lines[0], c.note) << c.row;
        EXPECT_EQ(imported.report.adapted, *c.note ? 1u : 0u) << c.row;
    }
}

// Out-of-band rows are skipped, never clamped to a band edge; the bands follow the image's settings.
TEST(ChannelCsvImport, SkipsRowsWithoutAUsableFrequencyOrOutsideTheEnabledBands) {
    struct Case {
        const char* frequency;
        bool gray;
        const char* note;
    } cases[] = {
        {"145.500000", false, "line 2: skipped: 145.500000 MHz lies outside the bands the radio receives as it is set up"},
        {"87.500000", true, "line 2: skipped: 87.500000 MHz lies outside the bands the radio receives as it is set up"},
        {"1.2e2", true, "line 2: skipped: no usable frequency (\"1.2e2\")"},
        {"0", true, "line 2: skipped: no usable frequency (\"0\")"},
    };
    for (const Case& c : cases) {
        const Imported imported = Import(std::string("1,X,") + c.frequency + "\r\n", CsvImportMode::Add, c.gray,
                                         "Location,Name,Frequency\r\n");
        EXPECT_EQ(imported.report.imported, 0u) << c.frequency;
        EXPECT_EQ(imported.report.skipped, 1u) << c.frequency;
        ASSERT_EQ(imported.report.lines.size(), 1u) << c.frequency;
        EXPECT_EQ(imported.report.lines[0], c.note);
        EXPECT_EQ(imported.Mr(2).Empty, 1u);
    }
}

// Files from other programs and older versions: columns by name, 17 or 18 columns, minimal files, extra fields.
TEST(ChannelCsvImport, ReadsOlderAndMinimalHeadersInAnyColumnOrder) {
    struct Case {
        const char* text;
        std::int32_t rx;
        const char* tag;
    } cases[] = {
        {"Location,Frequency\n5,119.100000\n", 119100000, "        "},
        {"\xEF\xBB\xBF" "Frequency,Unknown,Name,Location\r\n120.500,zz,GND,1\r\n", 120500000, "GND     "},
        {"Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,"
         "Comment,URCALL,RPT1CALL,RPT2CALL\n1,\"A,B\",121.000000,,0.000000,,88.5,88.5,023,NN,AM,25.00,,,,,,\n",
         121000000, "A,B     "},
    };
    for (const Case& c : cases) {
        const Imported imported = Import(c.text, CsvImportMode::Add, true, "");
        EXPECT_EQ(imported.report.imported, 1u) << c.text;
        EXPECT_TRUE(imported.report.lines.empty()) << imported.report.lines[0];
        EXPECT_EQ(imported.Mr(2).RxFrequency, c.rx);
        EXPECT_STREQ(imported.Mr(2).Tag.data(), c.tag);
    }
    EXPECT_FALSE(Import("Location,Name\n1,A\n", CsvImportMode::Add, true, "").report.listRead);
    EXPECT_FALSE(Import("Frequency\n120.0\n", CsvImportMode::ByLocation, true, "").report.listRead);
}

TEST(ChannelCsvImport, EachModePlacesRowsInItsOwnChannelsAndNeverTouchesWxOrBrs) {
    const std::string rows = "1,A,120.000000\r\n75,B,121.000000\r\n69,C,122.000000\r\n165,D,123.000000\r\n";
    const std::string header = "Location,Name,Frequency\r\n";

    // Add: the empty MR channels in slot order, whatever the Location; MR 1 is in use and stays.
    Imported add = Import(rows, CsvImportMode::Add, true, header);
    EXPECT_EQ(add.Mr(1).RxFrequency, 118000000);
    EXPECT_EQ(add.Mr(2).RxFrequency, 120000000);
    EXPECT_EQ(add.Mr(5).RxFrequency, 123000000);
    EXPECT_EQ(add.report.summary, "4 channels imported into MR 2..MR 5, 0 adapted, 0 skipped");

    // Replace: cleared first; a row goes to the group its Location names; WX and BRS Locations are skipped.
    Imported replace = Import(rows, CsvImportMode::Replace, true, header);
    EXPECT_EQ(replace.Mr(1).RxFrequency, 120000000);
    EXPECT_EQ(replace.Mr(2).RxFrequency, 122000000);
    EXPECT_EQ(replace.Mr(3).Empty, 1u);
    EXPECT_EQ(replace.content.Channels.Entries[kBookFirstSlot].RxFrequency, 121000000);
    EXPECT_EQ(replace.report.lines,
              std::vector<std::string>{"line 5: skipped: Location 165 is a WEATHER or BRS channel, which an import never "
                                       "changes"});

    // By location: each row replaces its Location, PMSL included; a second row for a Location is skipped.
    Imported byLocation = Import(rows + "1,E,124.000000\r\n", CsvImportMode::ByLocation, true, header);
    EXPECT_EQ(byLocation.Mr(1).RxFrequency, 120000000);
    EXPECT_EQ(byLocation.Mr(69).RxFrequency, 122000000);
    EXPECT_EQ(byLocation.content.Channels.Entries[74].RxFrequency, 121000000);
    EXPECT_EQ(byLocation.report.lines,
              (std::vector<std::string>{"line 5: skipped: Location \"165\" is not an MR or BOOK channel (1..160)",
                                        "line 6: skipped: Location 1 was already taken from line 2"}));
    EXPECT_EQ(byLocation.report.summary, "3 channels imported into MR 1..BOOK 5, 0 adapted, 2 skipped");

    const DocumentContent untouched = DefaultContent();
    for (const Imported* imported : {&add, &replace, &byLocation}) {
        for (std::size_t slot = kWxFirstSlot; slot < kSlotsEnd; ++slot) {
            EXPECT_EQ(imported->content.Channels.Entries[slot].RxFrequency, untouched.Channels.Entries[slot].RxFrequency);
        }
    }
}

// More rows than free channels: the rest is skipped, one line each, and PMSL and PMSU are never filled.
TEST(ChannelCsvImport, RowsBeyondTheFreeChannelsAreSkippedAndTheScanLimitsStayFree) {
    std::string rows;
    for (int i = 0; i < 160; ++i) rows += "," + CsvMhzText(120000000 + 25000 * i) + "\r\n";
    const Imported imported = Import(rows, CsvImportMode::Add, true, "Name,Frequency\r\n");
    EXPECT_EQ(imported.report.imported, 158u - 2u);  // MR 1 and BOOK 1 are in use
    EXPECT_EQ(imported.report.skipped, 4u);
    EXPECT_EQ(imported.report.lines.back(), "line 161: skipped: no free MR or BOOK channel left");
    EXPECT_EQ(imported.Mr(69).Empty, 1u);
    EXPECT_EQ(imported.Mr(70).Empty, 1u);
}

// A channel the grid could make, varied by `i` over the bands, shifts, tones, steps and flags.
void MakeGridChannel(ChannelEntry& e, int i, const BandContext& bands) {
    ClearChannel(e);
    e.Empty = 0;
    StoreTag(e, "CH" + std::to_string(i) + (i % 3 == 0 ? ",\"x" : ""));
    e.Scan = static_cast<std::uint32_t>(i % 2);
    switch (i % 7) {
        case 0: StoreReceiveFrequency(e, 118000000 + 25000 * i, bands); break;
        case 1:
            StoreReceiveFrequency(e, 108000000 + 50000 * i, bands);
            SetShiftMode(e, kShiftSplit);
            e.TxFrequency = SplitTransmitFrequency(e, 120000000 + 25000 * i);
            break;
        case 2:
        case 3:
            StoreReceiveFrequency(e, 137000000 + 12500 * i, bands);
            e.Step = static_cast<std::uint32_t>(i % 8);
            ApplyStep(e, bands, true);
            SetShiftMode(e, static_cast<std::uint32_t>(i % 4));
            if (IsShiftWithOffset(e.ShiftMode)) e.ShiftOffset = ShiftOffsetHz(50000 * i);
            if (e.ShiftMode == kShiftSplit) e.TxFrequency = SplitTransmitFrequency(e, 150000000 + 5000 * i);
            e.ToneType = static_cast<std::uint32_t>(i % 3);
            e.CtcssIndex = static_cast<std::uint32_t>(i % 50);
            e.DcsIndex = static_cast<std::uint32_t>(i % 106);
            if (e.ToneType != kToneCtcss) e.CtcssIndex = 0;
            if (e.ToneType != kToneDcs) e.DcsIndex = 0;
            e.TxPower = static_cast<std::uint32_t>(i % 2);
            break;
        case 4:
            StoreReceiveFrequency(e, 88000000 + 100000 * i, bands);
            e.Step = static_cast<std::uint32_t>(i % 8);
            ApplyStep(e, bands, true);
            break;
        case 5:
            StoreReceiveFrequency(e, 154570000, bands);  // a BRS channel
            e.Narrow = static_cast<std::uint32_t>(i % 2);
            e.ToneType = kToneDcs;
            e.DcsIndex = 3;
            break;
        default: StoreReceiveFrequency(e, 162400000, bands); break;  // a weather channel
    }
}

// Export, then import into the same image with its MR and BOOK channels cleared: the same channels come back.
TEST(ChannelCsvImport, ExportedChannelsImportBackUnchangedByReplaceAndByLocation) {
    for (const bool full : {false, true}) {
        DocumentContent original = DefaultContent();
        if (full) {
            for (std::size_t slot = 0; slot < kWxFirstSlot; ++slot) {
                MakeGridChannel(original.Channels.Entries[slot], static_cast<int>(slot), original.Bands());
            }
        }
        for (const CsvImportMode mode : {CsvImportMode::Replace, CsvImportMode::ByLocation}) {
            // Replace never fills the scan limits, so their rows would move on; by location keeps them.
            DocumentContent source = original;
            if (mode == CsvImportMode::Replace) {
                for (const std::size_t scanLimit : {68, 69}) {
                    ClearChannel(source.Channels.Entries[scanLimit]);
                    source.Channels.Entries[scanLimit].Empty = 1;
                }
            }
            EncodeImage(source);
            DecodeImage(source);
            DocumentContent target = DefaultContent();
            if (mode == CsvImportMode::ByLocation) {
                for (std::size_t slot = 0; slot < kWxFirstSlot; ++slot) target.Channels.Entries[slot].Empty = 1;
            }
            const CsvImportReport report =
                ImportChannelsCsv(target.Channels, target.Settings, ExportChannelsCsv(source.Channels), mode);
            EncodeImage(target);
            EXPECT_EQ(target.Image, source.Image) << full << " " << CsvImportReportText(report);
            EXPECT_EQ(report.adapted, 0u) << CsvImportReportText(report);
            EXPECT_EQ(report.skipped, 32u) << "the WX and BRS rows";
        }
    }
}

}  // namespace
}  // namespace tarn
