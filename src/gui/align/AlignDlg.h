#pragma once
// CAlignDlg: the Alignment dialog over the core's AlignModel — the test channel list and its line, 24
// value boxes each written to the radio as it is applied, and 24 ADJ buttons for captures and live tests.
// Every way out (OK, Escape, the close box) takes the OK path: the running test is stopped, the values
// go into the image and the radio leaves alignment mode. While the radio may still be transmitting the
// dialog stays open.
#include <array>

#include "align/AlignModel.h"
#include "model/Document.h"
#include "settings/PromptDialog.h"
#include "ui/Prompter.h"

class QLabel;
class QPushButton;

namespace tarn::gui {

class CEnterComboBox;
class CUndoLockEdit;

class CAlignDlg : public CPromptDialog {
    Q_OBJECT
public:
    CAlignDlg(Document& document, AlignModel& model, Prompter& messages, QWidget* parent = nullptr);

    // The dialog's opening: values loaded, the first test channel selected and the squelch levels sent,
    // each failure told.
    void Open();

    CEnterComboBox* ChannelList() const { return channels_; }
    CUndoLockEdit* ValueBox(int item) const { return boxes_[static_cast<std::size_t>(item)]; }
    QPushButton* AdjButton(int item) const { return buttons_[static_cast<std::size_t>(item)]; }
    QPushButton* OkButton() const { return ok_; }
    QLabel* BusyText() const { return busy_; }
    QLabel* LineText(int column) const { return line_[static_cast<std::size_t>(column)]; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildItems(QWidget* receive, QWidget* am, QWidget* fm);
    void OnChannelChosen(int index);
    void OnValueTyped(int item);
    void OnAdj(int item);
    void Finish();
    void ShowBusy(int textId);
    void HideBusy();
    void ShowValues();
    void ShowChannelLine();
    void ApplyBandEnabling();
    // Idle: every control enabled, then the band rules; testing: only the running item's STOP.
    void ShowTestState();

    Document& document_;
    AlignModel& model_;
    Prompter& messages_;
    CEnterComboBox* channels_;
    std::array<QLabel*, 6> line_{};
    std::array<CUndoLockEdit*, kAlignItemCount> boxes_{};
    std::array<QPushButton*, kAlignItemCount> buttons_{};
    QPushButton* ok_;
    QLabel* busy_;
};

}  // namespace tarn::gui
