#pragma once
// CLockEdit: a value field that shows its value read-only (locked) until Enter or a double click
// unlocks it for typing; Enter, a double click or leaving the field locks it again and marks the
// value as typed, so the owner applies it.
#include "channels/ColorEdit.h"

namespace tarn::gui {

class CLockEdit : public CColorEdit {
    Q_OBJECT
public:
    explicit CLockEdit(QWidget* parent = nullptr);

    // The longest value the field takes while typing; 0 sets no limit.
    void SetMaxLength(int length) { maxLength_ = length; }
    bool Locked() const { return locked_; }
    // Whether a typed value is waiting to be applied; the owner clears it once applied.
    bool Typed() const { return typed_; }
    void ClearTyped() { typed_ = false; }

signals:
    // Typing ended with a value for the owner to apply (Enter, a double click or leaving the field).
    void ValueTyped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Locked -> typing: the value is cut to the longest length and selected.
    void Unlock();
    // Typing -> locked: `typed` says whether the owner is to apply the value.
    void Lock(bool typed);
    // The Enter and double-click rule: unlocks a locked field, locks a field being typed into.
    void ToggleLock();

private:
    bool locked_ = true;
    bool typed_ = false;
    int maxLength_ = 0;
};

}  // namespace tarn::gui
