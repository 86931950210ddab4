#include "settings/CommonSheetEditor.h"

#include <algorithm>

namespace tarn {
namespace {

constexpr int kFirstWxLedEdit = 4866;
constexpr int kLastWxLedEdit = 4868;

std::size_t Index(CommonPage page) { return static_cast<std::size_t>(page); }

const CommonListControl* FindList(int controlId) {
    const auto lists = CommonListControls();
    const auto it = std::find_if(lists.begin(), lists.end(), [&](const auto& c) { return c.controlId == controlId; });
    return it == lists.end() ? nullptr : &*it;
}

const CommonNumberControl* FindNumber(int controlId) {
    const auto edits = CommonNumberControls();
    const auto it = std::find_if(edits.begin(), edits.end(), [&](const auto& c) { return c.controlId == controlId; });
    return it == edits.end() ? nullptr : &*it;
}

bool WxLedEdit(int controlId) { return controlId >= kFirstWxLedEdit && controlId <= kLastWxLedEdit; }

}  // namespace

CommonSheetEditor::CommonSheetEditor(Document& document) : document_(document) {}

void CommonSheetEditor::ShowPage(CommonPage page) {
    if (shown_[Index(page)]) return;
    records_.Decode(page, document_.Image());
    shown_[Index(page)] = true;
}

bool CommonSheetEditor::PageShown(CommonPage page) const { return shown_[Index(page)]; }
bool CommonSheetEditor::PageChanged(CommonPage page) const { return changed_[Index(page)]; }

std::optional<CommonPage> CommonSheetEditor::PageOf(int controlId) const {
    if (const CommonListControl* list = FindList(controlId)) return list->page;
    if (FindNumber(controlId)) return CommonPage::MiscSetup;
    return std::nullopt;
}

bool CommonSheetEditor::Visible(int controlId) const {
    const CommonListControl* list = FindList(controlId);
    if (list && list->hidden) return false;
    return controlId != kComBclo || document_.Content().Settings.BrsModeTx != 0;
}

bool CommonSheetEditor::Enabled(int controlId) const {
    if (!Visible(controlId)) return false;
    const bool weatherBand = document_.Content().Settings.WeatherBand != 0;
    return weatherBand || (controlId != kComWeatherAlertFunction && !WxLedEdit(controlId));
}

std::vector<SettingRow> CommonSheetEditor::Rows(CommonPage page) {
    ShowPage(page);
    std::vector<SettingRow> rows;
    for (const CommonListControl& list : CommonListControls()) {
        if (list.page != page) continue;
        SettingRow row;
        row.controlId = list.controlId;
        row.label = list.label;
        for (std::uint32_t value = 0; value < list.items.size(); ++value) {
            row.items.push_back({std::string(list.items[value]), value});
        }
        row.hasValue = list.value != nullptr;
        if (row.hasValue) {
            const std::uint32_t value = *list.value(records_);
            if (value < row.items.size()) row.selected = value;
        }
        row.visible = Visible(list.controlId);
        row.enabled = Enabled(list.controlId);
        rows.push_back(std::move(row));
    }
    if (page != CommonPage::MiscSetup) return rows;
    for (const CommonNumberControl& edit : CommonNumberControls()) {
        SettingRow row;
        row.controlId = edit.controlId;
        row.kind = RowKind::Number;
        row.label = edit.label;
        row.caption = edit.caption;
        row.column = edit.column;
        row.filterKind = NumberFilterKind(edit.rule);
        row.maxLength = NumberMaxLength(edit.rule);
        const MiscSetupSettings& misc = records_.MiscSetup;
        row.text = edit.field ? std::to_string(misc.*edit.field) : TemperatureOffsetText(misc.TemperatureOffset);
        if (edit.controlId == kComTempCheckData) row.besideText = FahrenheitText(misc.TempCheckData);
        row.enabled = Enabled(edit.controlId);
        rows.push_back(std::move(row));
    }
    return rows;
}

EditStatus CommonSheetEditor::Choose(int controlId, std::uint32_t value) {
    const CommonListControl* list = FindList(controlId);
    if (!list) return EditStatus::NoSuchRow;
    ShowPage(list->page);
    if (!Visible(controlId)) return EditStatus::Hidden;
    if (!Enabled(controlId)) return EditStatus::Disabled;
    if (!list->value || value >= list->items.size()) return EditStatus::NoSuchItem;
    std::uint32_t& stored = *list->value(records_);
    if (stored == value) return EditStatus::Unchanged;
    stored = value;
    changed_[Index(list->page)] = true;
    return EditStatus::Changed;
}

EditStatus CommonSheetEditor::EnterNumber(int controlId, std::string_view text) {
    const CommonNumberControl* edit = FindNumber(controlId);
    if (!edit) return EditStatus::NoSuchRow;
    ShowPage(CommonPage::MiscSetup);
    if (!Enabled(controlId)) return EditStatus::Disabled;
    MiscSetupSettings& misc = records_.MiscSetup;
    if (edit->rule == NumberRule::TemperatureOffset) {
        misc.TemperatureOffset = TemperatureOffsetFromText(text);
    } else {
        misc.*edit->field = edit->rule == NumberRule::TempCheckData ? TempCheckDataFromText(text) : LedColorFromText(text);
    }
    // Ending the typing marks the page changed whatever the value, as the page always did.
    changed_[Index(CommonPage::MiscSetup)] = true;
    return EditStatus::Changed;
}

std::string CommonSheetEditor::WhyNotChangeable(int controlId) const {
    const CommonListControl* list = FindList(controlId);
    if (!list && !FindNumber(controlId)) return "no such setting";
    if (list && list->hidden) return "the Common sheet does not show it";
    if (!Visible(controlId)) return "it is not shown while the system setting BRS Mode TX is Off";
    if (!Enabled(controlId)) return "it cannot be changed while the system setting Weather Band is Disable";
    return {};
}

void CommonSheetEditor::Ok() {
    bool changed = false;
    for (const CommonPage page : kCommonPages) {
        if (!shown_[Index(page)]) continue;
        records_.Encode(page, document_.Image());
        changed = changed || changed_[Index(page)];
    }
    if (changed) document_.SetModified(true);
}

}  // namespace tarn
