#include "settings/SystemParamsEditor.h"

#include <span>

#include "channels/ChannelFieldChanges.h"
#include "model/FrequencyRules.h"
#include "model/VfoRecord.h"

namespace tarn {
namespace {

using S = SystemSettings;
using Texts = std::span<const std::string_view>;

constexpr std::string_view kOffOn[] = {"Off", "On"};
constexpr std::string_view kDisableEnable[] = {"Disable", "Enable"};
constexpr std::string_view kHomeEmergencyMode[] = {"Off", "HOME", "Emergency"};
constexpr std::string_view kDisplayMode[] = {"Frequency", "TAG"};
// The run-time lists: every item that can exist, with its value; some exist only in some states.
constexpr std::string_view kVfoBand[] = {"Air", "Exp", "FM Radio"};
constexpr std::string_view kCurrentMode[] = {"VFO    ", "MR     ", "Book MR", "WX     ", "BRS    "};

struct SystemListControl {
    std::string_view label;
    Texts items;  // item i stands for value i
    std::uint32_t S::*field;
};

// The thirteen lists in control order, from kSysFirstList on.
constexpr SystemListControl kLists[kSysListCount] = {
    {"VFO Band", kVfoBand, &S::VfoBand},
    {"Current Mode", kCurrentMode, &S::CurrentMode},
    {"HOME/Emergency Mode", kHomeEmergencyMode, &S::HomeEmergencyMode},
    {"Display Mode", kDisplayMode, &S::DisplayMode},
    {"ANL Status", kOffOn, &S::AnlStatus},
    {"Dual Watch", kOffOn, &S::DualWatch},
    {"Weather Band", kDisableEnable, &S::WeatherBand},
    {"VHF Expansion", kDisableEnable, &S::VhfExpansion},
    {"Gray Expansion", kDisableEnable, &S::GrayExpansion},
    {"Exp Band Tx", kOffOn, &S::ExpBandTx},
    {"Gray Band Tx", kDisableEnable, &S::GrayBandTx},
    {"BRS Mode", kOffOn, &S::BrsMode},
    {"BRS Mode TX", kOffOn, &S::BrsModeTx},
};
// Outside maintenance mode only the rows before this one are shown.
constexpr int kFirstMaintenanceRow = kSysWeatherBand;

const SystemListControl* FindList(int controlId) {
    const int index = controlId - kSysFirstList;
    return index >= 0 && index < kSysListCount ? &kLists[index] : nullptr;
}

// Whether the item of `value` exists in list `controlId` in the state `s`.
bool ItemExists(int controlId, std::uint32_t value, const SystemSettings& s) {
    if (controlId == kSysVfoBand && value == 1) return s.GrayExpansion != 0;
    if (controlId == kSysCurrentMode && value == kCurrentModeWx) return s.WeatherBand != 0;
    if (controlId == kSysCurrentMode && value == kCurrentModeBrs) return s.BrsMode != 0;
    return value < FindList(controlId)->items.size();
}

bool DualWatchLocked(const SystemSettings& s) { return s.CurrentMode == kCurrentModeWx || s.HomeEmergencyMode != 0; }

// Re-checks a channel or record after a band was switched off: its receive frequency is classified again.
// `takeBand` stores the band found, as the memory channels do; the VFO and HOME records keep their Band.
void Recheck(ChannelEntry& entry, const BandContext& bands, bool takeBand) {
    const std::int32_t before = entry.RxFrequency;
    ReclassifyReceiveFrequency(entry, bands, takeBand);
    if (entry.Band != entry.Mode) {
        entry.Mode = entry.Band;
        entry.RxFrequency = before;
        ApplyBandDefaults(entry, bands);
    }
}

}  // namespace

SystemParamsEditor::SystemParamsEditor(Document& document, bool maintenanceMode)
    : document_(document),
      maintenance_(maintenanceMode),
      before_(document.Settings()),
      modifiedBefore_(document.Modified()) {
    document_.Settings().Decode(document_.Image());
    ApplyDualWatchRule();
}

void SystemParamsEditor::ApplyDualWatchRule() {
    SystemSettings& s = document_.Settings();
    if (DualWatchLocked(s)) s.DualWatch = 0;
}

bool SystemParamsEditor::Visible(int controlId) const { return maintenance_ || controlId < kFirstMaintenanceRow; }

bool SystemParamsEditor::Enabled(int controlId) const {
    const SystemSettings& s = document_.Content().Settings;
    switch (controlId) {
        case kSysDualWatch: return !DualWatchLocked(s);
        case kSysWeatherBand:
        case kSysVhfExpansion:
        case kSysExpBandTx:
        case kSysBrsMode: return false;
        case kSysGrayExpansion: return maintenance_ && s.VhfExpansion != 0;
        case kSysGrayBandTx: return maintenance_ && s.ExpBandTx != 0 && s.GrayExpansion != 0;
        case kSysBrsModeTx: return maintenance_ && s.BrsMode != 0;
        default: return true;
    }
}

SettingRow SystemParamsEditor::Row(int controlId) const {
    SettingRow row;
    const SystemListControl* list = FindList(controlId);
    if (!list) return row;
    const SystemSettings& s = document_.Content().Settings;
    row.controlId = controlId;
    row.label = list->label;
    for (std::uint32_t value = 0; value < list->items.size(); ++value) {
        if (!ItemExists(controlId, value, s)) continue;
        if (s.*list->field == value) row.selected = row.items.size();
        row.items.push_back({std::string(list->items[value]), value});
    }
    row.visible = Visible(controlId);
    row.enabled = Enabled(controlId);
    return row;
}

std::vector<SettingRow> SystemParamsEditor::Rows() const {
    std::vector<SettingRow> rows;
    for (int id = kSysFirstList; id < kSysFirstList + kSysListCount; ++id) rows.push_back(Row(id));
    return rows;
}

EditStatus SystemParamsEditor::Choose(int controlId, std::uint32_t value) {
    const SystemListControl* list = FindList(controlId);
    if (!list) return EditStatus::NoSuchRow;
    if (!Visible(controlId)) return EditStatus::Hidden;
    if (!Enabled(controlId)) return EditStatus::Disabled;
    SystemSettings& s = document_.Settings();
    if (!ItemExists(controlId, value, s)) return EditStatus::NoSuchItem;
    if (s.*list->field == value) return EditStatus::Unchanged;
    s.*list->field = value;
    document_.SetModified(true);
    if (controlId == kSysGrayExpansion) {
        expansionChanged_ = true;
        if (value == 0) {
            s.GrayBandTx = 0;
            if (s.VfoBand == 1) s.VfoBand = 0;
        }
    }
    ApplyDualWatchRule();
    return EditStatus::Changed;
}

std::string SystemParamsEditor::WhyNotChangeable(int controlId) const {
    if (!FindList(controlId)) return "no such setting";
    if (!Visible(controlId)) return "it is shown only in maintenance mode";
    if (Enabled(controlId)) return {};
    switch (controlId) {
        case kSysDualWatch: return "it stays Off while Current Mode is WX or HOME/Emergency Mode is not Off";
        case kSysGrayExpansion: return "it can be changed only while VHF Expansion is Enable";
        case kSysGrayBandTx: return "it can be changed only while Exp Band Tx is On and Gray Expansion is Enable";
        case kSysBrsModeTx: return "it can be changed only while BRS Mode is On";
        default: return "it is the radio's hardware configuration, which is only shown";
    }
}

void SystemParamsEditor::Ok() {
    DocumentContent& content = document_.Content();
    const SystemSettings& s = content.Settings;
    content.Settings.Encode(content.Image);
    const BandContext bands = content.Bands();
    const auto recheckMemories = [&](auto&& needed) {
        for (std::size_t slot = kMrFirstSlot; slot < kWxFirstSlot; ++slot) {
            ChannelEntry& entry = content.Channels.Entries[slot];
            if (needed(entry)) Recheck(entry, bands, true);
        }
    };
    if (expansionChanged_ && s.GrayExpansion == 0) {
        recheckMemories([](const ChannelEntry&) { return true; });
        for (const VfoPage page : {VfoPage::VhfExpansion, VfoPage::Home}) {
            VfoRecord record(page);
            record.Decode(content.Image, bands);
            Recheck(record.Entry, bands, false);
            record.Encode(content.Image, bands);
        }
    }
    if (s.WeatherBand == 0) recheckMemories([](const ChannelEntry& e) { return e.Band == kBandWx; });
    if (s.BrsMode == 0) recheckMemories([](const ChannelEntry& e) { return e.Band == kBandBrs; });
}

void SystemParamsEditor::Cancel() {
    document_.Settings() = before_;
    document_.SetModified(modifiedBefore_);
}

}  // namespace tarn
