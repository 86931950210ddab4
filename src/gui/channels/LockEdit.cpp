#include "channels/LockEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tarn::gui {

CLockEdit::CLockEdit(QWidget* parent) : CColorEdit(parent) { setReadOnly(true); }

void CLockEdit::Unlock() {
    if (maxLength_ > 0) {
        setMaxLength(maxLength_);
        setText(text().left(maxLength_));
    }
    selectAll();
    locked_ = false;
    typed_ = false;
    SetEditable(true);
}

void CLockEdit::Lock(bool typed) {
    locked_ = true;
    typed_ = typed;
    SetEditable(false);
    if (typed) emit ValueTyped();
}

void CLockEdit::ToggleLock() {
    if (!locked_) {
        selectAll();
        Lock(true);
    } else {
        Unlock();
    }
}

void CLockEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) ToggleLock();
    CColorEdit::keyPressEvent(event);
}

void CLockEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    CColorEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) ToggleLock();
}

void CLockEdit::focusOutEvent(QFocusEvent* event) {
    // The field's own context menu takes the focus only for a moment: typing goes on after it.
    if (event->reason() == Qt::PopupFocusReason) {
        CColorEdit::focusOutEvent(event);
        return;
    }
    if (!locked_) Lock(true);
    deselect();
    CColorEdit::focusOutEvent(event);
}

}  // namespace tarn::gui
