#pragma once
// "Visible": eleven check boxes choosing the optional grid columns.
#include <QDialog>
#include <array>

#include "app/ProgramSettings.h"

class QCheckBox;

namespace tarn::gui {

class VisibleDialog : public QDialog {
    Q_OBJECT
public:
    explicit VisibleDialog(const std::array<int, kItemCount>& itemVisible, QWidget* parent = nullptr);

    // The states of the boxes (1 ticked, 0 not).
    std::array<int, kItemCount> Result() const;
    QCheckBox* Box(int index) const { return boxes_[index]; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QCheckBox*, kItemCount> boxes_{};
};

}  // namespace tarn::gui
