#pragma once
// The list dialogs of the grid: a multi-column list of values, OK and Cancel. A double click on an item
// chooses it at once. F1 asks for the help of the grid column the dialog was opened from.
#include <QDialog>

#include "channels/PickLists.h"

class QListWidget;

namespace tarn::gui {

class PickListDialog : public QDialog {
    Q_OBJECT
public:
    PickListDialog(const PickList& list, int column, QWidget* parent);
    // The row selected when OK was pressed; -1 when none.
    int SelectedRow() const;
    QListWidget* List() const { return list_; }

private:
    void FitListToItems();

    QListWidget* list_;
};

// CTonePickDlg: a CTCSS tone (tone type 1) or a DCS code (any other type).
class CTonePickDlg : public PickListDialog {
    Q_OBJECT
public:
    CTonePickDlg(std::uint32_t toneType, std::uint32_t index, int column, QWidget* parent = nullptr);
    // The index OK takes; nothing when nothing is selected (the channel keeps its tone).
    std::optional<std::uint32_t> Chosen() const { return ToneChosenOnOk(SelectedRow()); }
};

// CStepPickDlg: a channel step.
class CStepPickDlg : public PickListDialog {
    Q_OBJECT
public:
    CStepPickDlg(int column, std::uint32_t step, QWidget* parent = nullptr);
    std::uint32_t Chosen() const { return StepChosenOnOk(SelectedRow()); }
};

}  // namespace tarn::gui
