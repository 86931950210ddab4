#include "channels/FilterEdit.h"

#include "channels/CharacterFilter.h"
#include "channels/TypedCharacter.h"

namespace tarn::gui {

CFilterEdit::CFilterEdit(QWidget* parent) : QLineEdit(parent) {}

void CFilterEdit::keyPressEvent(QKeyEvent* event) {
    const auto typed = TypedCharacter(*event);
    if (!typed || *typed == kBackspaceCode) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const auto passed = FilterEditCharacter(filterKind_, *typed);
    if (!passed) {
        event->accept();
        return;
    }
    if (*passed == *typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed = WithCharacter(*event, *passed);
    QLineEdit::keyPressEvent(&changed);
}

}  // namespace tarn::gui
