#pragma once
// CUndoLockEdit: a lock edit whose first valid keystroke starts a new value, whose typed characters
// pass its filter kind, and whose Escape puts back the value it had before typing began.
#include "channels/LockEdit.h"

namespace tarn::gui {

class CUndoLockEdit : public CLockEdit {
    Q_OBJECT
public:
    explicit CUndoLockEdit(QWidget* parent = nullptr);

    void SetFilterKind(int kind) { filterKind_ = kind; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString rememberedText_;
    int filterKind_ = 0;
};

}  // namespace tarn::gui
