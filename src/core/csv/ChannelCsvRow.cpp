#include "csv/ChannelCsvRow.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>

#include "channels/ChannelFieldChanges.h"
#include "csv/ChannelCsvExport.h"
#include "model/DecimalText.h"
#include "model/FrequencyConversion.h"
#include "model/Unpadded.h"
#include "model/ValueTables.h"

namespace tarn {
namespace {

std::string Quoted(std::string_view text) { return "\"" + ShownText(text) + "\""; }

// Exact Hz on the model's 10 Hz grid (last digit 0..4 down, 5..9 up), as typing the same text would give.
std::optional<std::int32_t> ModelHz(std::int64_t exactHz) {
    const std::int64_t rounded = (exactHz + 5) / 10 * 10;
    if (exactHz < 0 || rounded > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::optional<std::int64_t> MhzFieldHz(std::string_view text) { return ScaledDecimal(text, 6); }

std::span<const std::string_view> ToneTable(std::uint32_t toneType) {
    if (toneType == kToneCtcss) return CtcssTones;
    return DcsCodes;
}

std::string BandName(const ChannelEntry& entry) { return std::string(TableText(ModeNames, entry.Band)) + " channels"; }

class RowStore {
public:
    RowStore(ChannelEntry& entry, const CsvColumns& columns, const CsvRecord& row, const BandContext& bands)
        : entry_(entry), columns_(columns), row_(row), bands_(bands) {}

    CsvRowResult Store() {
        const std::string_view text = Field(CsvColumn::Frequency);
        const std::optional<std::int64_t> exact = MhzFieldHz(text);
        const std::optional<std::int32_t> hz = exact && *exact > 0 ? ModelHz(*exact) : std::nullopt;
        if (!exact || *exact <= 0) return Skip("no usable frequency (" + Quoted(text) + ")");
        if (!hz || !IsInEnabledBand(entry_, HzToMhz(*hz), bands_)) {
            return Skip(CsvMhzText(*exact) + " MHz lies outside the bands the radio receives as it is set up");
        }
        StoreName();
        StoreReceiveFrequency(entry_, *hz, bands_);
        StoreStep(*hz);
        if (entry_.RxFrequency != *exact) {
            Note("frequency " + CsvMhzText(*exact) + " MHz stored as " + CsvMhzText(entry_.RxFrequency) + " MHz");
        }
        StoreDuplex();
        StoreTone();
        StoreWidth();
        StoreScan();
        StorePower();
        return result_;
    }

private:
    std::string_view Field(CsvColumn column) const { return columns_.Field(row_, column); }
    void Note(std::string note) { result_.notes.push_back(std::move(note)); }
    CsvRowResult Skip(std::string reason) {
        result_.skipped = true;
        result_.notes = {"skipped: " + std::move(reason)};
        return result_;
    }

    void StoreName() {
        const std::string_view name = Field(CsvColumn::Name);
        std::string kept;
        std::copy_if(name.begin(), name.end(), std::back_inserter(kept), IsTagCharacter);
        std::vector<std::string> why;
        if (kept.size() != name.size()) why.push_back("characters outside the TAG's alphabet removed");
        if (kept.size() > kTagLength) {
            kept.resize(kTagLength);
            why.push_back("cut to the TAG's 8 characters");
        }
        if (!why.empty()) {
            std::string note = "name " + Quoted(name) + " stored as " + Quoted(kept) + " (" + why[0];
            if (why.size() > 1) note += ", " + why[1];
            Note(note + ")");
        }
        StoreTag(entry_, kept);
    }

    // Where the band lets the grid choose the step, TStep chooses it before the frequency is rounded.
    void StoreStep(std::int32_t hz) {
        if (entry_.Band != kBandExp && entry_.Band != kBandWfm) return;
        const std::string_view text = Field(CsvColumn::TStep);
        if (Unpadded(text).empty()) return;
        const std::optional<std::int64_t> spacing = ScaledDecimal(text, 3);
        const auto it = spacing ? std::find(StepSpacing.begin(), StepSpacing.end(), *spacing) : StepSpacing.end();
        if (it == StepSpacing.end()) {
            Note("step " + Quoted(text) + " kHz is not one of the radio's steps; " +
                 std::string(StepNames[entry_.Step & 7u]) + " kept");
            return;
        }
        entry_.Step = static_cast<std::uint32_t>(it - StepSpacing.begin());
        entry_.RxFrequency = hz;
        ApplyStep(entry_, bands_, true);  // as the grid's Step column sets it
    }

    void StoreDuplex() {
        const std::string duplex = FoldedField(Field(CsvColumn::Duplex));
        const std::string_view offsetText = Field(CsvColumn::Offset);
        const std::optional<std::int64_t> offset = MhzFieldHz(offsetText);
        const std::int32_t offsetHz = offset ? ModelHz(*offset).value_or(std::numeric_limits<std::int32_t>::max()) : 0;
        if (duplex.empty()) return;
        if (duplex == "+" || duplex == "-") {
            if (entry_.Band != kBandExp) {
                Note("shift " + duplex + CsvMhzText(offset.value_or(0)) + " MHz is not available on " + BandName(entry_) +
                     "; simplex");
                return;
            }
            SetShiftMode(entry_, duplex == "+" ? kShiftPlus : kShiftMinus);
            entry_.ShiftOffset = ShiftOffsetHz(offsetHz);
            if (!offset || entry_.ShiftOffset != *offset) {
                Note("offset " + Quoted(offsetText) + " MHz stored as " + CsvMhzText(entry_.ShiftOffset) + " MHz");
            }
        } else if (duplex == "split") {
            if (entry_.Band != kBandExp && !OnAirNavigation(entry_)) {
                const std::string where = BandName(entry_) + (entry_.Band == kBandAm ? " from 118 MHz" : "");
                Note("split transmit frequency " + Quoted(offsetText) + " MHz is not available on " + where +
                     "; simplex");
                return;
            }
            SetShiftMode(entry_, kShiftSplit);
            entry_.TxFrequency = SplitTransmitFrequency(entry_, offsetHz);
            if (!offset || entry_.TxFrequency != *offset) {
                Note("split transmit frequency " + Quoted(offsetText) + " MHz stored as " +
                     CsvMhzText(entry_.TxFrequency) + " MHz");
            }
        } else if (duplex == "off") {
            Note("receive only (Duplex \"off\") is not available; simplex");
        } else {
            Note("Duplex " + Quoted(duplex) + " is not known; simplex");
        }
    }

    struct ToneWanted {
        std::uint32_t type = kToneNone;
        std::string_view value;  // the tone in Hz or the code
    };

    ToneWanted CrossTone(std::string& description) {
        const std::string_view crossMode = Unpadded(Field(CsvColumn::CrossMode));
        const std::size_t arrow = crossMode.find("->");
        const std::string_view send = arrow == std::string_view::npos ? crossMode : crossMode.substr(0, arrow);
        const std::string_view receive = arrow == std::string_view::npos ? "" : crossMode.substr(arrow + 2);
        description = "Cross (" + ShownText(crossMode) + ")";
        if (send == "Tone") return {kToneCtcss, Field(CsvColumn::RToneFreq)};
        if (send == "DTCS") return {kToneDcs, Field(CsvColumn::DtcsCode)};
        if (receive == "Tone") return {kToneCtcss, Field(CsvColumn::CToneFreq)};
        if (receive == "DTCS") return {kToneDcs, Field(CsvColumn::RxDtcsCode)};
        return {};
    }

    void StoreTone() {
        const std::string_view tone = Unpadded(Field(CsvColumn::Tone));
        if (tone.empty()) return;
        ToneWanted wanted;
        std::string adapted;  // why the tone is not stored as the file gives it
        if (tone == "Tone") {
            wanted = {kToneCtcss, Field(CsvColumn::RToneFreq)};
            adapted = "Tone (sent only)";
        } else if (tone == "TSQL") {
            const std::string_view c = Field(CsvColumn::CToneFreq);
            wanted = {kToneCtcss, columns_.Has(CsvColumn::CToneFreq) && !Unpadded(c).empty() ? c
                                                                                           : Field(CsvColumn::RToneFreq)};
        } else if (tone == "DTCS") {
            wanted = {kToneDcs, Field(CsvColumn::DtcsCode)};
            const std::string_view polarity = Unpadded(Field(CsvColumn::DtcsPolarity));
            if (polarity != "NN") adapted = "DTCS polarity " + Quoted(polarity);
        } else if (tone == "Cross") {
            wanted = CrossTone(adapted);
        } else {
            Note("tone mode " + Quoted(tone) + " is not available; no tone");
            return;
        }
        if (wanted.type == kToneNone) {
            Note(adapted + " is not available; no tone");
            return;
        }
        const std::string shown = (wanted.type == kToneCtcss ? "tone " : "DTCS code ") + Quoted(Unpadded(wanted.value));
        if (entry_.Mode != kBandExp && entry_.Mode != kBandBrs) {
            Note(shown + " is not available on " + BandName(entry_) + "; no tone");
            return;
        }
        const std::optional<std::uint32_t> index = ToneIndex(wanted);
        if (!index) {
            Note(shown + " is not one of the radio's; no tone");
            return;
        }
        entry_.ToneType = wanted.type;
        (wanted.type == kToneCtcss ? entry_.CtcssIndex : entry_.DcsIndex) = *index;
        if (!adapted.empty()) {
            Note(adapted + " stored as " + (wanted.type == kToneCtcss ? "CTCSS " : "DCS ") +
                 std::string(Unpadded(TableText(ToneTable(wanted.type), *index))) + ", sent and required");
        }
    }

    static std::optional<std::uint32_t> ToneIndex(const ToneWanted& wanted) {
        const bool ctcss = wanted.type == kToneCtcss;
        const int decimals = ctcss ? 1 : 0;
        const std::optional<std::int64_t> value = ScaledDecimal(wanted.value, decimals);
        if (!value) return std::nullopt;
        const std::span<const std::string_view> table = ToneTable(wanted.type);
        for (std::uint32_t i = 0; i < table.size(); ++i) {
            if (ScaledDecimal(table[i], decimals) == value) return i;
        }
        return std::nullopt;
    }

    void StoreWidth() {
        const std::string mode = FoldedField(Field(CsvColumn::Mode));
        if (mode != "nfm" && mode != "nam") return;
        // The grid gives only BRS channels a choice of width.
        if (entry_.Mode == kBandBrs) {
            entry_.Narrow = 1;
        } else {
            Note("narrow width (" + Quoted(Field(CsvColumn::Mode)) + ") is not available on " + BandName(entry_) + "; wide");
        }
    }

    void StoreScan() {
        const std::string skip = FoldedField(Field(CsvColumn::Skip));
        entry_.Scan = skip == "s" ? 0 : 1;
        if (skip == "p") Note("priority scan (Skip \"P\") is not available; scanned");
        else if (!skip.empty() && skip != "s") Note("Skip " + Quoted(skip) + " is not known; scanned");
    }

    void StorePower() {
        const std::string_view text = Unpadded(Field(CsvColumn::Power));
        if (text.empty()) return;
        const std::string power = FoldedField(text);
        const std::uint32_t wanted = power.rfind("low", 0) == 0 ? 0 : 1;
        if (power != "low" && power != "high") {
            Note("power " + Quoted(text) + " stored as " + (wanted == 0 ? "LO" : "HI"));
        }
        if (wanted == entry_.TxPower) return;
        if (entry_.Mode == kBandExp || entry_.Mode == kBandBrs) {
            entry_.TxPower = wanted;
        } else {
            Note("low power is not available on " + BandName(entry_) + "; HI");
        }
    }

    ChannelEntry& entry_;
    const CsvColumns& columns_;
    const CsvRecord& row_;
    const BandContext& bands_;
    CsvRowResult result_;
};

}  // namespace

std::string ShownText(std::string_view text) {
    std::string shown(text);
    std::replace_if(shown.begin(), shown.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }, ' ');
    return shown;
}

CsvRowResult StoreCsvRow(ChannelEntry& entry, const CsvColumns& columns, const CsvRecord& row,
                         const BandContext& bands) {
    return RowStore(entry, columns, row, bands).Store();
}

}  // namespace tarn
