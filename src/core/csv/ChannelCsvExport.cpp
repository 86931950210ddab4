#include "csv/ChannelCsvExport.h"

#include <cstdio>
#include <vector>

#include "csv/ChannelCsvColumns.h"
#include "model/Unpadded.h"
#include "model/ValueTables.h"

namespace tarn {
namespace {

constexpr std::string_view kNoToneText = "88.5";
constexpr std::string_view kNoCodeText = "023";

std::string_view DuplexText(std::uint32_t shiftMode) {
    switch (shiftMode) {
        case kShiftMinus: return "-";
        case kShiftPlus: return "+";
        case kShiftSplit: return "split";
        default: return "";
    }
}

std::int32_t OffsetHz(const ChannelEntry& entry) {
    if (IsShiftWithOffset(entry.ShiftMode)) return entry.ShiftOffset;
    return entry.ShiftMode == kShiftSplit ? entry.TxFrequency : 0;
}

std::string_view ModeText(const ChannelEntry& entry) {
    const bool narrow = entry.Narrow == 1;
    if (entry.Band == kBandAm) return narrow ? "NAM" : "AM";
    if (entry.Band == kBandWfm) return "WFM";
    return narrow ? "NFM" : "FM";
}

std::string StepText(std::uint32_t step) {
    const std::int32_t hz = StepSpacing[step & 7u];
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", hz / 1000, hz % 1000 / 10);
    return text;
}

std::vector<std::string> Row(const ChannelEntry& entry, std::size_t slot) {
    // A tone or code index beyond the tables is no tone at all.
    const std::string_view tone = TableText(CtcssTones, entry.CtcssIndex);
    const std::string_view code = TableText(DcsCodes, entry.DcsIndex);
    const bool ctcss = entry.ToneType == kToneCtcss && !tone.empty();
    const bool dcs = entry.ToneType == kToneDcs && !code.empty();
    const std::string toneText(ctcss ? Unpadded(tone) : kNoToneText);
    const std::string codeText(dcs ? code : kNoCodeText);
    return {std::to_string(slot + 1),
            std::string(Unpadded(TagView(entry))),
            CsvMhzText(entry.RxFrequency),
            std::string(DuplexText(entry.ShiftMode)),
            CsvMhzText(OffsetHz(entry)),
            ctcss ? "TSQL" : (dcs ? "DTCS" : ""),
            toneText,
            toneText,
            codeText,
            "NN",
            codeText,
            "Tone->Tone",
            std::string(ModeText(entry)),
            StepText(entry.Step),
            entry.Scan == 1 ? "" : "S",
            entry.TxPower == 1 ? "High" : "Low",
            "", "", "", "", ""};
}

}  // namespace

std::string CsvMhzText(std::int64_t hz) {
    const bool negative = hz < 0;
    const std::int64_t magnitude = negative ? -hz : hz;
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%06lld", negative ? "-" : "", static_cast<long long>(magnitude / 1000000),
                  static_cast<long long>(magnitude % 1000000));
    return text;
}

std::string ExportChannelsCsv(const ChannelTable& table) {
    const std::vector<std::string> header(kCsvHeader.begin(), kCsvHeader.end());
    std::string csv = CsvLine(header);
    for (std::size_t slot = 0; slot < EntryCount; ++slot) {
        const ChannelEntry& entry = table.Entries[slot];
        if (entry.Empty == 0) csv += CsvLine(Row(entry, slot));
    }
    return csv;
}

}  // namespace tarn
