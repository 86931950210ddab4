#include "channels/GridColumnTexts.h"

#include <algorithm>
#include <array>
#include <functional>

#include "channels/ChannelCellText.h"
#include "channels/GridColumns.h"
#include "model/ChannelTable.h"
#include "model/ValueTables.h"

namespace tarn {
namespace {

// Channels that between them show every cell text: every slot's label, then a plain channel changed
// one value at a time through everything the cell texts read.
std::vector<ChannelEntry> SampleChannels() {
    ChannelTable table;
    DefaultChannelTable(table);
    std::vector<ChannelEntry> samples(table.Entries.begin(), table.Entries.end());
    const ChannelEntry plain = table.Entries[0];
    const auto add = [&](const std::function<void(ChannelEntry&)>& change) {
        ChannelEntry e = plain;
        change(e);
        samples.push_back(e);
    };
    for (std::uint32_t band = 0; band < ModeNames.size(); ++band) {
        for (std::uint32_t narrow = 0; narrow < WidthNames.size(); ++narrow) {
            add([&](ChannelEntry& e) { e.Mode = e.Band = band; e.Narrow = narrow; });
        }
    }
    for (int code = 0; code <= 255; ++code) {
        const char shown = TagCharacter(static_cast<std::uint8_t>(code));
        if (shown != '\0') add([&](ChannelEntry& e) { std::fill_n(e.Tag.begin(), kTagLength, shown); });
    }
    // Each digit in every place of a frequency, for fonts whose digits differ in width.
    for (std::int32_t digit = 0; digit <= 9; ++digit) {
        const std::int32_t hz = digit * 111111110;
        add([&](ChannelEntry& e) { e.RxFrequency = hz; });
        add([&](ChannelEntry& e) { e.ShiftMode = kShiftSplit; e.TxFrequency = hz; });
        add([&](ChannelEntry& e) { e.ShiftMode = kShiftMinus; e.ShiftOffset = hz; });
    }
    for (std::uint32_t i = 0; i < CtcssTones.size(); ++i) {
        add([&](ChannelEntry& e) { e.ToneType = kToneCtcss; e.CtcssIndex = i; });
    }
    for (std::uint32_t i = 0; i < DcsCodes.size(); ++i) {
        add([&](ChannelEntry& e) { e.ToneType = kToneDcs; e.DcsIndex = i; });
    }
    for (std::uint32_t i = 0; i < StepNames.size(); ++i) add([&](ChannelEntry& e) { e.Step = i; });
    for (std::uint32_t i = 0; i < ShiftNames.size(); ++i) add([&](ChannelEntry& e) { e.ShiftMode = i; });
    for (std::uint32_t on = 0; on <= 1; ++on) {
        add([&](ChannelEntry& e) { e.TxPower = e.ClockShift = e.TagDisplay = e.Scan = on; });
    }
    return samples;
}

}  // namespace

const std::vector<std::string>& ColumnTexts(int column) {
    static const std::array<std::vector<std::string>, kGridColumnCount + 1> kTexts = [] {
        std::array<std::vector<std::string>, kGridColumnCount + 1> texts;
        const std::vector<ChannelEntry> samples = SampleChannels();
        for (int c = 0; c < kGridColumnCount; ++c) {
            for (const ChannelEntry& e : samples) texts[c].push_back(CellText(e, c));
            std::sort(texts[c].begin(), texts[c].end());
            texts[c].erase(std::unique(texts[c].begin(), texts[c].end()), texts[c].end());
        }
        return texts;
    }();
    return kTexts[column >= 0 && column < kGridColumnCount ? column : kGridColumnCount];
}

}  // namespace tarn
