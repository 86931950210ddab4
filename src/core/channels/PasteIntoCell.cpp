#include "channels/PasteIntoCell.h"

#include <algorithm>
#include <optional>
#include <span>

#include "channels/ChannelEditLabel.h"
#include "channels/ChannelFieldChanges.h"
#include "channels/CopyChannel.h"
#include "channels/StoreCellText.h"
#include "model/DecimalText.h"
#include "model/EditStep.h"
#include "model/ValueTables.h"

namespace tarn {
namespace {

constexpr std::size_t kMaxFrequencyText = 9;
constexpr std::array<std::string_view, 2> kClockShiftTexts{"v", "-"};
constexpr std::array<std::string_view, 2> kFlagTexts{"-", "v"};

// The position of the entry of `table` equal to `text`, character for character.
std::optional<std::uint32_t> Match(std::span<const std::string_view> table, std::string_view text) {
    const auto it = std::find(table.begin(), table.end(), text);
    if (it == table.end()) return std::nullopt;
    return static_cast<std::uint32_t>(it - table.begin());
}

bool IsTagText(std::string_view text) {
    return text.size() <= kTagLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 127) != 0; });
}

bool IsFrequencyText(std::string_view text) {
    return text.size() <= kMaxFrequencyText && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || c == '.' || c == ' ' || c == '\b';
           });
}

// The refusals before the column's own rule: nothing when the paste may go on, else the number of beeps
// (two for a cell that the channel's group or band never takes).
std::optional<int> GroupRefusal(const ChannelTable& table, const ChannelEntry& entry, int column) {
    if (column != 0 && entry.Empty == 1) return 1;
    const bool weather = table.CurrentGroup == kGroupWx || entry.Band == kBandWx;
    const bool brs = table.CurrentGroup == kGroupBrs || entry.Band == kBandBrs;
    static constexpr int kWeatherClosed[] = {3, 5, 6, 7, 8, 9, 10, 11, 12, 14};
    static constexpr int kBrsClosed[] = {3, 5, 6, 10, 14};
    if (weather && std::find(std::begin(kWeatherClosed), std::end(kWeatherClosed), column) != std::end(kWeatherClosed)) {
        return 2;
    }
    if (brs && std::find(std::begin(kBrsClosed), std::end(kBrsClosed), column) != std::end(kBrsClosed)) return 2;
    if ((table.CurrentGroup == kGroupWx || table.CurrentGroup == kGroupBrs) && (column == 0 || column == 4)) return 2;
    return std::nullopt;
}

EditResult PasteChannel(Document& document, std::string_view text, Prompter& prompter) {
    ChannelTable& table = document.Channels();
    const std::int64_t number = LeadingInteger(text);
    if (number <= 0 || number > EntryCount || text.find('.') != std::string_view::npos) return EditResult::Beep();
    const auto source = static_cast<std::size_t>(number - 1);
    if (source == table.CurrentIndex) return EditResult::Beep();
    if (prompter.AskYesNo(ChannelCopyQuestion(table, source, text), MessageIcon::Question) == Answer::Yes) {
        CopyChannel(table, source, table.CurrentIndex);
    }
    return EditResult::Done();
}

// Sets a field from a text that must match one of `texts`; false when none matches.
bool SetFromText(std::uint32_t& field, std::span<const std::string_view> texts, std::string_view text) {
    const auto index = Match(texts, text);
    if (!index) return false;
    field = *index;
    return true;
}

bool PasteTone(ChannelEntry& entry, std::string_view text) {
    if (!ModeIsOneOf(entry, kBandExp, kBandBrs)) return false;
    if (entry.ToneType == kToneCtcss) return SetFromText(entry.CtcssIndex, CtcssTones, text);
    if (entry.ToneType == kToneDcs) return SetFromText(entry.DcsIndex, DcsCodes, text);
    return false;
}

bool PasteStep(ChannelEntry& entry, std::string_view text, const BandContext& bands) {
    if (!ModeIsOneOf(entry, kBandExp, kBandWfm) || !SetFromText(entry.Step, StepNames, text)) return false;
    ApplyStep(entry, bands, true);
    return true;
}

bool PasteShift(ChannelEntry& entry, std::string_view text) {
    if (entry.Mode == kBandWfm || entry.Mode == kBandWx || entry.Mode == kBandBrs) return false;
    if (OnAirCommunication(entry)) return false;
    const auto shift = Match(ShiftNames, text);
    if (!shift) return false;
    if (entry.Mode == kBandAm && IsShiftWithOffset(*shift)) return false;
    if (*shift != entry.ShiftMode) SetShiftMode(entry, *shift);
    return true;
}

}  // namespace

EditResult PasteIntoCell(Document& document, int column, std::string_view text, Prompter& prompter) {
    ChannelTable& table = document.Channels();
    if (table.CurrentIndex >= EntryCount) return EditResult::Beep();
    ChannelEntry& entry = table.Entries[table.CurrentIndex];
    if (const auto beeps = GroupRefusal(table, entry, column)) return EditResult::Refused(*beeps);
    const EditStep step(document, PasteLabel(table.CurrentIndex, column));

    EditResult result = EditResult::Done();
    bool taken = true;
    switch (column) {
        case 0:
            result = PasteChannel(document, text, prompter);
            if (!result.done) return result;
            break;
        case 1: break;  // the mode follows the frequency
        case 2: taken = entry.Band == kBandBrs && SetFromText(entry.Narrow, WidthNames, text); break;
        case 3:
        case 4:
        case 5:
        case 6:
            taken = column == 3 ? IsTagText(text) : IsFrequencyText(text);
            // The cell's own rules may still refuse the value with a beep; the paste itself went through.
            if (taken) result.beeps = StoreCellText(document, table.CurrentIndex, column, text).beeps;
            break;
        case 7:
            taken = ModeIsOneOf(entry, kBandExp, kBandBrs) && SetFromText(entry.ToneType, ToneTypeNames, text);
            if (taken) entry.CtcssIndex = entry.DcsIndex = 0;
            break;
        case 8: taken = PasteTone(entry, text); break;
        case 9: taken = ModeIsOneOf(entry, kBandExp, kBandBrs) && SetFromText(entry.TxPower, PowerNames, text); break;
        case 10: taken = PasteStep(entry, text, document.Content().Bands()); break;
        case 11: taken = SetFromText(entry.ClockShift, kClockShiftTexts, text); break;
        case 12: taken = SetFromText(entry.TagDisplay, kFlagTexts, text); break;
        case 13: taken = SetFromText(entry.Scan, kFlagTexts, text); break;
        case 14: taken = PasteShift(entry, text); break;
        default: taken = false; break;
    }
    if (!taken) return EditResult::Beep();
    document.SetModified(true);
    return result;
}

}  // namespace tarn
