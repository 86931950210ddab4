#pragma once
// The rows of a settings editor drawn as a form: aligned labels, a drop-down list or a number edit for
// each row, the colour edits side by side under their column heads. It shows the rows the core hands it and
// reports what the user chose or typed; the rules stay with the core.
#include <QWidget>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "settings/SettingRow.h"

class QFormLayout;
class QLabel;

namespace tarn::gui {

class CEnterComboBox;
class CUndoLockEdit;

class SettingsForm : public QWidget {
    Q_OBJECT
public:
    // Builds a control for each of `rows` (their kinds, labels and items; values come with Show).
    explicit SettingsForm(const std::vector<SettingRow>& rows, QWidget* parent = nullptr);

    // Shows the rows' items, selections, texts, enabling and visibility.
    void Show(const std::vector<SettingRow>& rows);

    CEnterComboBox* List(int controlId) const;
    CUndoLockEdit* Edit(int controlId) const;
    QLabel* Beside(int controlId) const;
    QWidget* LabelFor(int controlId) const;

signals:
    // The user chose the item whose value is `value` in list `controlId`.
    void Chosen(int controlId, std::uint32_t value);
    // The user ended typing `text` into number edit `controlId`.
    void NumberTyped(int controlId, const QString& text);

private:
    void AddList(const SettingRow& row);
    void AddNumber(const SettingRow& row);
    void AddColorRow(std::span<const SettingRow> rows);
    CUndoLockEdit* MakeEdit(const SettingRow& row);
    void ShowList(const SettingRow& row);
    void ShowNumber(const SettingRow& row);

    QFormLayout* form_;
    std::map<int, CEnterComboBox*> lists_;
    std::map<int, CUndoLockEdit*> edits_;
    std::map<int, QLabel*> besides_;
    std::map<int, QWidget*> fields_;  // what each row's label stands beside in the form
    QWidget* colourHeads_ = nullptr;
};

}  // namespace tarn::gui
