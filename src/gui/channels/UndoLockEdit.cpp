#include "channels/UndoLockEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "channels/CharacterFilter.h"
#include "channels/TypedCharacter.h"

namespace tarn::gui {

CUndoLockEdit::CUndoLockEdit(QWidget* parent) : CLockEdit(parent) {}

void CUndoLockEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape && !Locked()) {
        setText(rememberedText_);
        selectAll();
        Lock(false);
        event->accept();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (Locked()) rememberedText_ = text();
        CLockEdit::keyPressEvent(event);
        return;
    }
    const auto typed = TypedCharacter(*event);
    if (!typed) {
        CLockEdit::keyPressEvent(event);
        return;
    }
    const int position = hasSelectedText() ? selectionStart() : cursorPosition();
    const auto passed = *typed == kBackspaceCode ? typed : UndoLockEditCharacter(filterKind_, *typed, position);
    if (!passed) {
        event->accept();
        return;
    }
    if (Locked()) {
        rememberedText_ = text();
        Unlock();
    }
    if (*passed == *typed) {
        CLockEdit::keyPressEvent(event);
    } else {
        QKeyEvent changed = WithCharacter(*event, *passed);
        CLockEdit::keyPressEvent(&changed);
    }
}

void CUndoLockEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && Locked()) rememberedText_ = text();
    CLockEdit::mouseDoubleClickEvent(event);
}

}  // namespace tarn::gui
