#include "settings/VfoSheetEditor.h"

#include <algorithm>

#include "channels/ChannelFieldChanges.h"
#include "channels/PickLists.h"
#include "model/ChannelFieldTexts.h"
#include "model/FrequencyConversion.h"
#include "model/Unpadded.h"
#include "model/ValueTables.h"

namespace tarn {
namespace {

using enum VfoRow;

constexpr std::int32_t kAirCommunicationLowHz = 118000000;

std::size_t Index(VfoPage page) { return static_cast<std::size_t>(page); }

unsigned Bit(VfoRow row) { return 1u << static_cast<unsigned>(row); }

// The rows the HOME page enables for a band, before the shift mode and tone type restrict them.
unsigned HomeRowsOfBand(std::uint32_t band) {
    switch (band) {
        case kBandAm: return Bit(RptShift) | Bit(ClockShift) | Bit(ReceiveFrequency) | Bit(TransmitFrequency);
        case kBandExp:
            return Bit(RptShift) | Bit(Step) | Bit(TxPower) | Bit(ClockShift) | Bit(SubAudioType) |
                   Bit(ReceiveFrequency) | Bit(TransmitFrequency) | Bit(ShiftFrequency) | Bit(Tone);
        case kBandWfm: return Bit(Step) | Bit(ClockShift) | Bit(ReceiveFrequency);
        case kBandWx: return Bit(ClockShift) | Bit(ReceiveFrequency);
        case kBandBrs:
            return Bit(WideNarrow) | Bit(TxPower) | Bit(ClockShift) | Bit(SubAudioType) | Bit(ReceiveFrequency) |
                   Bit(Tone);
        default: return Bit(ReceiveFrequency);  // a band the image should not hold: the frequency mends it
    }
}

unsigned HomeRows(const ChannelEntry& e) {
    unsigned rows = HomeRowsOfBand(e.Band);
    const unsigned edits = Bit(ReceiveFrequency) | Bit(TransmitFrequency) | Bit(ShiftFrequency) | Bit(Tone);
    unsigned editsLeft = Bit(ReceiveFrequency) | Bit(Tone);
    if (e.ShiftMode == kShiftSplit) editsLeft |= Bit(TransmitFrequency);
    if (IsShiftWithOffset(e.ShiftMode)) editsLeft |= Bit(ShiftFrequency);
    rows &= ~edits | editsLeft;
    if (e.ToneType == kToneNone) rows &= ~Bit(Tone);
    if (OnAirCommunication(e)) rows &= ~Bit(RptShift);
    return rows;
}

unsigned EnabledRows(VfoPage page, const ChannelEntry& e) {
    const unsigned split = e.ShiftMode == kShiftSplit ? Bit(TransmitFrequency) : 0;
    switch (page) {
        case VfoPage::Air:
            return Bit(ReceiveFrequency) | split | (e.RxFrequency < kAirCommunicationLowHz ? Bit(RptShift) : 0);
        case VfoPage::VhfExpansion:
            return Bit(RptShift) | Bit(Step) | Bit(TxPower) | Bit(SubAudioType) | Bit(ReceiveFrequency) | split |
                   (IsShiftWithOffset(e.ShiftMode) ? Bit(ShiftFrequency) : 0) |
                   (e.ToneType != kToneNone ? Bit(Tone) : 0);
        case VfoPage::FmRadio: return Bit(Step) | Bit(ReceiveFrequency);
        case VfoPage::Home: break;
    }
    return HomeRows(e);
}

// A frequency as its edit shows it: the grid's text without the padding.
std::string MhzText(std::int32_t hz) { return std::string(Unpadded(FrequencyText(hz))); }

std::string ToneText(const ChannelEntry& e) {
    if (e.ToneType == kToneCtcss) return CtcssText(e);
    if (e.ToneType == kToneDcs) return DcsText(e);
    return {};
}

// The Simplex/Split list of the air band below 118 MHz (Simplex alone from there up): Split is shown for
// any shift mode but Simplex, as the air band has no other.
void AirShiftItems(SettingRow& row, const ChannelEntry& e) {
    row.items.push_back({"Simplex", kShiftSimplex});
    row.selected = 0;
    if (e.RxFrequency >= kAirCommunicationLowHz) return;
    row.items.push_back({"Split", kShiftSplit});
    if (e.ShiftMode >= 1) row.selected = 1;
}

void HomeShiftItems(SettingRow& row, const ChannelEntry& e) {
    if (e.Band == kBandAm && e.RxFrequency < kAirCommunicationLowHz) return AirShiftItems(row, e);
    if (e.Band != kBandExp) {
        row.items.push_back({"Simplex", kShiftSimplex});
        return;
    }
    const auto names = VfoFixedItems(VfoPage::FmRadio, RptShift);
    for (std::uint32_t mode = 0; mode < names.size(); ++mode) row.items.push_back({std::string(names[mode]), mode});
    if (e.ShiftMode < names.size()) row.selected = e.ShiftMode;
}

void HomeModeItems(SettingRow& row, const ChannelEntry& e, const SystemSettings& s) {
    const bool exists[] = {true, s.GrayExpansion != 0, true, s.WeatherBand != 0, s.BrsMode != 0};
    for (std::uint32_t band = 0; band < ModeNames.size(); ++band) {
        if (!exists[band]) continue;
        if (band == e.Band) row.selected = row.items.size();
        row.items.push_back({std::string(ModeNames[band]), band});
    }
}

// The value a fixed list selects; none where the page shows no selection.
std::optional<std::uint32_t> ListValue(VfoPage page, VfoRow row, const ChannelEntry& e) {
    if (page == VfoPage::FmRadio && row != Step && row != ClockShift) return std::nullopt;
    switch (row) {
        case WideNarrow: return e.Narrow;
        case RptShift: return e.ShiftMode;
        case Step: return page == VfoPage::Air ? std::nullopt : std::optional(e.Step);
        case TxPower: return e.TxPower;
        case ClockShift: return e.ClockShift;
        case SubAudioType: return e.ToneType;
        default: return std::nullopt;
    }
}

std::string EditText(VfoPage page, VfoRow row, const ChannelEntry& e) {
    if (page == VfoPage::FmRadio && row != ReceiveFrequency) return {};
    switch (row) {
        case ReceiveFrequency: return MhzText(e.RxFrequency);
        case TransmitFrequency: return MhzText(e.TxFrequency);
        case ShiftFrequency: return MhzText(e.ShiftOffset);
        default: return ToneText(e);
    }
}

// A receive frequency typed on `page`: classified with the record's step, taken or refused by the page's
// band (HOME takes every band and changes with it), then the shift settled for the new frequency.
bool ApplyReceiveFrequency(VfoPage page, ChannelEntry& e, std::string_view text, const BandContext& bands) {
    const std::int32_t typed = TypedFrequencyHz(text);
    double mhz = HzToMhz(typed);
    std::size_t slot = 0;
    const std::uint32_t band = ClassifyFrequency(e, mhz, e.Step, slot, bands);
    if (const auto pageBand = VfoPageBand(page)) {
        if (band != *pageBand && band != e.Band) return false;
        e.Band = band;
        e.RxFrequency = MhzToHz(mhz);
        if (page == VfoPage::Air && e.RxFrequency >= kAirCommunicationLowHz) SetShiftMode(e, kShiftSimplex);
    } else {
        e.RxFrequency = MhzToHz(mhz);
        if (band != e.Band) {
            e.Mode = e.Band = band;
            e.RxFrequency = typed;
            ApplyBandDefaults(e, bands);
        }
        // Only the expansion band and the air band below 118 MHz have a repeater shift.
        if ((e.Band != kBandAm && e.Band != kBandExp) || OnAirCommunication(e)) SetShiftMode(e, kShiftSimplex);
    }
    if (e.ShiftMode == kShiftSplit) e.TxFrequency = SplitTransmitFrequency(e, e.RxFrequency);
    return true;
}

// Applies typing `text` into edit `row` of `page`; false when the page refuses it.
bool ApplyTyped(VfoPage page, VfoRow row, ChannelEntry& e, std::string_view text, const BandContext& bands) {
    switch (row) {
        case ReceiveFrequency: return ApplyReceiveFrequency(page, e, text, bands);
        case TransmitFrequency: e.TxFrequency = SplitTransmitFrequency(e, TypedFrequencyHz(text)); return true;
        case ShiftFrequency: e.ShiftOffset = ShiftOffsetHz(TypedFrequencyHz(text)); return true;
        default: return true;  // the tone is only ever picked from its list
    }
}

void ApplyChoice(VfoRow row, ChannelEntry& e, std::uint32_t value, const BandContext& bands) {
    switch (row) {
        case RptShift: SetShiftMode(e, value); break;
        case Step:
            e.Step = value;
            ApplyStep(e, bands, false);
            break;
        case TxPower: e.TxPower = value; break;
        case ClockShift: e.ClockShift = value; break;
        case WideNarrow: e.Narrow = value; break;
        case SubAudioType:
            e.ToneType = value;
            if (value == kToneNone) e.CtcssIndex = e.DcsIndex = 0;
            break;
        default: break;
    }
}

}  // namespace

VfoSheetEditor::VfoSheetEditor(Document& document)
    : document_(document),
      pages_{PageState{VfoRecord(VfoPage::Home)}, PageState{VfoRecord(VfoPage::Air)},
             PageState{VfoRecord(VfoPage::VhfExpansion)}, PageState{VfoRecord(VfoPage::FmRadio)}} {}

VfoSheetEditor::PageState& VfoSheetEditor::State(VfoPage page) { return pages_[Index(page)]; }
const VfoSheetEditor::PageState& VfoSheetEditor::State(VfoPage page) const { return pages_[Index(page)]; }

bool VfoSheetEditor::InSheet(VfoPage page) const {
    return page != VfoPage::VhfExpansion || document_.Content().Settings.GrayExpansion != 0;
}

std::vector<VfoPage> VfoSheetEditor::Pages() const {
    std::vector<VfoPage> pages;
    for (const VfoPage page : kVfoSheetPages) {
        if (InSheet(page)) pages.push_back(page);
    }
    return pages;
}

void VfoSheetEditor::ShowPage(VfoPage page) {
    PageState& state = State(page);
    if (state.shown) return;
    state.record.Decode(document_.Image(), document_.Content().Bands());
    if (page == VfoPage::VhfExpansion && state.record.Entry.ShiftMode >= kShiftSplit) {
        state.record.Entry.ShiftMode = kShiftSimplex;
    }
    state.shown = true;
}

bool VfoSheetEditor::PageShown(VfoPage page) const { return State(page).shown; }
bool VfoSheetEditor::PageChanged(VfoPage page) const { return State(page).changed; }

const ChannelEntry& VfoSheetEditor::Entry(VfoPage page) {
    ShowPage(page);
    return State(page).record.Entry;
}

bool VfoSheetEditor::Enabled(VfoPage page, VfoRow row) const {
    if (VfoRowHidden(page, row)) return false;
    return (EnabledRows(page, State(page).record.Entry) & Bit(row)) != 0;
}

SettingRow VfoSheetEditor::Row(VfoPage page, VfoRow row) {
    const ChannelEntry& e = Entry(page);
    SettingRow r;
    r.controlId = VfoControlId(page, row);
    r.label = VfoRowLabel(row);
    r.visible = !VfoRowHidden(page, row);
    r.enabled = Enabled(page, row);
    if (IsVfoEdit(row)) {
        r.kind = RowKind::Number;
        r.text = EditText(page, row, e);
        r.filterKind = row == Tone ? 0 : 1;  // digits, "." and blank
        r.maxLength = row == Tone ? 0 : row == ShiftFrequency ? 7 : 9;
        return r;
    }
    if (row == Mode) {
        HomeModeItems(r, e, document_.Content().Settings);
    } else if (row == RptShift && page == VfoPage::Air) {
        AirShiftItems(r, e);
    } else if (row == RptShift && page == VfoPage::Home) {
        HomeShiftItems(r, e);
    } else {
        const auto items = VfoFixedItems(page, row);
        for (std::uint32_t value = 0; value < items.size(); ++value) r.items.push_back({std::string(items[value]), value});
        const auto value = ListValue(page, row, e);
        if (value && *value < items.size()) r.selected = *value;
    }
    r.hasValue = row != Range;
    return r;
}

std::vector<SettingRow> VfoSheetEditor::Rows(VfoPage page) {
    std::vector<SettingRow> rows;
    for (std::size_t row = 0; row < kVfoRowCount; ++row) {
        if (VfoControlId(page, static_cast<VfoRow>(row)) != 0) rows.push_back(Row(page, static_cast<VfoRow>(row)));
    }
    return rows;
}

EditStatus VfoSheetEditor::Changeable(const std::optional<VfoControl>& control) {
    if (!control) return EditStatus::NoSuchRow;
    if (!InSheet(control->page) || VfoRowHidden(control->page, control->row)) return EditStatus::Hidden;
    ShowPage(control->page);
    if (!Enabled(control->page, control->row)) return EditStatus::Disabled;
    return EditStatus::Changed;
}

EditStatus VfoSheetEditor::Choose(int controlId, std::uint32_t value) {
    const auto control = FindVfoControl(controlId);
    if (const EditStatus status = Changeable(control); status != EditStatus::Changed) return status;
    if (IsVfoEdit(control->row)) return EditStatus::NoSuchRow;
    const SettingRow row = Row(control->page, control->row);
    const auto item = std::find_if(row.items.begin(), row.items.end(), [&](const SettingItem& i) { return i.value == value; });
    if (item == row.items.end()) return EditStatus::NoSuchItem;
    if (row.selected && row.items[*row.selected].value == value) return EditStatus::Unchanged;
    PageState& state = State(control->page);
    ApplyChoice(control->row, state.record.Entry, value, document_.Content().Bands());
    state.changed = true;
    return EditStatus::Changed;
}

EditStatus VfoSheetEditor::EnterText(int controlId, std::string_view text) {
    const auto control = FindVfoControl(controlId);
    if (const EditStatus status = Changeable(control); status != EditStatus::Changed) return status;
    if (!IsVfoEdit(control->row)) return EditStatus::NoSuchRow;
    PageState& state = State(control->page);
    // Ending the typing marks the page changed whatever became of the value, as the page always did.
    state.changed = true;
    const bool taken = ApplyTyped(control->page, control->row, state.record.Entry, text, document_.Content().Bands());
    return taken ? EditStatus::Changed : EditStatus::Refused;
}

std::optional<std::string> VfoSheetEditor::TextAfterTyping(int controlId, std::string_view text) {
    const auto control = FindVfoControl(controlId);
    if (!control || !IsVfoEdit(control->row)) return std::nullopt;
    ChannelEntry e = Entry(control->page);
    if (!ApplyTyped(control->page, control->row, e, text, document_.Content().Bands())) return std::nullopt;
    return EditText(control->page, control->row, e);
}

std::optional<TonePick> VfoSheetEditor::ToneToPick(int controlId) {
    const auto control = FindVfoControl(controlId);
    if (!control || control->row != Tone || Changeable(control) != EditStatus::Changed) return std::nullopt;
    const ChannelEntry& e = Entry(control->page);
    if (e.ToneType == kToneCtcss) return TonePick{kToneCtcss, e.CtcssIndex};
    if (e.ToneType == kToneDcs) return TonePick{kToneDcs, e.DcsIndex};
    return std::nullopt;
}

EditStatus VfoSheetEditor::PickTone(int controlId, std::uint32_t index) {
    const auto control = FindVfoControl(controlId);
    if (const EditStatus status = Changeable(control); status != EditStatus::Changed) return status;
    const auto pick = ToneToPick(controlId);
    if (!pick || index >= TonePickList(pick->toneType, pick->index).items.size()) return EditStatus::NoSuchItem;
    if (index == pick->index) return EditStatus::Unchanged;
    PageState& state = State(control->page);
    (pick->toneType == kToneCtcss ? state.record.Entry.CtcssIndex : state.record.Entry.DcsIndex) = index;
    // A picked tone is a change OK must report to the document, or it could be lost without a warning.
    state.changed = true;
    return EditStatus::Changed;
}

std::string VfoSheetEditor::WhyNotChangeable(int controlId) {
    const auto control = FindVfoControl(controlId);
    switch (Changeable(control)) {
        case EditStatus::NoSuchRow: return "no such setting";
        case EditStatus::Hidden:
            if (!InSheet(control->page)) {
                return "the VFO & HOME sheet shows this page only while the system setting Gray Expansion is Enable";
            }
            return "the VFO & HOME sheet does not show it on this page";
        case EditStatus::Disabled: return "the page does not let it be changed with the present band and settings";
        default: return {};
    }
}

void VfoSheetEditor::Ok() {
    bool changed = false;
    for (const VfoPage page : Pages()) {
        PageState& state = State(page);
        if (!state.shown) continue;
        state.record.Encode(document_.Image(), document_.Content().Bands());
        changed = changed || state.changed;
    }
    if (changed) document_.SetModified(true);
}

}  // namespace tarn
