#pragma once
// CEnterComboBox: a drop-down list that opens on Enter instead of letting Enter close the dialog.
#include <QComboBox>

namespace tarn::gui {

class CEnterComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CEnterComboBox(QWidget* parent = nullptr) : QComboBox(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tarn::gui
