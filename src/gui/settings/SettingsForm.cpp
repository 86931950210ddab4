#include "settings/SettingsForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

#include "channels/UndoLockEdit.h"
#include "settings/ControlId.h"
#include "settings/EnterComboBox.h"
#include "settings/Latin1.h"

namespace tarn::gui {
namespace {

// A number edit is as wide as its longest value, at least six digits ("-12.7" with room to spare).
int NumberWidth(const QWidget* edit, std::size_t maxLength = 0) {
    const auto digits = static_cast<qsizetype>(std::max<std::size_t>(maxLength, 6));
    return edit->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))) + 16;
}

// A label's text shown as written: an "&" in it ("CTCSS/DCS Enc&Dec") is not a mnemonic marker.
QString LabelText(const std::string& label) {
    return Latin1(label).replace(QLatin1Char('&'), QStringLiteral("&&")) + QLatin1Char(':');
}

QHBoxLayout* TightRow(QWidget* field) {
    auto* row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 0, 0);
    return row;
}

}  // namespace

SettingsForm::SettingsForm(const std::vector<SettingRow>& rows, QWidget* parent)
    : QWidget(parent), form_(new QFormLayout(this)) {
    form_->setContentsMargins(0, 0, 0, 0);
    form_->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (std::size_t i = 0; i < rows.size();) {
        const SettingRow& row = rows[i];
        if (row.kind == RowKind::List) {
            AddList(row);
            ++i;
        } else if (row.column.empty()) {
            AddNumber(row);
            ++i;
        } else {
            // A colour row: the edits of one caption side by side, one per column.
            std::size_t end = i + 1;
            while (end < rows.size() && !rows[end].column.empty() && rows[end].caption == row.caption) ++end;
            AddColorRow(std::span(rows).subspan(i, end - i));
            i = end;
        }
    }
}

void SettingsForm::AddList(const SettingRow& row) {
    auto* list = new CEnterComboBox(this);
    SetControlId(list, row.controlId);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(list, &QComboBox::activated, this,
            [this, list, id = row.controlId](int index) { emit Chosen(id, list->itemData(index).toUInt()); });
    auto* label = new QLabel(LabelText(row.label), this);
    label->setBuddy(list);
    form_->addRow(label, list);
    lists_[row.controlId] = list;
    fields_[row.controlId] = list;
}

CUndoLockEdit* SettingsForm::MakeEdit(const SettingRow& row) {
    auto* edit = new CUndoLockEdit(this);
    SetControlId(edit, row.controlId);
    edit->SetFilterKind(row.filterKind);
    edit->SetMaxLength(static_cast<int>(row.maxLength));
    edit->setFixedWidth(NumberWidth(edit, row.maxLength));
    edit->setAlignment(Qt::AlignRight);
    connect(edit, &CLockEdit::ValueTyped, this, [this, edit, id = row.controlId] {
        edit->ClearTyped();
        emit NumberTyped(id, edit->text());
    });
    edits_[row.controlId] = edit;
    return edit;
}

void SettingsForm::AddNumber(const SettingRow& row) {
    auto* field = new QWidget(this);
    QHBoxLayout* line = TightRow(field);
    CUndoLockEdit* edit = MakeEdit(row);
    line->addWidget(edit);
    if (!row.besideText.empty()) {
        auto* beside = new QLabel(Latin1(row.besideText), field);
        line->addWidget(beside);
        besides_[row.controlId] = beside;
    }
    line->addStretch();
    auto* label = new QLabel(LabelText(row.label), this);
    label->setBuddy(edit);
    form_->addRow(label, field);
    fields_[row.controlId] = field;
}

void SettingsForm::AddColorRow(std::span<const SettingRow> rows) {
    if (!colourHeads_) {
        // The column heads once, above the first colour row, each centred over its column of edits.
        colourHeads_ = new QWidget(this);
        QHBoxLayout* line = TightRow(colourHeads_);
        for (const SettingRow& row : rows) {
            auto* head = new QLabel(Latin1(row.column), colourHeads_);
            head->setAlignment(Qt::AlignCenter);
            head->setFixedWidth(NumberWidth(head));
            line->addWidget(head);
        }
        line->addStretch();
        form_->addRow(QString(), colourHeads_);
    }
    auto* field = new QWidget(this);
    QHBoxLayout* line = TightRow(field);
    for (const SettingRow& row : rows) {
        CUndoLockEdit* edit = MakeEdit(row);
        edit->setParent(field);
        line->addWidget(edit);
        fields_[row.controlId] = field;
    }
    line->addStretch();
    auto* label = new QLabel(Latin1(rows.front().caption) + QLatin1Char(':'), this);
    label->setBuddy(edits_[rows.front().controlId]);
    form_->addRow(label, field);
}

void SettingsForm::Show(const std::vector<SettingRow>& rows) {
    for (const SettingRow& row : rows) {
        if (row.kind == RowKind::List) {
            ShowList(row);
        } else {
            ShowNumber(row);
        }
    }
    // Every list as wide as the widest one's items, so the lists line up as one column.
    int widest = 0;
    for (const auto& [id, list] : lists_) {
        list->setMinimumWidth(0);
        widest = std::max(widest, list->sizeHint().width());
    }
    for (const auto& [id, list] : lists_) list->setMinimumWidth(widest);
}

void SettingsForm::ShowList(const SettingRow& row) {
    CEnterComboBox* list = List(row.controlId);
    if (!list) return;
    bool sameItems = list->count() == static_cast<int>(row.items.size());
    for (int i = 0; sameItems && i < list->count(); ++i) {
        sameItems = list->itemText(i) == Latin1(row.items[i].text) && list->itemData(i).toUInt() == row.items[i].value;
    }
    if (!sameItems) {
        list->clear();
        for (const SettingItem& item : row.items) list->addItem(Latin1(item.text), item.value);
    }
    list->setCurrentIndex(row.selected ? static_cast<int>(*row.selected) : -1);
    list->setEnabled(row.enabled);
    form_->setRowVisible(list, row.visible);
}

void SettingsForm::ShowNumber(const SettingRow& row) {
    CUndoLockEdit* edit = Edit(row.controlId);
    if (!edit) return;
    // A value being typed stays until typing ends.
    if (edit->Locked()) edit->setText(Latin1(row.text));
    if (edit->isEnabled() != row.enabled) edit->SetEnabledLook(row.enabled);
    edit->setVisible(row.visible);
    if (QLabel* beside = Beside(row.controlId)) beside->setText(Latin1(row.besideText));
}

CEnterComboBox* SettingsForm::List(int controlId) const {
    const auto it = lists_.find(controlId);
    return it == lists_.end() ? nullptr : it->second;
}

CUndoLockEdit* SettingsForm::Edit(int controlId) const {
    const auto it = edits_.find(controlId);
    return it == edits_.end() ? nullptr : it->second;
}

QLabel* SettingsForm::Beside(int controlId) const {
    const auto it = besides_.find(controlId);
    return it == besides_.end() ? nullptr : it->second;
}

QWidget* SettingsForm::LabelFor(int controlId) const {
    const auto it = fields_.find(controlId);
    return it == fields_.end() ? nullptr : form_->labelForField(it->second);
}

}  // namespace tarn::gui
