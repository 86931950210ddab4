#include "settings/SettingsScript.h"

#include <algorithm>

#include "channels/PickLists.h"
#include "model/FrequencyConversion.h"
#include "model/Unpadded.h"
#include "settings/SettingName.h"

namespace tarn {
namespace {

constexpr std::string_view kSystemSection = "system.";
constexpr std::string_view kCommonSection = "common.";

std::string ItemList(const SettingRow& row) {
    std::string list;
    for (const SettingItem& item : row.items) list += (list.empty() ? "" : ", ") + std::string(Unpadded(item.text));
    return list;
}

std::string VfoSection(VfoPage page) { return SettingName(VfoPageCaption(page)) + "."; }

// A frequency as its edit takes it: digits and at most one ".".
bool IsFrequencyText(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789.") == std::string_view::npos &&
           text.find('.') == text.rfind('.');
}

NumberRule RuleOf(int controlId) {
    const auto edits = CommonNumberControls();
    return std::find_if(edits.begin(), edits.end(), [&](const auto& e) { return e.controlId == controlId; })->rule;
}

}  // namespace

SettingsScript::SettingsScript(Document& document, bool maintenanceMode)
    : system_(document, maintenanceMode), common_(document), vfo_(document) {
    for (const CommonPage page : kCommonPages) common_.ShowPage(page);
}

std::vector<std::pair<std::string, SettingRow>> SettingsScript::NamedRows() {
    std::vector<std::pair<std::string, SettingRow>> rows;
    for (SettingRow& row : system_.Rows()) rows.emplace_back(std::string(kSystemSection) + SettingName(row.label), row);
    for (const CommonPage page : kCommonPages) {
        for (SettingRow& row : common_.Rows(page)) {
            if (row.hasValue) rows.emplace_back(std::string(kCommonSection) + SettingName(row.label), row);
        }
    }
    for (const VfoPage page : kVfoSheetPages) {
        for (SettingRow& row : vfo_.Rows(page)) {
            if (row.hasValue) rows.emplace_back(VfoSection(page) + SettingName(row.label), row);
        }
    }
    return rows;
}

std::vector<std::string> SettingsScript::Lines() {
    std::vector<std::string> lines;
    for (const auto& [name, row] : NamedRows()) lines.push_back(name + "=" + std::string(Unpadded(row.ShownText())));
    return lines;
}

std::vector<std::pair<std::string, std::string>> SettingsScript::LabelledValues() {
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& [name, row] : NamedRows()) {
        std::string label = row.label;
        if (!row.caption.empty()) {
            label = row.caption + " " + row.column;
            std::erase(label, '&');
        }
        values.emplace_back(label, Unpadded(row.ShownText()));
    }
    return values;
}

bool SettingsScript::Apply(std::string_view assignment, std::string& why) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos) {
        why = std::string(assignment) + ": not of the form section.name=value";
        return false;
    }
    const std::string name(assignment.substr(0, equals));
    const std::string value(assignment.substr(equals + 1));
    const auto rows = NamedRows();
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.first == name; });
    if (found == rows.end()) {
        why = name + ": no such setting";
        return false;
    }
    const SettingRow& row = found->second;
    // What the dialog shows already needs no change, whatever state the row is in.
    if (value == Unpadded(row.ShownText())) return true;

    const bool vfo = FindVfoControl(row.controlId).has_value();
    if (vfo && row.kind == RowKind::Number) return ApplyVfoText(name, row, value, why);
    EditStatus status = EditStatus::NoSuchItem;
    if (row.kind == RowKind::Number) {
        if (NumberText(RuleOf(row.controlId), value) != value) {
            why = name + ": '" + value + "' is not a value its edit shows (it would show " +
                  NumberText(RuleOf(row.controlId), value) + ")";
            return false;
        }
        status = common_.EnterNumber(row.controlId, value);
    } else {
        const auto item = std::find_if(row.items.begin(), row.items.end(),
                                       [&](const SettingItem& i) { return Unpadded(i.text) == value; });
        if (item == row.items.end() && row.enabled) {
            why = name + ": '" + value + "' is not one of: " + ItemList(row);
            return false;
        }
        const std::uint32_t chosen = item == row.items.end() ? 0 : item->value;
        status = vfo                                ? vfo_.Choose(row.controlId, chosen)
                 : name.starts_with(kSystemSection) ? system_.Choose(row.controlId, chosen)
                                                    : common_.Choose(row.controlId, chosen);
    }
    if (status == EditStatus::Changed || status == EditStatus::Unchanged) return true;
    why = name + ": cannot be changed: " +
          (vfo                                ? vfo_.WhyNotChangeable(row.controlId)
           : name.starts_with(kSystemSection) ? system_.WhyNotChangeable(row.controlId)
                                              : common_.WhyNotChangeable(row.controlId));
    return false;
}

bool SettingsScript::ApplyVfoText(const std::string& name, const SettingRow& row, const std::string& value,
                                  std::string& why) {
    if (const std::string whyNot = vfo_.WhyNotChangeable(row.controlId); !whyNot.empty()) {
        why = name + ": cannot be changed: " + whyNot;
        return false;
    }
    if (const auto pick = vfo_.ToneToPick(row.controlId)) {
        const PickList list = TonePickList(pick->toneType, pick->index);
        const auto item = std::find_if(list.items.begin(), list.items.end(),
                                       [&](std::string_view i) { return Unpadded(i) == value; });
        if (item == list.items.end()) {
            why = name + ": '" + value + "' is not one of the " + std::string(list.caption) + " list";
            return false;
        }
        vfo_.PickTone(row.controlId, static_cast<std::uint32_t>(item - list.items.begin()));
        return true;
    }
    const auto shown = vfo_.TextAfterTyping(row.controlId, value);
    if (!IsFrequencyText(value) || !shown) {
        why = name + ": '" + value + "' is not a frequency this page takes";
        return false;
    }
    if (TypedFrequencyHz(*shown) != TypedFrequencyHz(value)) {
        why = name + ": '" + value + "' is not a value its edit shows (it would show " + *shown + ")";
        return false;
    }
    vfo_.EnterText(row.controlId, value);
    return true;
}

void SettingsScript::Ok() {
    // The records first: the system settings' OK re-checks the HOME and VHF Expansion records it finds in the
    // image when a band was switched off.
    vfo_.Ok();
    common_.Ok();
    system_.Ok();
}

}  // namespace tarn
