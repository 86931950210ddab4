#include "settings/SettingsScript.h"

#include <algorithm>

#include "settings/SettingName.h"

namespace tarn {
namespace {

constexpr std::string_view kSystemSection = "system.";
constexpr std::string_view kCommonSection = "common.";

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string ItemList(const SettingRow& row) {
    std::string list;
    for (const SettingItem& item : row.items) list += (list.empty() ? "" : ", ") + Trimmed(item.text);
    return list;
}

NumberRule RuleOf(int controlId) {
    const auto edits = CommonNumberControls();
    return std::find_if(edits.begin(), edits.end(), [&](const auto& e) { return e.controlId == controlId; })->rule;
}

}  // namespace

SettingsScript::SettingsScript(Document& document, bool maintenanceMode)
    : system_(document, maintenanceMode), common_(document) {
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
    return rows;
}

std::vector<std::string> SettingsScript::Lines() {
    std::vector<std::string> lines;
    for (const auto& [name, row] : NamedRows()) lines.push_back(name + "=" + Trimmed(row.ShownText()));
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
        values.emplace_back(label, Trimmed(row.ShownText()));
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
    if (value == Trimmed(row.ShownText())) return true;

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
                                       [&](const SettingItem& i) { return Trimmed(i.text) == value; });
        if (item == row.items.end() && row.enabled) {
            why = name + ": '" + value + "' is not one of: " + ItemList(row);
            return false;
        }
        const std::uint32_t chosen = item == row.items.end() ? 0 : item->value;
        status = name.starts_with(kSystemSection) ? system_.Choose(row.controlId, chosen)
                                                   : common_.Choose(row.controlId, chosen);
    }
    if (status == EditStatus::Changed || status == EditStatus::Unchanged) return true;
    why = name + ": cannot be changed: " +
          (name.starts_with(kSystemSection) ? system_.WhyNotChangeable(row.controlId)
                                            : common_.WhyNotChangeable(row.controlId));
    return false;
}

void SettingsScript::Ok() {
    system_.Ok();
    common_.Ok();
}

}  // namespace tarn
